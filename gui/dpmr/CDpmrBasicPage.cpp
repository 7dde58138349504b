// The "Basic" page in two columns.
#include "dpmr/CDpmrBasicPage.h"

#include <QFormLayout>
#include <QHBoxLayout>

CDpmrBasicPage::CDpmrBasicPage(dpmr::form::FieldPage& page, QWidget* parent)
    : CFormPage(page, parent) {
    // The rows from "tx pre-carrier time" on move to a second column.
    QWidget* first = Control("tx_pre_carrier");
    auto* form = qobject_cast<QFormLayout*>(first->parentWidget()->layout());
    int row = -1;
    QFormLayout::ItemRole role{};
    if (!form) return;
    form->getWidgetPosition(first, &row, &role);
    if (row < 0) return;
    auto* holder = new QWidget(this);
    auto* second = new QFormLayout(holder);
    second->setContentsMargins(0, 0, 0, 0);
    while (form->rowCount() > row) {
        const QFormLayout::TakeRowResult taken = form->takeRow(row);
        QWidget* label = taken.labelItem ? taken.labelItem->widget() : nullptr;
        QWidget* field = taken.fieldItem ? taken.fieldItem->widget() : nullptr;
        if (label && field)
            second->addRow(label, field);
        else if (label || field)
            second->addRow(label ? label : field);
        delete taken.labelItem;
        delete taken.fieldItem;
    }
    auto* column = new QVBoxLayout;
    column->addWidget(holder);
    column->addStretch();
    Columns()->addLayout(column);
}
