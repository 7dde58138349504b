// Paginated drawing of the channel table.
#include "channels/ChannelTablePrinter.h"

#include <QCoreApplication>
#include <QPagedPaintDevice>
#include <QPainter>
#include <numeric>

#include "channels/ChannelCellText.h"
#include "dialogs/DialogRegistry.h"

using dpmr::ChannelTablePresenter;

namespace {

// Left edges of the columns over `width` device pixels, plus the right edge.
std::array<int, ChannelTablePresenter::kCols + 1> ColumnEdges(int width) {
    const auto& widths = ChannelTablePresenter::ColumnWidths();
    const double total = std::accumulate(widths.begin(), widths.end(), 0.0);
    std::array<int, ChannelTablePresenter::kCols + 1> edges{};
    double x = 0;
    for (std::size_t c = 0; c < widths.size(); ++c) {
        edges[c] = static_cast<int>(x);
        x += widths[c] * width / total;
    }
    edges.back() = width;
    return edges;
}

}  // namespace

int ChannelTablePrinter::Print(QPagedPaintDevice& device) const {
    QPainter painter;
    if (!painter.begin(&device)) return 0;

    QFont font = painter.font();
    font.setPointSizeF(10);
    painter.setFont(font);
    const QFontMetrics metrics(font, &device);
    const int rowHeight = metrics.height() * 8 / 5;
    const int pageHeight = painter.viewport().height();

    const QString heading = Heading();

    int pages = 0;
    int row = 1;
    while (row <= ChannelTablePresenter::kLastRow) {
        if (pages > 0) device.newPage();
        ++pages;
        int top = 0;
        painter.drawText(QRect(0, top, painter.viewport().width(), rowHeight),
                         Qt::AlignLeft | Qt::AlignVCenter, heading);
        top += rowHeight * 3 / 2;
        DrawRow(painter, 0, top, rowHeight, true);
        top += rowHeight;
        // At least one channel row per page, however small the page.
        do {
            DrawRow(painter, row, top, rowHeight, false);
            top += rowHeight;
            ++row;
        } while (row <= ChannelTablePresenter::kLastRow && top + rowHeight <= pageHeight);
    }
    painter.end();
    return pages;
}

QString ChannelTablePrinter::Heading() const {
    const auto shown = [this](const char* key) {
        const QString text =
            QString::fromStdString(dpmr::form::ShownFieldText(image_, key).value_or(""));
        return text.isEmpty() ? QStringLiteral("-") : text;
    };
    const QString band = QString::fromStdString(table_.BandText());
    return QCoreApplication::translate("ChannelTablePrinter",
                                       "Radio name: %1    Radio id: %2    Freq range: %3")
        .arg(shown("dpmr.radio_name"), shown("dpmr.radio_id"),
             band.isEmpty() ? QStringLiteral("-") : band);
}

QFont ChannelTablePrinter::FittingFont(QFont font, const QString& text, int width,
                                       QPaintDevice* device) {
    const int room = width - QFontMetrics(font, device).averageCharWidth();
    for (int k = 0; k < 20 && QFontMetrics(font, device).horizontalAdvance(text) > room; ++k)
        font.setPointSizeF(font.pointSizeF() * 0.9);
    return font;
}

void ChannelTablePrinter::DrawRow(QPainter& painter, int row, int top, int height,
                                  bool titles) const {
    const auto edges = ColumnEdges(painter.viewport().width() - 1);
    QFont font = painter.font();
    font.setBold(titles);
    painter.setFont(font);
    for (int c = 0; c < ChannelTablePresenter::kCols; ++c) {
        const QRect cell(
            edges[static_cast<std::size_t>(c)], top,
            edges[static_cast<std::size_t>(c) + 1] - edges[static_cast<std::size_t>(c)], height);
        painter.drawRect(cell);
        const QString text = ChannelCellText(row, c, table_.Cell(row, c));
        painter.setFont(FittingFont(font, text, cell.width(), painter.device()));
        painter.drawText(cell, Qt::AlignCenter, text);
    }
    painter.setFont(font);
}
