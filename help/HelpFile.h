#pragma once
// The help text file: "+" heading lines, "++" topic lines and text lines.
// The first word of a title is its outline number; its periods give the level.
#include <QString>
#include <QStringList>
#include <cstdint>
#include <string>
#include <vector>

namespace helpfile {

constexpr int MaxIndexLines = 200;
constexpr int MaxFileLines = 32767;

// Numeric codes of the loading errors, as the message shows them.
enum : int {
  Overflow = 6,          // more lines than a 16-bit counter holds
  SubscriptRange = 9,    // a 201st index line
  FileNotFound = 53,
  FileAccess = 75,
};

// Reads the file's lines (CR LF, LF or CR ends a line). Text that is valid
// UTF-8 is taken as such, anything else as 8-bit Latin-1. `error` is 0 on
// success, else one of the codes above.
QStringList ReadLines(const std::string& path, int& error);

// The help file in the player's language where there is one ("MT_de.TXT" or
// "MT_pt_BR.TXT" beside "MT.TXT"), else `path` itself.
std::string Localized(const std::string& path);

}  // namespace helpfile

// Everything the index needs from the file, read once when the viewer opens.
struct HelpIndex {
  int16_t IndexCount = 0;
  std::vector<QString> IndexTitle;  // without the "+" or "++"
  std::vector<int16_t> IndexLine;   // 1-based line of a topic's "++" line; 0 for a heading

  // 0 on success, else the error code; a failed load leaves an empty index.
  int Load(const std::string& path);
};

// Periods in the title's first word.
int16_t OutlineLevel(const QString& title);
// Everything up to the first space (the whole title when it has none).
QString FirstWord(const QString& title);
// Whether `title` is listed under the heading whose first word is `prefix`:
// it must begin with the prefix followed by a period or a space. An empty
// prefix takes everything.
bool MatchesPrefix(const QString& title, const QString& prefix);
// The first word of the heading one level above the list `title` stands in,
// or nothing when it cannot be found: for "2.3.1 Foo" it is "2".
bool ParentPrefix(const QString& title, QString& prefix);

// The text of the topic whose "++" line is `lineNumber`: each following line
// up to the next "+" line, with a space and a line break after each.
// False when the file cannot be read.
bool ReadTopic(const std::string& path, int lineNumber, QString& text);
