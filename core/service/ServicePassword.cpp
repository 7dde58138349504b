// The service password and its comparison.
#include "service/ServicePassword.h"

#include <algorithm>

namespace dpmr {

namespace {

constexpr std::string_view kServicePassword = "463RTV";

char FoldAscii(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

}  // namespace

bool IsServicePassword(std::string_view typed) {
    return typed.size() == kServicePassword.size() &&
           std::equal(typed.begin(), typed.end(), kServicePassword.begin(),
                      [](char a, char b) { return FoldAscii(a) == FoldAscii(b); });
}

}  // namespace dpmr
