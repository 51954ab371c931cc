#include "core/Records.h"

#include "base/VB.h"

#include <cmath>

void RecordWriter::sep() {
  if (!first) out += ',';
  first = false;
}
RecordWriter& RecordWriter::Int(int32_t v) { sep(); out += std::to_string(v); return *this; }
RecordWriter& RecordWriter::Float(float v) { sep(); out += FloatToText(v); return *this; }
RecordWriter& RecordWriter::Str(const std::string& v) { sep(); out += '"' + v + '"'; return *this; }
RecordWriter& RecordWriter::Bool(bool v) { sep(); out += v ? "#TRUE#" : "#FALSE#"; return *this; }
RecordWriter& RecordWriter::EndRecord() { out += "\r\n"; first = true; return *this; }

std::optional<std::string> RecordReader::Field() {
  // Skip the line ends and blanks between fields.
  while (pos < in.size() && (in[pos] == '\r' || in[pos] == '\n' || in[pos] == ' ' || in[pos] == '\t')) ++pos;
  if (pos >= in.size()) return std::nullopt;
  std::string field;
  lastQuoted = in[pos] == '"';
  if (lastQuoted) {
    size_t close = in.find('"', pos + 1);
    if (close == std::string::npos) {
      field = in.substr(pos + 1);
      pos = in.size();
      return field;
    }
    field = in.substr(pos + 1, close - pos - 1);
    pos = close + 1;
    while (pos < in.size() && in[pos] != ',' && in[pos] != '\r' && in[pos] != '\n') ++pos;
  } else {
    size_t end = pos;
    while (end < in.size() && in[end] != ',' && in[end] != '\r' && in[end] != '\n') ++end;
    field = Trim(in.substr(pos, end - pos));
    pos = end;
  }
  if (pos < in.size() && in[pos] == ',') ++pos;
  return field;
}

namespace {
std::optional<double> number(const std::optional<std::string>& f) {
  if (!f || !IsNumeric(*f)) return std::nullopt;
  return Val(Trim(*f));
}
}  // namespace

std::optional<int16_t> RecordReader::Int16() {
  auto v = number(Field());
  if (!v) return std::nullopt;
  return ToInt16(*v);
}

std::optional<int32_t> RecordReader::Int32() {
  auto v = number(Field());
  if (!v) return std::nullopt;
  double r = RoundHalfEven(*v);
  if (r < -2147483648.0 || r > 2147483647.0) return std::nullopt;
  return static_cast<int32_t>(r);
}

std::optional<float> RecordReader::Float() {
  auto v = number(Field());
  if (!v || !std::isfinite(*v)) return std::nullopt;
  return static_cast<float>(*v);
}

std::optional<bool> RecordReader::Bool() {
  auto f = Field();
  if (!f) return std::nullopt;
  std::string u = UCase(*f);
  if (u == "#TRUE#" || u == "TRUE") return true;
  if (u == "#FALSE#" || u == "FALSE") return false;
  if (IsNumeric(u)) return Val(u) != 0;
  return std::nullopt;
}

std::optional<std::string> RecordReader::Str() { return Field(); }
