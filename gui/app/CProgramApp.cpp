// CProgramApp: settings, main window, command line, and the port at exit.
#include "app/CProgramApp.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLocale>
#include <QTimer>
#include <cstdio>
#include <cstring>

#include "BuildInfo.h"
#include "app/CDocumentController.h"
#include "app/CMainFrame.h"
#include "app/CRadioCommands.h"
#include "app/CSessionEnd.h"
#include "app/DemoRadio.h"
#include "app/Languages.h"
#include "backup/BackupStore.h"
#include "help/ProgramHelp.h"

namespace {

void PrintUsage(std::FILE* out) {
    std::fputs(dpmr::help::HelpText(dpmr::help::DesktopHelp()).c_str(), out);
}

// The virtual radios of demo mode.
constexpr int kDemoFleetSize = 4;

}  // namespace

std::optional<int> CProgramApp::InfoOption(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            PrintUsage(stdout);
            return 0;
        }
        if (std::strcmp(argv[i], "--version") == 0) {
            std::printf("dpmrcps %s\n", DPMR_VERSION);
            return 0;
        }
    }
    return std::nullopt;
}

CProgramApp::CProgramApp() = default;

CProgramApp::~CProgramApp() {
    // The window goes before the virtual radio it may still be talking to.
    sessionEnd_.reset();
    frame_.reset();
    demoRadio_.reset();
    demoFleet_.clear();
}

std::optional<int> CProgramApp::InitInstance(const QStringList& arguments,
                                             const std::string& executableFolder) {
    context_.settings = dpmr::LoadAppSettings(executableFolder);
    context_.backupFolder = dpmr::DefaultBackupFolder();
    StartLanguage();

    QString file;
    bool demo = false;
    bool adjust = false;
    for (int i = 1; i < arguments.size(); ++i) {
        const QString& a = arguments[i];
        if (a == "--demo") {
            demo = true;
        } else if (a == "--adjust") {
            adjust = true;
        } else if (a.startsWith('-') || !file.isEmpty()) {
            std::fprintf(stderr, "dpmrcps: unexpected argument '%s'\n", qPrintable(a));
            PrintUsage(stderr);
            return 2;
        } else {
            file = a;
        }
    }

    context_.startDemoRadio = [this] { return StartDemoRadio(); };
    if (demo) {
        const std::string path = StartDemoRadio();
        if (path.empty()) return 2;
        context_.settings.portName = path;
        // Three more radios, so that "Write to Several Radios..." has a fleet.
        context_.demoFleetPorts = {path};
        for (int k = 1; k < kDemoFleetSize; ++k) {
            std::string error;
            auto radio = StartDemoVirtualRadio(error, k);
            if (!radio) {
                std::fprintf(stderr, "dpmrcps: cannot start a virtual radio: %s\n", error.c_str());
                return 2;
            }
            context_.demoFleetPorts.push_back(DemoRadioPortName(*radio));
            demoFleet_.push_back(std::move(radio));
        }
    }

    frame_ = std::make_unique<CMainFrame>(context_);
    sessionEnd_ = std::make_unique<CSessionEnd>(context_.transfer,
                                                [](int status) { QCoreApplication::exit(status); });
    // A file that cannot be opened leaves the new document.
    frame_->controller().NewDocument();
    if (!file.isEmpty()) frame_->controller().OpenDocument(file);
    frame_->show();
    if (adjust) QTimer::singleShot(0, frame_.get(), [this] { frame_->radio().AdjustParam(); });
    return std::nullopt;
}

void CProgramApp::StartLanguage() {
    const std::string& setting = context_.settings.language;
    if (UnknownLanguageSetting(setting))
        std::fprintf(stderr,
                     "dpmrcps: [Setup] Language=%s is not a language of this program: the "
                     "desktop's language is used\n",
                     setting.c_str());
    context_.language = ::StartLanguage(setting, QLocale::system().uiLanguages());
    if (!InstallLanguage(context_.language)) {
        std::fprintf(stderr, "dpmrcps: the %s translation could not be loaded: English is used\n",
                     qPrintable(context_.language));
        context_.language = "en";
    }
}

std::string CProgramApp::StartDemoRadio() {
    if (demoRadio_) return context_.demoPortName;
    std::string error;
    demoRadio_ = StartDemoVirtualRadio(error);
    if (!demoRadio_) {
        std::fprintf(stderr, "dpmrcps: cannot start the virtual radio: %s\n", error.c_str());
        return {};
    }
    context_.demoPortName = DemoRadioPortName(*demoRadio_);
    return context_.demoPortName;
}

void CProgramApp::ExitInstance() {
    // The virtual radio's port is not a choice to remember.
    if (!context_.demoPortName.empty() && context_.settings.portName == context_.demoPortName)
        return;
    dpmr::SavePortName(context_.settings);
}
