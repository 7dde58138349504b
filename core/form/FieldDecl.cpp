// Builders and modifiers for the field tables.
#include "form/FieldDecl.h"

#include <utility>

namespace dpmr::form {

const char* KindName(FieldKind kind) {
    switch (kind) {
        case FieldKind::kList:
            return "list";
        case FieldKind::kNumber:
            return "number";
        case FieldKind::kCheck:
            return "check";
        case FieldKind::kText:
            return "text";
        case FieldKind::kDigits:
            return "digits";
        case FieldKind::kHex:
            return "hex";
        case FieldKind::kFrequency:
            return "freq";
        case FieldKind::kTone:
            return "tone";
    }
    return "?";
}

FieldDecl FieldDecl::InGroup(std::string g) const {
    FieldDecl f = *this;
    f.group = std::move(g);
    return f;
}

FieldDecl FieldDecl::Hidden() const {
    FieldDecl f = *this;
    f.hidden = true;
    return f;
}

FieldDecl FieldDecl::Help(std::string h) const {
    FieldDecl f = *this;
    f.help = std::move(h);
    return f;
}

FieldDecl FieldDecl::Limit(std::size_t n) const {
    FieldDecl f = *this;
    f.limit = n;
    return f;
}

FieldDecl FieldDecl::Note(std::string n) const {
    FieldDecl f = *this;
    f.note = std::move(n);
    return f;
}

FieldDecl FieldDecl::StoredOnlyWhenChanged() const {
    FieldDecl f = *this;
    f.storedOnlyWhenChanged = true;
    return f;
}

namespace {

FieldDecl Base(std::string key, std::string label, FieldKind kind, Location at) {
    FieldDecl f;
    f.key = std::move(key);
    f.label = std::move(label);
    f.kind = kind;
    f.at = at;
    return f;
}

}  // namespace

FieldDecl List(std::string key, std::string label, Location at, std::vector<std::string> items,
               int loadFallback, int storeNone) {
    return CodedList(std::move(key), std::move(label), at, std::move(items), {}, loadFallback,
                     storeNone);
}

FieldDecl CodedList(std::string key, std::string label, Location at, std::vector<std::string> items,
                    std::vector<int> codes, int loadFallback, int storeNone) {
    FieldDecl f = Base(std::move(key), std::move(label), FieldKind::kList, at);
    f.list.items = std::move(items);
    f.list.codes = std::move(codes);
    f.list.loadFallback = loadFallback;
    f.list.storeNone = storeNone;
    return f;
}

FieldDecl Check(std::string key, std::string label, Location at) {
    return Base(std::move(key), std::move(label), FieldKind::kCheck, at);
}

FieldDecl Number(std::string key, std::string label, Location at, NumberRule rule,
                 std::size_t limit) {
    FieldDecl f = Base(std::move(key), std::move(label), FieldKind::kNumber, at);
    f.number = std::move(rule);
    f.limit = limit;
    return f;
}

FieldDecl Text(std::string key, std::string label, Location at, std::size_t limit) {
    FieldDecl f = Base(std::move(key), std::move(label), FieldKind::kText, at);
    f.limit = limit;
    return f;
}

FieldDecl Digits(std::string key, std::string label, Location at, std::size_t limit,
                 StringRule rule) {
    FieldDecl f = Base(std::move(key), std::move(label), FieldKind::kDigits, at);
    f.string = std::move(rule);
    f.limit = limit;
    return f;
}

FieldDecl Hex(std::string key, std::string label, Location at, unsigned emptyStores) {
    FieldDecl f = Base(std::move(key), std::move(label), FieldKind::kHex, at);
    f.string.alphabet = Alphabet::kHex;
    f.string.upper = true;
    f.string.emptyStores = emptyStores;
    f.limit = at.size * 2;
    return f;
}

FieldDecl Frequency(std::string key, std::string label, Location at, std::size_t limit) {
    FieldDecl f = Base(std::move(key), std::move(label), FieldKind::kFrequency, at);
    f.string.alphabet = Alphabet::kDecimal;
    f.limit = limit;
    return f;
}

FieldDecl Tone(std::string key, std::string label, Location at) {
    return Base(std::move(key), std::move(label), FieldKind::kTone, at);
}

PageDecl AtRecord(const PageDecl& record, std::string key, std::string caption, std::size_t base) {
    PageDecl page{std::move(key), std::move(caption), record.fields};
    for (FieldDecl& f : page.fields)
        if (f.at.size != 0) f.at.offset += base;
    return page;
}

std::vector<std::string> NumberTexts(int first, int last, int step) {
    std::vector<std::string> texts;
    for (int v = first; v <= last; v += step) texts.push_back(std::to_string(v));
    return texts;
}

}  // namespace dpmr::form
