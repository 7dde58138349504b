// Core messages under a translator that moves their values: each value must
// land in its own %N place, whatever order the translation puts them in.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "codec/ToneCodec.h"
#include "config/AppSettings.h"
#include "dpmr/ContactCsv.h"
#include "image/Document.h"
#include "image/RadioImage.h"
#include "interchange/CodeplugYaml.h"
#include "util/Csv.h"
#include "util/Translation.h"

namespace {

// A text without places comes back marked; a text with places comes back as
// its places alone, the highest first, each in brackets.
std::string Reversed(const char* /*context*/, const char* source) {
    const std::string text(source);
    bool used[10] = {};
    for (std::size_t k = 0; k + 1 < text.size(); ++k)
        if (text[k] == '%' && text[k + 1] >= '1' && text[k + 1] <= '9')
            used[text[k + 1] - '0'] = true;
    std::string out;
    for (int n = 9; n >= 1; --n)
        if (used[n]) out += "<%" + std::to_string(n) + ">";
    return out.empty() ? "T(" + text + ")" : out;
}

struct TranslatorGuard {
    TranslatorGuard() { dpmr::InstallTranslator(&Reversed); }
    ~TranslatorGuard() { dpmr::InstallTranslator(nullptr); }
};

TEST(TranslatedMessages, EachValueKeepsItsPlaceWhenTheTranslationReordersThem) {
    struct Case {
        const char* what;
        std::function<std::string()> message;
        std::string translated;
    };
    const Case cases[] = {
        {"a file that cannot be opened",
         [] {
             dpmr::RadioImage image;
             return dpmr::LoadImageFile("/nonexistent-folder/radio.dat", image).message();
         },
         "<No such file or directory></nonexistent-folder/radio.dat>"},
        {"a file too large for a radio file",
         [] { return dpmr::NotARadioFileMessage("/tmp/big.dat", 20000); },
         "<16384><20000></tmp/big.dat>"},
        {"a CSV fault with its line",
         [] {
             std::vector<dpmr::CsvRecord> records;
             return dpmr::ParseCsv("a,b\n\"open", records).message();
         },
         "<T(a quoted field is not closed)><2>"},
        {"a contact name given twice, inside a line's message",
         [] {
             dpmr::RadioImage image;
             return dpmr::ImportContactsCsv(image,
                                            "Name,Number,Type\nA,1,Single call\nA,2,Single call\n")
                 .message();
         },
         "<<2><\"A\">><3>"},
        {"a typed DCS code with 8 in it, and the tone it could be",
         [] { return dpmr::TakeTypedTone("88").notice; }, "<88.0><88>"},
        {"a codeplug of another format, with the place of the fault",
         [] {
             dpmr::RadioImage image;
             return dpmr::CodeplugFromYaml("format: 2\n", dpmr::AppSettings{}, image).message();
         },
         "<<1><\"2\">><9><1>"},
    };
    const TranslatorGuard translator;
    for (const Case& c : cases) EXPECT_EQ(c.message(), c.translated) << c.what;
}

}  // namespace
