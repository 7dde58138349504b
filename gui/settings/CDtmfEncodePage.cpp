// The encode page: a field-table page that also loads when shown and stores
// when hidden.
#include "settings/CDtmfEncodePage.h"

#include <QHideEvent>
#include <QShowEvent>

void CDtmfEncodePage::Detach() {
    detached_ = true;
    CFormPage::Detach();
}

void CDtmfEncodePage::showEvent(QShowEvent* event) {
    CFormPage::showEvent(event);
    if (event->spontaneous() || detached_) return;
    Page().LoadFromImage();
    Refresh();
}

void CDtmfEncodePage::hideEvent(QHideEvent* event) {
    if (!event->spontaneous() && !detached_) {
        // The box with the focus lets go first, as it does for a tab change.
        Page().LeaveFocus();
        Page().SaveToImage();
        Refresh();
    }
    CFormPage::hideEvent(event);
}
