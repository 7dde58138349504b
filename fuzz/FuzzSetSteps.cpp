// Fuzz target: the steps of `dpmrtool set` on the demo codeplug, one step a
// line of the input ("KEY=TEXT", "KEY~=TEXT", "KEY++", "KEY--"), parsed and
// run in order until one fails, then the open dialog closed, as the command
// does. A first line "--service" allows the factory dialogs' fields.
#include <string>
#include <string_view>

#include "TargetSupport.h"
#include "dialogs/FormSession.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace dpmr;
    std::string_view text = fuzz::InputText(data, size);
    constexpr std::string_view kService = "--service\n";
    const bool service = text.starts_with(kService);
    if (service) text.remove_prefix(kService.size());

    RadioImage image = fuzz::DemoImage();
    form::FormSession session(image, service);
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        const std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        const std::optional<form::Step> step = form::ParseStep(line);
        if (!step || !session.Apply(*step)) break;
    }
    session.Finish();
    return 0;
}
