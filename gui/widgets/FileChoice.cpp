// FileChoice: the one file dialog of the File commands.
#include "widgets/FileChoice.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHeaderView>
#include <QScreen>
#include <QTreeView>

QString ChooseFileInDialog(QWidget* parent, bool forSave, const FileChoice& choice,
                           const QString& suggested) {
    QFileDialog dialog(parent, choice.title, suggested, choice.filter);
    dialog.setAcceptMode(forSave ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(forSave ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(choice.suffix);
    // Large enough for the size, type and date columns beside the names.
    dialog.setViewMode(QFileDialog::Detail);
    dialog.resize(FileDialogSize(parent));
    // Qt's own dialog keeps its columns narrow however wide it is: the size,
    // type and date take what they need, the name the rest.
    if (auto* tree = dialog.findChild<QTreeView*>("treeView")) {
        tree->header()->setStretchLastSection(false);
        tree->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
        tree->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    const QFileInfo info(dialog.selectedFiles().first());
    return !forSave && info.isSymLink() ? info.canonicalFilePath() : info.filePath();
}

QSize FileDialogSize(const QWidget* parent) {
    const QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen();
    const QSize wanted(960, 600);
    return screen ? wanted.boundedTo(screen->availableSize() * 9 / 10) : wanted;
}

QString SuggestBesideDocument(const QString& documentPath, const QString& suffix,
                              const QString& fallback) {
    if (documentPath.isEmpty()) return fallback;
    const QFileInfo info(documentPath);
    return info.dir().filePath(info.completeBaseName() + "." + suffix);
}
