// Starting the demo mode's virtual radio with the sample configuration.
#include "app/DemoRadio.h"

#include "link/SampleCodeplug.h"

std::unique_ptr<dpmr::VirtualRadio> StartDemoVirtualRadio(std::string& error) {
    auto radio = std::make_unique<dpmr::VirtualRadio>();
    radio->SetMemory(dpmr::BuildSampleCodeplug());
    if (dpmr::Status s = radio->Start(); !s) {
        error = s.message();
        return nullptr;
    }
    return radio;
}

std::string DemoRadioPortName(const dpmr::VirtualRadio& radio) {
    return radio.DevicePath();
}
