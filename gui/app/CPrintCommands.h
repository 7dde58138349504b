// CPrintCommands: File > Print, Print Preview and Print Setup of the channel
// table. One printer lives for the whole run, so that what Print Setup and
// the print dialog chose holds for the next print.
#pragma once

#include <memory>

class CProgramView;
class QPrinter;
class QWidget;

class CPrintCommands {
  public:
    CPrintCommands(CProgramView& view, QWidget* window);
    ~CPrintCommands();

    void Print();
    void PrintPreview();
    void PrintSetup();

  private:
    CProgramView& view_;
    QWidget* window_;
    std::unique_ptr<QPrinter> printer_;
};
