// Fuzz target: a group receive lists CSV of any content imported over the
// demo codeplug as `dpmrtool grouplists --import` does. A refused file
// leaves the image as it was; after an accepted one, the lists printed back
// import without changing a byte.
#include "TargetSupport.h"
#include "dpmr/GroupListCsv.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace dpmr;
    RadioImage image = fuzz::DemoImage();
    if (!ImportGroupListsCsv(image, fuzz::InputText(data, size))) {
        fuzz::ExpectSameImage(fuzz::DemoImage(), image, "refused group lists changed the image");
        return 0;
    }
    const RadioImage imported = image;
    fuzz::Expect(ImportGroupListsCsv(image, GroupListsToCsv(image)).ok(),
                 "the printed group lists are refused");
    fuzz::ExpectSameImage(imported, image, "importing the printed group lists changed the image");
    return 0;
}
