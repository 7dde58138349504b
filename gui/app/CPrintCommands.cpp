// CPrintCommands: the print dialogs over the channel table's printing.
#include "app/CPrintCommands.h"

#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

#include "channels/CProgramView.h"

CPrintCommands::CPrintCommands(CProgramView& view, QWidget* window)
    : view_(view), window_(window), printer_(std::make_unique<QPrinter>()) {}

CPrintCommands::~CPrintCommands() = default;

void CPrintCommands::Print() {
    QPrintDialog dialog(printer_.get(), window_);
    if (dialog.exec() == QDialog::Accepted) view_.PrintTable(printer_.get());
}

void CPrintCommands::PrintPreview() {
    QPrintPreviewDialog dialog(printer_.get(), window_);
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [this](QPrinter* printer) { view_.PrintTable(printer); });
    dialog.resize(window_->width() * 3 / 4, window_->height() * 3 / 4);
    dialog.exec();
}

void CPrintCommands::PrintSetup() {
    QPageSetupDialog dialog(printer_.get(), window_);
    dialog.exec();
}
