// ServiceKeyFilter: the hidden service keys of the main window. Ctrl+F11
// opens the service password gate, Ctrl+Shift+F12 the factory adjustment
// dialog. It watches the key presses of the whole application, so that the
// keys work whichever control of the window has the focus (the channel
// table, its in-place editors, the band list, even with its list dropped
// down); keys that reach another window (an open dialog) are left alone. The
// key is swallowed.
#pragma once

#include <QObject>
#include <functional>

class QWidget;

class ServiceKeyFilter : public QObject {
  public:
    ServiceKeyFilter(QWidget* window, std::function<void()> openPasswordGate,
                     std::function<void()> openAdjustment);
    ~ServiceKeyFilter() override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QWidget* window_;
    std::function<void()> openPasswordGate_;
    std::function<void()> openAdjustment_;
};
