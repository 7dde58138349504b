// Fuzz target: a CHIRP CSV file of any content imported over the demo
// codeplug as `dpmrtool csv --import` and File > "Import Channels..." do:
// read and checked whole, then every row's cells entered into the channel
// table. What the import leaves exports to a file that reads back.
#include "TargetSupport.h"
#include "channels/ChannelTablePresenter.h"
#include "image/BandLimits.h"
#include "interchange/ChirpCsv.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace dpmr;
    ChirpCsvRows rows;
    if (!ReadChirpCsv(fuzz::InputText(data, size), rows)) {
        fuzz::Expect(rows.channels.empty() && rows.notes.empty(),
                     "a refused CHIRP file left rows behind");
        return 0;
    }
    RadioImage image = fuzz::DemoImage();
    BandLimits band;
    ChannelTablePresenter table(image, band, fuzz::ShippedSettings());
    table.SelectBandFromImage();
    ImportChirpRows(table, rows);

    ChirpCsvRows exported;
    fuzz::Expect(ReadChirpCsv(ChannelsToChirpCsv(image), exported).ok(),
                 "the channels' own CHIRP file is refused");
    return 0;
}
