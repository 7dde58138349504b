// Translation: the messages core builds are English; the desktop program
// shows them in the user's language. It installs a translator once at
// start-up, before any thread runs; dpmrtool installs none and stays English
// (scripts read its output). Message sites write
//   Fill(Tr("link", "Cannot open %1: %2"), {path, reason})
// so that the translation can move the values; the texts are collected for
// the translators by lupdate, which reads Tr(context, text) as translate().
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

namespace dpmr {

using TranslateFn = std::string (*)(const char* context, const char* source);

// The translator the desktop program uses; nullptr: English again.
void InstallTranslator(TranslateFn translate);

// `source` in the user's language (as it is when no translator is installed
// or the translation has no entry for it).
std::string Tr(const char* context, const char* source);

// `pattern` with %1..%9 replaced by the arguments, in one pass: a "%2" inside
// an argument stays as it is. A %N without an argument is kept.
std::string Fill(std::string_view pattern, std::initializer_list<std::string_view> args);

}  // namespace dpmr

// A text for a table that is translated where it is shown (Tr at that
// point); lupdate reads it as QT_TRANSLATE_NOOP.
#define DPMR_TR_NOOP(context, text) text
