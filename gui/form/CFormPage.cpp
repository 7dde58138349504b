// Builds a settings page's widgets from its field table.
#include "form/CFormPage.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>
#include <vector>

#include "form/QtText.h"
#include "widgets/SpinEdit.h"

using dpmr::form::FieldDecl;
using dpmr::form::FieldKind;

namespace {

void AddRow(QFormLayout* form, const FieldDecl& field, QWidget* control) {
    if (field.kind == FieldKind::kCheck) {
        form->addRow(control);
    } else {
        auto* label = new QLabel(FieldText(field.label));
        label->setTextFormat(Qt::PlainText);
        label->setBuddy(control);
        form->addRow(label, control);
    }
    // A field's note stands on the line under it, in a smaller font.
    if (!field.note.empty()) {
        auto* note = new QLabel(FieldText(field.note));
        note->setObjectName(control->objectName() + ".note");
        note->setTextFormat(Qt::PlainText);
        note->setWordWrap(true);
        QFont font = note->font();
        if (font.pointSizeF() > 0) {
            font.setPointSizeF(font.pointSizeF() * 0.85);
            note->setFont(font);
        }
        form->addRow(note);
    }
}

}  // namespace

CFormPage::CFormPage(dpmr::form::FieldPage& page, QWidget* parent)
    : CPageWidget(parent), page_(page), binder_(page, this) {
    std::vector<QWidget*> controls;
    for (std::size_t i = 0; i < page_.FieldCount(); ++i) controls.push_back(MakeControl(i));

    // Blocks of rows: a run of fields of one group becomes a group box.
    std::vector<QWidget*> blocks;
    auto* loose = static_cast<QFormLayout*>(nullptr);
    for (std::size_t i = 0; i < page_.FieldCount(); ++i) {
        const FieldDecl& field = page_.Field(i);
        if (field.hidden) {
            controls[i]->hide();
            continue;
        }
        if (field.group.empty()) {
            if (!loose) {
                auto* holder = new QWidget(this);
                loose = new QFormLayout(holder);
                loose->setContentsMargins(0, 0, 0, 0);
                blocks.push_back(holder);
            }
            AddRow(loose, field, controls[i]);
            continue;
        }
        loose = nullptr;
        auto* box = new QGroupBox(FieldText(field.group), this);
        auto* form = new QFormLayout(box);
        bool shown = false;
        for (; i < page_.FieldCount() && page_.Field(i).group == field.group; ++i) {
            if (page_.Field(i).hidden) {
                controls[i]->hide();
                continue;
            }
            AddRow(form, page_.Field(i), controls[i]);
            shown = true;
        }
        --i;
        // A group whose controls are all hidden (TK1) is not shown either.
        if (shown)
            blocks.push_back(box);
        else
            box->hide();
    }

    columns_ = new QHBoxLayout(this);
    auto* column = new QVBoxLayout;
    columns_->addLayout(column);
    for (QWidget* block : blocks) column->addWidget(block);
    column->addStretch();

    for (std::size_t i = 0; i < page_.FieldCount(); ++i) binder_.Bind(i, controls[i]);
}

QWidget* CFormPage::MakeControl(std::size_t i) {
    const FieldDecl& field = page_.Field(i);
    QWidget* control = nullptr;
    switch (field.kind) {
        case FieldKind::kList: {
            auto* box = new QComboBox(this);
            box->setMaxVisibleItems(20);
            box->setSizeAdjustPolicy(QComboBox::AdjustToContents);
            control = box;
            break;
        }
        case FieldKind::kCheck:
            control = new QCheckBox(FieldText(field.label), this);
            break;
        default:
            if (field.HasSpin()) {
                auto* spin = new SpinEdit(this);
                spin->setMinimumWidth(80);
                control = spin;
            } else {
                auto* edit = new QLineEdit(this);
                edit->setMinimumWidth(120);
                control = edit;
            }
            break;
    }
    control->setObjectName(ToQt(page_.Key() + "." + field.key));
    return control;
}

QWidget* CFormPage::Control(const std::string& key) const {
    for (std::size_t i = 0; i < page_.FieldCount(); ++i)
        if (page_.Field(i).key == key) return binder_.Widget(i);
    return nullptr;
}
