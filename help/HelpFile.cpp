#include "help/HelpFile.h"

#include "base/Files.h"
#include "base/Translate.h"

#include <algorithm>

#include <QStringDecoder>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace helpfile {

namespace {

// Bytes 0x80 to 0x9F of Windows-1252; the rest of the code page is Latin-1.
// The five holes stay as their control characters.
constexpr char16_t kCp1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

QString FromWindows1252(const std::string& bytes) {
  QString out;
  out.reserve(static_cast<qsizetype>(bytes.size()));
  for (unsigned char b : bytes) out += QChar(b >= 0x80 && b < 0xA0 ? kCp1252High[b - 0x80] : char16_t(b));
  return out;
}

}  // namespace

std::string Localized(const std::string& path) {
  const std::filesystem::path p(path);
  std::string tag = i18n::Language();
  std::replace(tag.begin(), tag.end(), '-', '_');
  // "pt_BR", then "pt".
  for (std::string lang = tag; lang != "en" && !lang.empty();) {
    const std::string name = p.stem().string() + "_" + lang + p.extension().string();
    if (auto found = FindFileNoCase(p.parent_path(), name)) return found->string();
    const size_t cut = lang.rfind('_');
    lang = cut == std::string::npos ? std::string() : lang.substr(0, cut);
  }
  return path;
}

QStringList ReadLines(const std::string& requested, int& error) {
  error = 0;
  std::error_code ec;
  // Help files were named in any letter case: FooHelp finds Foo.txt.
  const std::string path = ResolvePathNoCase(requested).string();
  if (!std::filesystem::is_regular_file(path, ec)) {
    error = std::filesystem::exists(path, ec) ? FileAccess : FileNotFound;
    return {};
  }
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    error = FileAccess;
    return {};
  }
  std::ostringstream ss;
  ss << in.rdbuf();
  if (in.bad()) {
    error = FileAccess;
    return {};
  }
  const std::string bytes = ss.str();

  QStringDecoder utf8(QStringDecoder::Utf8);
  QString text = utf8(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
  if (utf8.hasError()) text = FromWindows1252(bytes);

  QStringList lines;
  qsizetype start = 0;
  const qsizetype n = text.size();
  for (qsizetype i = 0; i < n; ++i) {
    const QChar c = text[i];
    if (c != u'\r' && c != u'\n') continue;
    lines.append(text.mid(start, i - start));
    if (c == u'\r' && i + 1 < n && text[i + 1] == u'\n') ++i;
    start = i + 1;
    if (lines.size() > MaxFileLines) {
      error = Overflow;
      return {};
    }
  }
  if (start < n) lines.append(text.mid(start));
  if (lines.size() > MaxFileLines) {
    error = Overflow;
    return {};
  }
  return lines;
}

}  // namespace helpfile

int HelpIndex::Load(const std::string& path) {
  IndexCount = 0;
  IndexTitle.clear();
  IndexLine.clear();
  int error = 0;
  const QStringList lines = helpfile::ReadLines(path, error);
  if (error) return error;
  for (qsizetype i = 0; i < lines.size(); ++i) {
    const QString& line = lines[i];
    if (!line.startsWith(u'+')) continue;
    if (IndexCount >= helpfile::MaxIndexLines) {
      IndexCount = 0;
      IndexTitle.clear();
      IndexLine.clear();
      return helpfile::SubscriptRange;
    }
    ++IndexCount;
    if (line.startsWith(u"++")) {
      IndexLine.push_back(static_cast<int16_t>(i + 1));
      IndexTitle.push_back(line.mid(2));
    } else {
      IndexLine.push_back(0);
      IndexTitle.push_back(line.mid(1));
    }
  }
  return 0;
}

int16_t OutlineLevel(const QString& title) {
  int16_t level = 0;
  for (QChar c : title) {
    if (c == u' ') break;
    if (c == u'.') ++level;
  }
  return level;
}

QString FirstWord(const QString& title) {
  const qsizetype space = title.indexOf(u' ');
  return space < 0 ? title : title.left(space);
}

bool MatchesPrefix(const QString& title, const QString& prefix) {
  if (prefix.isEmpty()) return true;
  const qsizetype n = prefix.size();
  if (title.size() <= n) return false;
  const QChar next = title[n];
  if (next != u' ' && next != u'.') return false;
  return title.left(n) == prefix;
}

bool ParentPrefix(const QString& title, QString& prefix) {
  qsizetype from = title.indexOf(u' ');
  // A title without a space is all outline number.
  if (from < 0) from = title.size();
  int periods = 0;
  for (qsizetype i = from - 1; i >= 1; --i) {
    if (title[i] == u'.' && ++periods == 2) {
      prefix = title.left(i);
      return true;
    }
  }
  return false;
}

bool ReadTopic(const std::string& path, int lineNumber, QString& text) {
  text.clear();
  int error = 0;
  const QStringList lines = helpfile::ReadLines(path, error);
  if (error) return false;
  for (qsizetype i = lineNumber; i < lines.size(); ++i) {
    if (lines[i].startsWith(u'+')) break;
    // The pane's own line break; each line keeps its trailing space.
    text += lines[i] + u' ' + u'\n';
  }
  return true;
}
