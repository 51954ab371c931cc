#pragma once
// The program's texts in the player's language. A text is marked where it is
// written, Tr("Context", "English source") or, where only the source can
// stand (a table), TrNoop and a Tr at the place of use; lupdate finds both
// (the build names them to it). English is the source; the program hands in
// Qt's translator, and without one every text is its source.
#include <initializer_list>
#include <string>

#define TrNoop(context, source) source

namespace i18n {
using Lookup = std::string (*)(const char* context, const char* source);
void SetLookup(Lookup lookup);
// The player's language as a BCP 47 tag ("de", "pt-BR"); "en" until set.
void SetLanguage(const std::string& tag);
const std::string& Language();
}  // namespace i18n

// The translation of `source` in `context`, or `source` itself.
std::string Tr(const char* context, const char* source);
// `text` with %1, %2 … (up to %9) replaced by `args` in order.
std::string Fill(const std::string& text, std::initializer_list<std::string> args);
