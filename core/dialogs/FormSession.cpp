// Steps through the settings dialogs as a user would.
#include "dialogs/FormSession.h"

#include <utility>

#include "form/FieldKinds.h"
#include "util/PlainText.h"
#include "util/Translation.h"

namespace dpmr::form {

std::optional<Step> ParseStep(std::string_view text) {
    Step step;
    if (const std::size_t eq = text.find('='); eq != std::string_view::npos) {
        std::string_view key = text.substr(0, eq);
        step.action = Step::Action::kSet;
        if (!key.empty() && key.back() == '~') {
            key.remove_suffix(1);
            step.action = Step::Action::kType;
        }
        step.key = std::string(key);
        step.text = std::string(text.substr(eq + 1));
    } else if (text.size() > 2 && (text.ends_with("++") || text.ends_with("--"))) {
        step.key = std::string(text.substr(0, text.size() - 2));
        step.action = text.ends_with("++") ? Step::Action::kSpinUp : Step::Action::kSpinDown;
    } else {
        return std::nullopt;
    }
    if (step.key.empty()) return std::nullopt;
    return step;
}

Status ExpandChannelRange(const Step& step, std::vector<Step>& steps) {
    steps.clear();
    constexpr std::string_view kPrefix = "channel";
    const std::string_view key = step.key;
    const std::size_t dot = key.find('.');
    const std::string_view head = key.substr(0, dot);
    const std::size_t dash = head.find('-');
    if (!head.starts_with(kPrefix) || dash == std::string_view::npos ||
        dot == std::string_view::npos) {
        steps.push_back(step);
        return Status::Ok();
    }
    const auto number = [](std::string_view digits) -> std::optional<int> {
        if (digits.empty() || digits.size() > 2) return std::nullopt;
        int n = 0;
        for (char c : digits) {
            if (c < '0' || c > '9') return std::nullopt;
            n = n * 10 + (c - '0');
        }
        return n;
    };
    const auto first = number(head.substr(kPrefix.size(), dash - kPrefix.size()));
    const auto last = number(head.substr(dash + 1));
    if (!first || !last || *first < 1 || *last > 16 || *first > *last)
        return Status::Error(
            Fill(Tr("dialogs", "channel range %1 is not channelA-B with 1 <= A <= B <= 16"),
                 {QuoteInput(head)}));
    for (int n = *first; n <= *last; ++n) {
        Step one = step;
        one.key = std::string(kPrefix) + std::to_string(n) + std::string(key.substr(dot));
        steps.push_back(std::move(one));
    }
    return Status::Ok();
}

FormSession::FormSession(RadioImage& image, bool serviceAllowed, PageContext context)
    : image_(image), serviceAllowed_(serviceAllowed), context_(std::move(context)) {}

FormSession::~FormSession() = default;

void FormSession::Open(const DialogDecl& dialog) {
    Finish();
    open_ = std::make_unique<FormDialog>(dialog, image_, context_);
    openDecl_ = &dialog;
}

void FormSession::Finish() {
    if (open_) open_->Close();
    open_.reset();
    openDecl_ = nullptr;
}

std::vector<std::string> FormSession::Corrections() const {
    std::vector<std::string> notes;
    for (const auto& [ref, text] : given_) {
        // What the control shows when its dialog opens again, as `get`
        // prints it; opened on a copy, since opening may tidy the image.
        RadioImage copy = image_;
        FormDialog reopened(*ref.dialog, copy, context_);
        const FieldPage* page = reopened.FieldPageAt(ref.page);
        const auto i = static_cast<std::size_t>(ref.field);
        if (!page || i >= page->FieldCount()) continue;
        if (auto note = CorrectionNote(page->Field(i), ref.Key(), text, page->Shown(i)))
            notes.push_back(*note);
    }
    return notes;
}

namespace {

std::string Quoted(const std::string& s) {
    return "\"" + s + "\"";
}

std::string EntriesOf(const ControlState& state) {
    std::string all;
    for (const ListItem& item : state.items) all += (all.empty() ? "" : ", ") + Quoted(item.text);
    return all;
}

}  // namespace

Status EnterControlText(FieldPage& page, std::size_t i, const std::string& key,
                        const std::string& text) {
    const FieldDecl& field = page.Field(i);
    if (field.kind == FieldKind::kList) {
        const int index = FindItemText(page.State(i).items, text);
        if (index < 0)
            return Status::Error(
                Fill(Tr("dialogs", "%1 is not an entry of %2 (%3)"),
                     {QuoteInput(text), Quoted(field.label), EntriesOf(page.State(i))}));
        page.Choose(i, index);
    } else if (field.kind == FieldKind::kCheck) {
        if (text != "0" && text != "1")
            return Status::Error(
                Fill(Tr("dialogs", "%1 (%2) takes 0 or 1"), {Quoted(key), field.label}));
        page.Check(i, text == "1");
    } else {
        page.Type(i, text);
    }
    return Status::Ok();
}

Status FormSession::Apply(const Step& step) {
    const std::optional<FieldRef> ref = FindField(step.key);
    if (!ref)
        return Status::Error(
            Fill(Tr("dialogs", "unknown key %1 (see dpmrtool fields)"), {QuoteInput(step.key)}));
    if (ref->dialog->service && !serviceAllowed_)
        return Status::Error(Fill(Tr("dialogs",
                                     "%1 is a factory value of the radio (service "
                                     "dialog %2); add --service to change it"),
                                  {Quoted(step.key), Quoted(ref->dialog->caption)}));
    if (openDecl_ != ref->dialog) Open(*ref->dialog);
    open_->SelectPage(ref->page);
    FieldPage* page = open_->FieldPageAt(ref->page);
    const auto i = static_cast<std::size_t>(ref->field);
    // A page whose fields follow the image (the squelch rows follow the band)
    // may show fewer than its table lists.
    if (i >= page->FieldCount())
        return Status::Error(Fill(Tr("dialogs",
                                     "%1 is not shown by %2 for this image (see "
                                     "dpmrtool fields FILE.dat)"),
                                  {Quoted(step.key), Quoted(ref->dialog->caption)}));
    const FieldDecl& field = page->Field(i);
    if (!page->State(i).enabled) {
        const std::string why = page->WhyDisabled(i);
        return Status::Error(
            why.empty() ? Fill(Tr("dialogs", "%1 (%2) is greyed out in %3"),
                               {Quoted(step.key), field.label, Quoted(ref->dialog->caption)})
                        : Fill(Tr("dialogs", "%1 (%2) is greyed out in %3: %4"),
                               {Quoted(step.key), field.label, Quoted(ref->dialog->caption), why}));
    }

    switch (step.action) {
        case Step::Action::kSpinUp:
        case Step::Action::kSpinDown:
            if (!field.HasSpin())
                return Status::Error(
                    Fill(Tr("dialogs", "%1 (%2) has no spin"), {Quoted(step.key), field.label}));
            page->FocusIn(i);
            page->Spin(i, step.action == Step::Action::kSpinUp ? 1 : -1);
            // A value spun to was never given as a text.
            std::erase_if(given_, [&](const auto& g) { return g.first.Key() == ref->Key(); });
            return Status::Ok();
        case Step::Action::kSet:
        case Step::Action::kType:
            break;
    }

    page->FocusIn(i);
    if (Status s = EnterControlText(*page, i, step.key, step.text); !s) return s;
    std::erase_if(given_, [&](const auto& g) { return g.first.Key() == ref->Key(); });
    given_.emplace_back(*ref, step.text);
    if (step.action == Step::Action::kSet) page->FocusOut(i);
    return Status::Ok();
}

}  // namespace dpmr::form
