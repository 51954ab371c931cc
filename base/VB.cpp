#include "base/VB.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdlib>

double Val(const std::string& s) {
  size_t i = 0;
  while (i < s.size() && (s[i] == ' ' || s[i] == '\t')) ++i;
  size_t start = i;
  if (i < s.size() && (s[i] == '-' || s[i] == '+')) ++i;
  bool digits = false;
  while (i < s.size() && std::isdigit(static_cast<unsigned char>(s[i]))) { ++i; digits = true; }
  if (i < s.size() && s[i] == '.') {
    ++i;
    while (i < s.size() && std::isdigit(static_cast<unsigned char>(s[i]))) { ++i; digits = true; }
  }
  if (!digits) return 0.0;
  if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
    size_t j = i + 1;
    if (j < s.size() && (s[j] == '-' || s[j] == '+')) ++j;
    if (j < s.size() && std::isdigit(static_cast<unsigned char>(s[j]))) {
      while (j < s.size() && std::isdigit(static_cast<unsigned char>(s[j]))) ++j;
      i = j;
    }
  }
  double out = 0.0;
  // from_chars ignores the locale, unlike strtod.
  std::string num = s.substr(start, i - start);
  if (!num.empty() && num[0] == '+') num.erase(0, 1);
  std::from_chars(num.data(), num.data() + num.size(), out);
  return out;
}

bool IsNumeric(const std::string& s) {
  std::string t = Trim(s);
  if (t.empty()) return false;
  const char* b = t.data();
  if (*b == '+') ++b;
  // Words like "inf" or "nan" are not numbers to a player.
  for (const char* q = b; q < t.data() + t.size(); ++q)
    if (std::isalpha(static_cast<unsigned char>(*q)) && *q != 'e' && *q != 'E') return false;
  double out;
  auto [p, ec] = std::from_chars(b, t.data() + t.size(), out);
  return ec == std::errc() && p == t.data() + t.size();
}

double RoundHalfEven(double v) { return std::nearbyint(v); }  // default rounding mode is to even

std::optional<int16_t> ToInt16(double v) {
  double r = RoundHalfEven(v);
  if (!std::isfinite(r) || r < -32768.0 || r > 32767.0) return std::nullopt;
  return static_cast<int16_t>(r);
}

std::string Trim(const std::string& s) {
  size_t b = s.find_first_not_of(' ');
  if (b == std::string::npos) return "";
  size_t e = s.find_last_not_of(' ');
  return s.substr(b, e - b + 1);
}

std::string UCase(const std::string& s) {
  std::string out = s;
  for (char& c : out) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return out;
}

std::string LCase(const std::string& s) {
  std::string out = s;
  for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return out;
}

std::string FloatToText(float v) {
  char buf[64];
  auto [p, ec] = std::to_chars(buf, buf + sizeof buf, v);
  return ec == std::errc() ? std::string(buf, p) : std::string("0");
}
