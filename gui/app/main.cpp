// dpmrcps: entry point of the desktop programming application.
#include <QApplication>

#include "BuildInfo.h"
#include "app/CMainFrame.h"
#include "app/CProgramApp.h"

int main(int argc, char** argv) {
    if (const auto status = CProgramApp::InfoOption(argc, argv)) return *status;
    QApplication app(argc, argv);
    QApplication::setApplicationName("dpmrcps");
    QApplication::setOrganizationName("Kestrova");
    QApplication::setApplicationVersion(DPMR_VERSION);

    CProgramApp program;
    if (const auto status = program.InitInstance(QApplication::arguments())) return *status;
    const int status = QApplication::exec();
    program.ExitInstance();
    return status;
}
