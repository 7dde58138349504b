// Fuzz target: a radio file of any content opened as the program opens one,
// then every editor loaded and stored over it as a user who opens each
// dialog, clicks through its tabs and closes it: every settings dialog (the
// service ones too), the dPMR contact and group list pages, the channel
// table and the channel dialog of each channel. The input is the file's
// bytes from address 0 (see ImageFromInput).
#include "TargetSupport.h"
#include "channels/ChannelEditPresenter.h"
#include "channels/ChannelTablePresenter.h"
#include "dialogs/DialogRegistry.h"
#include "dpmr/ContactChecks.h"
#include "dpmr/ContactPagePresenter.h"
#include "dpmr/GroupRxListPresenter.h"
#include "form/FormDialog.h"
#include "image/BandLimits.h"

namespace {

using namespace dpmr;

// A settings dialog opened (every page loads), each tab clicked in turn with
// each control of a field table entered and left (its commit runs on what
// the load showed), then closed (every page stores).
void ClickThrough(const form::DialogDecl& decl, RadioImage& image) {
    form::FormDialog dialog(decl, image);
    for (int p = 0; p < dialog.PageCount(); ++p) {
        dialog.SelectPage(p);
        if (form::FieldPage* page = dialog.FieldPageAt(p)) {
            for (std::size_t f = 0; f < page->FieldCount(); ++f) {
                page->FocusIn(f);
                (void)page->Shown(f);
            }
            page->LeaveFocus();
        }
    }
    dialog.Close();
}

// The pages of the dPMR dialog with presenters of their own, driven beyond
// load and store: every cell read, every list selected.
void VisitDpmrPages(RadioImage& image) {
    ContactPagePresenter contacts(image);
    contacts.LoadFromImage();
    for (int row = 1; row <= contacts.RowCount(); ++row)
        for (int col = 0; col < ContactPagePresenter::kCols; ++col) (void)contacts.Cell(row, col);
    contacts.SaveToImage();

    GroupRxListPresenter lists(image);
    lists.LoadFromImage();
    for (int n = 1; n <= GroupRxListPresenter::kListCount; ++n) lists.SelectList(n);
    lists.SaveToImage();
}

// Everything a user can open on the file, as the main window runs it: the
// table stored before each editor and rebuilt after it. The channel dialogs
// come first: the contact page's store clears a "None" (0) transmit contact
// they store to 0xFF, as the contact checks do.
void OpenEveryEditor(RadioImage& image, ChannelTablePresenter& table, BandLimits& band) {
    for (int n = ChannelEditPresenter::kFirstChannel; n <= ChannelEditPresenter::kLastChannel;
         ++n) {
        table.StoreGridToImage();
        ChannelEditPresenter channel(image, band, n,
                                     table.Cell(n, ChannelTablePresenter::kRxFreqCol));
        channel.CommitRx();
        channel.CommitTx();
        channel.Close();
        table.SelectBandFromImage();
    }
    for (const form::DialogDecl* decl : form::AllDialogs()) {
        table.StoreGridToImage();
        ClickThrough(*decl, image);
        table.SelectBandFromImage();
    }
    table.StoreGridToImage();
    VisitDpmrPages(image);
    table.SelectBandFromImage();
    table.StoreGridToImage();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace dpmr;
    // The file opened: the table built, then the contact checks.
    RadioImage image = fuzz::ImageFromInput(data, size);
    BandLimits band;
    ChannelTablePresenter table(image, band, fuzz::ShippedSettings());
    table.SelectBandFromImage();
    RepairContactNames(image);
    CheckContactReferences(image);

    OpenEveryEditor(image, table, band);
    // What the editors stored is what they show when opened again: a second
    // round without a change by the user changes no byte.
    const RadioImage once = image;
    OpenEveryEditor(image, table, band);
    fuzz::ExpectSameImage(once, image, "a second round through every editor changed the file");
    return 0;
}
