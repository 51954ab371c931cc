#include "core/Progress.h"

#include "core/Records.h"
#include "core/Rules.h"
#include "core/Settings.h"

#include "base/Files.h"

#include <algorithm>
#include <cstdio>
#include <optional>
#include <vector>

namespace {
const char* const FileName = "Progress.dat";
const char* const Header = "Music Tunzle progress";
constexpr int32_t Version = 1;

std::string filePath(const std::string& folder) {
  auto found = FindFileNoCase(folder, FileName);
  return found ? found->string() : folder + FileName;
}

std::vector<std::string> lines(const std::string& text) {
  std::vector<std::string> out;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    out.push_back(text.substr(start, end - start));
    start = end + 1;
  }
  return out;
}

bool isFingerprint(const std::string& s) {
  return s.size() == 16 && std::all_of(s.begin(), s.end(), [](char c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f'); });
}
}  // namespace

void PlayTime::Start(double now, double already) {
  before = already;
  since = now;
  running = true;
}

void PlayTime::Hold(double now) {
  if (holds++ == 0 && running) before += now - since;
}

void PlayTime::Release(double now) {
  if (holds == 0) return;
  if (--holds == 0) since = now;
}

void PlayTime::Stop(double now) {
  before = Seconds(now);
  running = false;
}

double PlayTime::Seconds(double now) const {
  // A clock that went back would make time run backwards; it never does for the steady clock.
  return running && holds == 0 ? before + std::max(0.0, now - since) : before;
}

std::string Fingerprint(const std::string& bytes) {
  // FNV-1a, 64 bits: enough to tell a saved game from the next.
  uint64_t h = 1469598103934665603ull;
  for (unsigned char c : bytes) {
    h ^= c;
    h *= 1099511628211ull;
  }
  char buf[17];
  std::snprintf(buf, sizeof buf, "%016llx", static_cast<unsigned long long>(h));
  return buf;
}

Progress ParseProgress(const std::string& text) {
  Progress p;
  const std::vector<std::string> records = lines(text);
  if (records.empty()) return p;
  RecordReader head(records[0]);
  auto title = head.Str();
  auto version = head.Int32();
  if (!title || *title != Header || version != Version) return p;
  bool gameSeen = false;
  for (size_t i = 1; i < records.size(); ++i) {
    RecordReader r(records[i]);
    const auto kind = r.Str();
    if (kind == "game" && !gameSeen) {
      auto print = r.Str();
      auto moves = r.Int32(), seconds = r.Int32();
      if (!print || !isFingerprint(*print) || !moves || !seconds || *moves < 0 || *seconds < 0) continue;
      gameSeen = true;
      p.savedGame = *print;
      p.moves = *moves;
      p.seconds = *seconds;
    } else if (kind == "best") {
      auto size = r.Int16();
      auto length = r.Float();
      auto moves = r.Int32(), seconds = r.Int32();
      if (!size || !length || !moves || !seconds) continue;
      if (*size < rules::SmallestBoard || *size > rules::LargestBoard) continue;
      if (!(*length >= rules::ShortestTile && *length <= rules::LongestTile)) continue;
      if (*moves < 1 || *seconds < 0) continue;
      // The same size and length twice: the better of each.
      const BestKey key{*size, *length};
      auto [it, fresh] = p.best.try_emplace(key, Best{*moves, *seconds});
      if (!fresh) it->second = {std::min(it->second.moves, *moves), std::min(it->second.seconds, *seconds)};
    }
    // Any other record is a later version's: left out, the rest still counts.
  }
  return p;
}

std::string ProgressText(const Progress& p) {
  RecordWriter w;
  w.Str(Header).Int(Version).EndRecord();
  if (!p.savedGame.empty()) w.Str("game").Str(p.savedGame).Int(p.moves).Int(p.seconds).EndRecord();
  for (const auto& [key, best] : p.best)
    w.Str("best").Int(key.size).Float(key.tileLength).Int(best.moves).Int(best.seconds).EndRecord();
  return w.text();
}

Progress LoadProgress(const std::string& playerFolder) {
  if (!UsablePlayerFolder(playerFolder)) return {};
  auto text = ReadWholeFile(filePath(playerFolder));
  return text ? ParseProgress(*text) : Progress{};
}

bool SaveProgress(const std::string& playerFolder, const Progress& p) {
  if (!UsablePlayerFolder(playerFolder)) return false;
  return WriteFileAtomic(filePath(playerFolder), ProgressText(p));
}
