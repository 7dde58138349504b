// Fuzz target: a YAML codeplug of any content imported as `dpmrtool import`
// and File > "Import..." do. A refused file leaves the image as it was; an
// accepted one exports to a file that imports to the same bytes.
#include "TargetSupport.h"
#include "interchange/CodeplugYaml.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace dpmr;
    RadioImage image = fuzz::DemoImage();
    if (!CodeplugFromYaml(fuzz::InputText(data, size), fuzz::ShippedSettings(), image)) {
        fuzz::ExpectSameImage(fuzz::DemoImage(), image, "a refused codeplug changed the image");
        return 0;
    }
    RadioImage again = fuzz::DemoImage();
    const Status s = CodeplugFromYaml(CodeplugToYaml(image), fuzz::ShippedSettings(), again);
    fuzz::Expect(s.ok(), "the export of an imported codeplug is refused");
    fuzz::ExpectSameImage(image, again,
                          "the export of an imported codeplug imports to other bytes");
    return 0;
}
