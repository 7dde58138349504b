// OtherWindows: the windows that are not built from a settings declaration
// (the channel plans, the fleet, the port, a Read, the channel dialog), made
// as the program makes them, for the suites that walk every window.
#pragma once

#include <QString>
#include <memory>
#include <set>
#include <utility>
#include <vector>

#include "channels/CChannelEditDlg.h"
#include "channels/CFillChannelsDlg.h"
#include "fleet/CFleetWriteDlg.h"
#include "link/CPortSettingDlg.h"
#include "link/CProgressDlg.h"
#include "link/SampleCodeplug.h"

namespace dpmr::test {

struct OtherWindows {
    RadioImage document = BuildSampleCodeplug();
    std::string port = "/dev/ttyUSB0";
    TransferControl control;
    std::vector<std::pair<QString, std::unique_ptr<QWidget>>> windows;

    explicit OtherWindows(bool withChannelDialog = false) {
        windows.emplace_back("Fill Channels",
                             std::make_unique<CFillChannelsDlg>(BandLimits{}, std::set{2, 3}));
        windows.emplace_back("Fleet",
                             std::make_unique<CFleetWriteDlg>(document, 9600, "", true, false));
        windows.emplace_back("Port", std::make_unique<CPortSettingDlg>(port, "", nullptr));
        windows.emplace_back(
            "Read", std::make_unique<CProgressDlg>(CProgressDlg::Direction::kRead, document,
                                                   LinkSettings{port, 9600}, control, ""));
        if (withChannelDialog)
            windows.emplace_back("Channel edit", std::make_unique<CChannelEditDlg>(
                                                     document, BandLimits{}, 1, "446.006250"));
    }
};

}  // namespace dpmr::test
