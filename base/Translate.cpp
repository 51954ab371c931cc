#include "base/Translate.h"

#include <cmath>
#include <vector>

namespace {
i18n::Lookup lookup = nullptr;
std::string& language() {
  static std::string tag = "en";
  return tag;
}
}  // namespace

void i18n::SetLookup(Lookup l) { lookup = l; }
void i18n::SetLanguage(const std::string& tag) { language() = tag.empty() ? "en" : tag; }
const std::string& i18n::Language() { return language(); }

std::string Tr(const char* context, const char* source) {
  std::string out;
  return lookup && lookup(context, source, nullptr, -1, out) ? out : std::string(source);
}

std::string Tr(const char* context, const char* source, const char* comment, const Count& count) {
  const int whole = static_cast<int>(std::floor(std::fabs(count.value)));
  std::string out;
  if (!lookup || !lookup(context, source, comment, whole, out)) {
    out = source;
    for (size_t at; (at = out.find("(s)")) != std::string::npos;) out.replace(at, 3, count.value == 1 ? "" : "s");
  }
  const std::string said = count.number.empty() ? std::to_string(whole) : count.number;
  for (size_t at = 0; (at = out.find("%n", at)) != std::string::npos; at += said.size()) out.replace(at, 2, said);
  return out;
}

std::string Fill(const std::string& text, std::initializer_list<std::string> args) {
  const std::vector<std::string> values(args);
  std::string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    const char next = i + 1 < text.size() ? text[i + 1] : '\0';
    const size_t n = static_cast<size_t>(next - '1');
    if (text[i] == '%' && next >= '1' && next <= '9' && n < values.size()) {
      out += values[n];
      ++i;
    } else {
      out += text[i];
    }
  }
  return out;
}
