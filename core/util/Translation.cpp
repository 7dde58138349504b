// Translation: the hook through which core messages reach the user's language.
#include "util/Translation.h"

#include <atomic>
#include <vector>

namespace dpmr {

namespace {
std::atomic<TranslateFn> g_translate{nullptr};
}

void InstallTranslator(TranslateFn translate) {
    g_translate.store(translate);
}

std::string Tr(const char* context, const char* source) {
    const TranslateFn translate = g_translate.load();
    return translate != nullptr ? translate(context, source) : std::string(source);
}

std::string Fill(std::string_view pattern, std::initializer_list<std::string_view> args) {
    const std::vector<std::string_view> values(args);
    std::string out;
    out.reserve(pattern.size() + 16);
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char c = pattern[i];
        if (c == '%' && i + 1 < pattern.size() && pattern[i + 1] >= '1' && pattern[i + 1] <= '9') {
            const auto n = static_cast<std::size_t>(pattern[i + 1] - '1');
            if (n < values.size()) {
                out.append(values[n]);
                ++i;
                continue;
            }
        }
        out.push_back(c);
    }
    return out;
}

}  // namespace dpmr
