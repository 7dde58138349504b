// ChannelTablePrinter: draws the channel table for File > Print and Print
// Preview: a heading with the radio's dPMR name and ID and the band, then the
// title row and the 16 channel rows as the table shows them, repeating the
// heading and titles on every page the rows run onto. A text wider than its
// column is drawn smaller, so that every title and cell shows whole.
#pragma once

#include <QFont>
#include <QString>

#include "channels/ChannelTablePresenter.h"
#include "image/RadioImage.h"

class QPagedPaintDevice;
class QPaintDevice;
class QPainter;

class ChannelTablePrinter {
  public:
    // `image` (the table's image) gives the heading's radio name and ID.
    ChannelTablePrinter(const dpmr::ChannelTablePresenter& table, const dpmr::RadioImage& image)
        : table_(table), image_(image) {}

    // Prints onto `device` (a printer, a PDF writer) and returns the number of
    // pages drawn; 0 when the device cannot be painted on.
    int Print(QPagedPaintDevice& device) const;

    // "Radio name: Base 1    Radio id: 0000001    Freq range: 400-470MHz".
    QString Heading() const;
    // `font`, made smaller when `text` would not fit `width` device pixels
    // of `device` with a little room on either side.
    static QFont FittingFont(QFont font, const QString& text, int width, QPaintDevice* device);

  private:
    void DrawRow(QPainter& painter, int row, int top, int height, bool titles) const;

    const dpmr::ChannelTablePresenter& table_;
    const dpmr::RadioImage& image_;
};
