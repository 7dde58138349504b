// dpmrcps: entry point of the desktop programming application.
#include <QApplication>

#include "BuildInfo.h"
#include "DesktopEntry.h"
#include "app/CMainFrame.h"
#include "app/CProgramApp.h"

int main(int argc, char** argv) {
    if (const auto status = CProgramApp::InfoOption(argc, argv)) return *status;
    QApplication app(argc, argv);
    QApplication::setApplicationName("dpmrcps");
    QApplication::setOrganizationName("Kestrova");
    QApplication::setApplicationVersion(DPMR_VERSION);
    // The installed menu entry, so that the desktop shows the window with
    // its icon and groups it under the entry (Wayland's application ID).
    QApplication::setDesktopFileName(DPMR_APP_ID);

    CProgramApp program;
    if (const auto status = program.InitInstance(QApplication::arguments())) return *status;
    const int status = QApplication::exec();
    program.ExitInstance();
    return status;
}
