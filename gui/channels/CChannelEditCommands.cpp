// CChannelEditCommands: Fill Channels and Channel edit run as editors of the
// image.
#include "channels/CChannelEditCommands.h"

#include <QMessageBox>
#include <set>

#include "channels/CChannelEditDlg.h"
#include "channels/CFillChannelsDlg.h"
#include "channels/DigitalFieldSpread.h"
#include "channels/ReportBox.h"
#include "form/QtText.h"
#include "widgets/FlexGrid.h"

CChannelEditCommands::CChannelEditCommands(dpmr::RadioImage& image, dpmr::BandLimits& band,
                                           CProgramView& view, ImageEditorRunner runEditor,
                                           QWidget* window, QObject* parent)
    : QObject(parent),
      image_(image),
      band_(band),
      view_(view),
      runEditor_(std::move(runEditor)),
      window_(window) {}

void CChannelEditCommands::FillChannels() {
    view_.CommitEditor();
    const dpmr::ChannelTablePresenter& table = view_.presenter();
    CFillChannelsDlg dialog(table.Band(), table.SelectedRows(), window_);
    if (dialog.exec() != QDialog::Accepted) return;
    view_.FillChannels(dialog.Request());
    view_.grid()->setFocus();
}

void CChannelEditCommands::ChannelEdit() {
    dpmr::ChannelTablePresenter& table = view_.presenter();
    const int row = table.CurrentRow();
    // With several channels selected, the digital fields changed on this one
    // go to the others too, in the same undo step.
    std::set<int> selected = table.SelectedRows();
    if (selected.size() < 2 || !selected.contains(row)) selected.clear();
    dpmr::SpreadReport spread;
    runEditor_(
        [&] {
            const QString rxText = ToQt(table.Cell(row, dpmr::ChannelTablePresenter::kRxFreqCol));
            const dpmr::RadioImage before = image_;
            CChannelEditDlg dialog(image_, band_, row, rxText, window_);
            if (!selected.empty())
                dialog.SetSpreadNote(
                    tr("Rx and Tx color code, Tx contact and Group rx list changed on channel "
                       "%1 go to %2 as well.")
                        .arg(row)
                        .arg(ToQt(dpmr::ChannelsText(selected, false))));
            dialog.exec();
            if (!selected.empty())
                spread = dpmr::SpreadDigitalFields(image_, before, band_, row, selected);
        },
        tr("Channel edit"));
    if (spread.lines.empty()) return;
    emit Notice(ToQt(spread.lines.front()));
    if (spread.lines.size() > 1)
        ShowReport(window_, QMessageBox::Information, tr("Channel edit."), spread.lines);
}
