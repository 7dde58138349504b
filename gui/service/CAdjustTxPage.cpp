// The "Tx" page: the table's page with its ungrouped fields boxed and its
// two group boxes side by side.
#include "service/CAdjustTxPage.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QVBoxLayout>

CAdjustTxPage::CAdjustTxPage(dpmr::form::FieldPage& page, QWidget* parent)
    : CFormPage(page, parent) {
    // The fields without a group (the DC offsets) sit together in one holder;
    // the dialog shows them in a group box without a title.
    QWidget* loose = Control("lout_dc_offset")->parentWidget();
    auto* box = new QGroupBox(this);
    delete Columns()->replaceWidget(loose, box);
    auto* inner = new QVBoxLayout(box);
    inner->addWidget(loose);

    // The analog box stands beside the digital one, so that the page fits
    // small screens.
    auto* analog = Control("analog_left_gain")->parentWidget();
    auto* first = static_cast<QVBoxLayout*>(Columns()->itemAt(0)->layout());
    first->removeWidget(analog);
    auto* second = new QVBoxLayout;
    second->addWidget(analog);
    second->addStretch();
    Columns()->addLayout(second);
}
