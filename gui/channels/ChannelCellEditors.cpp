// ChannelCellEditors: building, filling and reading the channel table's
// in-place editors.
#include "channels/ChannelCellEditors.h"

#include <QComboBox>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QValidator>

#include "codec/ToneCodec.h"
#include "form/QtText.h"

using dpmr::CellEditor;
using dpmr::ChannelTablePresenter;

namespace {

// Lets into the frequency editor only what the table accepts there, a comma
// made the point.
class FrequencyValidator : public QValidator {
  public:
    using QValidator::QValidator;
    State validate(QString& input, int&) const override {
        const std::string text = input.toStdString();
        const std::string accepted = ChannelTablePresenter::FilterFrequencyText(text);
        if (accepted.size() != text.size()) return Invalid;
        input = QString::fromStdString(accepted);
        return Acceptable;
    }
};

}  // namespace

ChannelCellEditors::ChannelCellEditors(QWidget* viewport, QObject* filter) {
    frequency_ = new QLineEdit(viewport);
    frequency_->setMaxLength(static_cast<int>(ChannelTablePresenter::kMaxFrequencyChars));
    frequency_->setValidator(new FrequencyValidator(frequency_));
    frequency_->setAlignment(Qt::AlignCenter);
    tone_ = new QComboBox(viewport);
    tone_->setEditable(true);
    tone_->setInsertPolicy(QComboBox::NoInsert);
    tone_->setCompleter(nullptr);  // typed tones are taken as typed
    for (const std::string& tone : dpmr::ToneList()) tone_->addItem(ToQt(tone));
    tone_->setMaxVisibleItems(16);
    list_ = new QComboBox(viewport);
    editors_ = {Editor{frequency_, frequency_, &ChannelTablePresenter::FrequencyEditorEnter},
                Editor{tone_, tone_->lineEdit(), &ChannelTablePresenter::ToneEditorEnter},
                Editor{list_, nullptr, &ChannelTablePresenter::ListEditorEnter}};
    for (const Editor& editor : editors_) {
        editor.widget->hide();
        editor.widget->installEventFilter(filter);
        if (editor.line && editor.line != editor.widget) editor.line->installEventFilter(filter);
    }
}

const ChannelCellEditors::Editor* ChannelCellEditors::Open(
    const ChannelTablePresenter& presenter) const {
    const CellEditor open = presenter.OpenEditor();
    if (open == CellEditor::kNone) return nullptr;
    return &editors_[static_cast<std::size_t>(open) -
                     static_cast<std::size_t>(CellEditor::kFrequency)];
}

std::vector<QWidget*> ChannelCellEditors::Widgets() const {
    std::vector<QWidget*> widgets;
    for (const Editor& editor : editors_) widgets.push_back(editor.widget);
    return widgets;
}

bool ChannelCellEditors::Contains(const QWidget* widget) const {
    for (const Editor& editor : editors_) {
        if (widget && (widget == editor.widget || editor.widget->isAncestorOf(widget))) return true;
    }
    return false;
}

void ChannelCellEditors::Fill(const ChannelTablePresenter& presenter) {
    const QString text = ToQt(presenter.EditorText());
    switch (presenter.OpenEditor()) {
        case CellEditor::kFrequency:
            frequency_->setText(text);
            break;
        case CellEditor::kTone:
            if (presenter.EditorSelection() >= 0)
                tone_->setCurrentIndex(presenter.EditorSelection());
            else
                tone_->setEditText(text);
            break;
        case CellEditor::kList: {
            const QSignalBlocker block(list_);
            list_->clear();
            // The entry shows in the user's language; the presenter gets its
            // own text back.
            for (const std::string& item : presenter.EditorItems())
                list_->addItem(FieldText(item), ToQt(item));
            list_->setCurrentIndex(presenter.EditorSelection());
            break;
        }
        case CellEditor::kNone:
            break;
    }
}

void ChannelCellEditors::CopyTextTo(ChannelTablePresenter& presenter) const {
    const Editor* open = Open(presenter);
    if (!open) return;
    if (open->line)
        presenter.SetEditorText(open->line->text().toStdString());
    else
        presenter.SetEditorText(list_->currentIndex() < 0
                                    ? std::string()
                                    : list_->currentData().toString().toStdString());
}
