#include "base/Translate.h"

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

std::string Tr(const char* context, const char* source) { return lookup ? lookup(context, source) : std::string(source); }

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
