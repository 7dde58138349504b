// Fuzz target: a contact list CSV of any content imported over the demo
// codeplug as `dpmrtool contacts --import` does. A refused file leaves the
// image as it was; after an accepted one, the list printed back imports
// without changing a byte.
#include "TargetSupport.h"
#include "dpmr/ContactCsv.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace dpmr;
    RadioImage image = fuzz::DemoImage();
    if (!ImportContactsCsv(image, fuzz::InputText(data, size))) {
        fuzz::ExpectSameImage(fuzz::DemoImage(), image, "a refused contact list changed the image");
        return 0;
    }
    const RadioImage imported = image;
    fuzz::Expect(ImportContactsCsv(image, ContactsToCsv(image)).ok(),
                 "the printed contact list is refused");
    fuzz::ExpectSameImage(imported, image, "importing the printed contact list changed the image");
    return 0;
}
