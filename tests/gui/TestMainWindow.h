// TestMainWindow: the main window as the program opens it, for GUI tests: its
// settings read from a fresh folder of its own that holds the Program.ini the
// program ships, File > New done. The window goes before the values it works
// on.
#pragma once

#include <filesystem>
#include <memory>

#include "app/CMainFrame.h"
#include "support/TempDir.h"

namespace dpmr::test {

struct TestMainWindow {
    TempDir dir;
    AppContext context;
    std::unique_ptr<CMainFrame> frame;

    TestMainWindow() {
        std::filesystem::copy_file(DPMR_SOURCE_DIR "/res/Program.ini", dir.File("Program.ini"));
        context.settings = LoadAppSettings(dir.path());
        frame = std::make_unique<CMainFrame>(context);
        frame->NewDocument();
    }
    ~TestMainWindow() { frame.reset(); }
};

}  // namespace dpmr::test
