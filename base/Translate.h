#pragma once
// The program's texts in the player's language. A text is marked where it is
// written, Tr("Context", "English source") or, where only the source can
// stand (a table), TrNoop and a Tr at the place of use; lupdate finds both
// (the build names them to it). English is the source; the program hands in
// Qt's translator, and without one every text is its source.
#include <initializer_list>
#include <string>
#include <utility>

#define TrNoop(context, source) source

namespace i18n {
// The catalogue's text for `source` (the form for count `n`, -1 for no
// count) into `out`; false where it has none.
using Lookup = bool (*)(const char* context, const char* source, const char* comment, int n, std::string& out);
void SetLookup(Lookup lookup);
// The player's language as a BCP 47 tag ("de", "pt-BR"); "en" until set.
void SetLanguage(const std::string& tag);
const std::string& Language();
}  // namespace i18n

// The translation of `source` in `context`, or `source` itself.
std::string Tr(const char* context, const char* source);
// A text with a count: `source` holds %n, said as `number` (the count's own
// digits when empty), and lupdate takes it as a numerus message, so each
// language has its plural forms by its own rule; a fraction is counted by its
// whole part (French and Russian speak of 1.5 as of 1). Without a
// translation it is English: "(s)" in the source is "s" unless the count is 1.
struct Count {
  Count(double value, std::string number = {}) : value(value), number(std::move(number)) {}
  double value;
  std::string number;
};
// Four arguments, as lupdate knows a numerus message.
std::string Tr(const char* context, const char* source, const char* comment, const Count& count);
// `text` with %1, %2 … (up to %9) replaced by `args` in order.
std::string Fill(const std::string& text, std::initializer_list<std::string> args);
