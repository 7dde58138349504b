// CProgramApp: start-up and shut-down of dpmrcps: reads the settings file,
// creates the main window, processes the command line (nothing: File > New; a
// file name: open it; --demo: use the built-in virtual radio; --adjust: open
// the factory adjustment dialog) and writes the chosen serial port back to the
// settings file at exit. The end of the session (a logout, SIGTERM, SIGHUP)
// stops a transfer between blocks before the program ends.
#pragma once

#include <QStringList>
#include <memory>
#include <optional>
#include <vector>

#include "app/AppContext.h"

class CMainFrame;
class CSessionEnd;

namespace dpmr {
class VirtualRadio;
}

class CProgramApp {
  public:
    CProgramApp();
    ~CProgramApp();

    // --help and --version, answered before the application object exists,
    // so that they work without a display: the status to end with (0), or
    // nothing when neither was given.
    static std::optional<int> InfoOption(int argc, char** argv);

    // Nothing when the main window is up; otherwise the status the program
    // ends with: 2 when the command line cannot be processed or the virtual
    // radio cannot be started. The settings are found from the folder of the
    // executable (another one for tests).
    std::optional<int> InitInstance(const QStringList& arguments,
                                    const std::string& executableFolder = dpmr::ExecutableFolder());
    void ExitInstance();

    CMainFrame* mainFrame() const { return frame_.get(); }
    AppContext& context() { return context_; }

  private:
    // Chooses this run's language and installs its translations.
    void StartLanguage();
    // Starts the virtual radio once; returns its device path or empty.
    std::string StartDemoRadio();

    AppContext context_;
    std::unique_ptr<CMainFrame> frame_;
    // A logout or SIGTERM/SIGHUP: a transfer stops between blocks first.
    std::unique_ptr<CSessionEnd> sessionEnd_;
    std::unique_ptr<dpmr::VirtualRadio> demoRadio_;
    std::vector<std::unique_ptr<dpmr::VirtualRadio>> demoFleet_;  // radios 2 to 4 of --demo
};
