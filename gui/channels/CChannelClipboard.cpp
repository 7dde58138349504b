// CChannelClipboard: the channel table's rows to and from the system clipboard.
#include "channels/CChannelClipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <optional>

#include "channels/CProgramView.h"
#include "channels/ReportBox.h"
#include "interchange/ChannelClipboard.h"
#include "widgets/FlexGrid.h"

CChannelClipboard::CChannelClipboard(dpmr::RadioImage& image, CProgramView& view,
                                     ImageEditorRunner runEditor, QObject* parent)
    : QObject(parent), image_(image), view_(view), runEditor_(std::move(runEditor)) {}

std::pair<int, int> CChannelClipboard::SelectedRows() const {
    return view_.SelectedRowRange();
}

void CChannelClipboard::Copy() {
    const auto [first, last] = SelectedRows();
    // What the table shows, with a cell still being typed in.
    dpmr::RadioImage shown = image_;
    view_.StoreGridInto(shown);
    const dpmr::ChannelClipboard clip = dpmr::CopyChannels(shown, first, last);
    auto* mime = new QMimeData;
    mime->setText(QString::fromStdString(clip.text));
    mime->setData(dpmr::kChannelRecordsMime,
                  QByteArray(reinterpret_cast<const char*>(clip.records.data()),
                             static_cast<qsizetype>(clip.records.size())));
    QGuiApplication::clipboard()->setMimeData(mime);
    emit Notice(first == last ? tr("Copied channel %1").arg(first)
                              : tr("Copied channels %1-%2").arg(first).arg(last));
}

void CChannelClipboard::Paste() {
    const QMimeData* mime = QGuiApplication::clipboard()->mimeData();
    if (!mime) return;
    const QByteArray records = mime->data(dpmr::kChannelRecordsMime);
    const std::string text = mime->text().toStdString();
    const int first = SelectedRows().first;
    std::optional<dpmr::PasteReport> report;
    runEditor_(
        [&] {
            const auto* bytes = reinterpret_cast<const std::uint8_t*>(records.constData());
            report = dpmr::PasteChannelRecords(view_.presenter(), image_, first,
                                               {bytes, static_cast<std::size_t>(records.size())});
            if (!report) report = dpmr::PasteChannelText(view_.presenter(), first, text);
        },
        tr("Paste"));
    const bool pasted = report->last >= report->first;
    // The rows pasted are shown selected, ready to be copied on.
    if (pasted)
        view_.grid()->setRangeSelected(
            {report->first - 1, 0, report->last - 1, view_.grid()->columnCount() - 1}, true);
    const QString summary = !pasted ? tr("Nothing pasted")
                            : report->first == report->last
                                ? tr("Pasted channel %1").arg(report->first)
                                : tr("Pasted channels %1-%2").arg(report->first).arg(report->last);
    emit Notice(summary);
    if (!report->lines.empty())
        ShowReport(&view_, pasted ? QMessageBox::Information : QMessageBox::Warning,
                   tr("%1.").arg(summary), report->lines);
}
