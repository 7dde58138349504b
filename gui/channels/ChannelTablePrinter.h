// ChannelTablePrinter: draws the channel table for File > Print and Print
// Preview: the band, then the title row and the 16 channel rows as the table
// shows them, repeating band and titles on every page the rows run onto.
#pragma once

#include "channels/ChannelTablePresenter.h"

class QPagedPaintDevice;
class QPainter;

class ChannelTablePrinter {
  public:
    explicit ChannelTablePrinter(const dpmr::ChannelTablePresenter& table) : table_(table) {}

    // Prints onto `device` (a printer, a PDF writer) and returns the number of
    // pages drawn; 0 when the device cannot be painted on.
    int Print(QPagedPaintDevice& device) const;

  private:
    void DrawRow(QPainter& painter, int row, int top, int height, bool titles) const;

    const dpmr::ChannelTablePresenter& table_;
};
