#pragma once
// The line-record text format of the settings and saved-game files: fields
// separated by commas, records ended by CR LF, strings in double quotes,
// Booleans as #TRUE#/#FALSE#, numbers with a period whatever the locale.
#include <cstdint>
#include <optional>
#include <string>

class RecordWriter {
 public:
  RecordWriter& Int(int32_t v);
  RecordWriter& Float(float v);
  RecordWriter& Str(const std::string& v);
  RecordWriter& Bool(bool v);
  RecordWriter& EndRecord();
  const std::string& text() const { return out; }

 private:
  std::string out;
  bool first = true;
  void sep();
};

// Reads fields one after another, whatever lines they stand on.
class RecordReader {
 public:
  explicit RecordReader(std::string text) : in(std::move(text)) {}
  // The next raw field, quotes removed; nullopt at the end of the text.
  std::optional<std::string> Field();
  std::optional<int16_t> Int16();
  std::optional<int32_t> Int32();
  std::optional<float> Float();
  std::optional<bool> Bool();
  std::optional<std::string> Str();

 private:
  std::string in;
  size_t pos = 0;
  bool lastQuoted = false;
};
