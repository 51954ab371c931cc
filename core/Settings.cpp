#include "core/Settings.h"

#include "core/Board.h"
#include "core/Records.h"

#include "base/Files.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <system_error>
#include <vector>

namespace fs = std::filesystem;

// Only an absolute folder is a player folder: an empty or relative one would
// scatter the player's files into whatever folder the program started in.
bool UsablePlayerFolder(const std::string& folder) { return !folder.empty() && fs::path(folder).is_absolute(); }

namespace {
bool usableFolder(const GameState& st) { return UsablePlayerFolder(st.PlayerFolder); }

// A file of the player folder, found in any letter case.
std::string playerFile(const GameState& st, const char* name) {
  auto found = FindFileNoCase(st.PlayerFolder, name);
  return found ? found->string() : st.PlayerFolder + name;
}
std::string configPath(const GameState& st) { return playerFile(st, "config.ini"); }
std::string volumesPath(const GameState& st) { return playerFile(st, "volumes.ini"); }
}  // namespace

void LoadSettings(GameState& st) {
  auto text = ReadWholeFile(configPath(st));
  if (!text) return;
  RecordReader r(*text);
  // Each field on its own: one that fails to read keeps its default.
  if (auto v = r.Int16()) st.SapiRate = *v;
  if (auto v = r.Int16()) st.SapiVolume = *v;
  if (auto v = r.Int16()) st.SapiVoiceNumber = *v;
  if (auto v = r.Str()) st.MusicLibraryFolder = *v;
  if (auto v = r.Int16()) {
    // A stray value would leave a player without speech and no way to ask.
    st.SpeechType = (*v == 0 || *v == 1 || *v == 3) ? *v : int16_t(-1);
  }
  if (auto v = r.Float()) st.TileDuration = (*v >= rules::ShortestTile && *v <= rules::LongestTile) ? *v : rules::DefaultTileSeconds;
  if (st.MusicLibraryFolder.empty()) st.MusicLibraryFolder = st.PlayerFolder;
  if (auto cues = ReadWholeFile(volumesPath(st))) {
    if (auto v = RecordReader(*cues).Int32()) st.CueVolume = std::clamp<int32_t>(*v, rules::VolumeFloor, rules::VolumeCeiling);
  }
}

bool SaveCueVolume(const GameState& st) {
  if (!usableFolder(st)) return false;
  RecordWriter w;
  w.Int(st.CueVolume).EndRecord();
  return WriteFileAtomic(volumesPath(st), w.text());
}

bool SaveSettings(const GameState& st) {
  if (!usableFolder(st)) return false;
  RecordWriter w;
  w.Int(st.SapiRate).Int(st.SapiVolume).Int(st.SapiVoiceNumber).Str(st.MusicLibraryFolder).Int(st.SpeechType)
      .Float(st.TileDuration).EndRecord();
  return WriteFileAtomic(configPath(st), w.text());
}

std::string SavedGamePath(const GameState& st) {
  auto found = FindFileNoCase(st.PlayerFolder, "SaveGame.gam");
  return found ? found->string() : std::string();
}

std::string SavedGameText(const GameState& st) {
  RecordWriter w;
  w.Int(st.CursorRow).Int(st.CursorColumn).Int(st.EmptyRow).Int(st.EmptyColumn).Int(st.BoardRows)
      .Int(st.BoardColumns).Float(st.TileDuration).Bool(st.AnnounceStatus).Int(st.MarkedTile)
      .Bool(st.AnnounceCoordinates).Str(st.SongFile).Int(st.SongVolume).EndRecord();
  for (int16_t v : st.Cells) w.Int(v).EndRecord();
  return w.text();
}

bool SaveGame(const GameState& st) {
  if (!usableFolder(st)) return false;
  std::string path = SavedGamePath(st);
  if (path.empty()) path = st.PlayerFolder + "SaveGame.gam";
  return WriteFileAtomic(path, SavedGameText(st));
}

void DeleteSavedGame(const GameState& st) {
  if (!usableFolder(st)) return;
  std::error_code ec;
  // Every letter-case variant is the same saved game.
  for (fs::directory_iterator it(st.PlayerFolder, ec), end; !ec && it != end; it.increment(ec)) {
    std::string name = it->path().filename().string();
    std::string lower;
    for (char c : name) lower += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (lower == "savegame.gam") {
      std::error_code rm;
      fs::remove(it->path(), rm);
    }
  }
}

bool ReadSavedGame(const std::string& path, GameState& out) {
  auto text = ReadWholeFile(path);
  if (!text) return false;
  RecordReader r(*text);
  GameState g = out;
  auto cr = r.Int16(), cc = r.Int16(), er = r.Int16(), ec = r.Int16(), rows = r.Int16(), cols = r.Int16();
  auto len = r.Float();
  auto status = r.Bool();
  auto mark = r.Int16();
  auto coords = r.Bool();
  auto song = r.Str();
  auto volume = r.Int32();
  if (!cr || !cc || !er || !ec || !rows || !cols || !len || !status || !mark || !coords || !song || !volume) return false;
  if (*rows < rules::SmallestBoard || *rows > rules::LargestBoard || *cols != *rows) return false;
  if (!(*len >= rules::ShortestTile && *len <= rules::LongestTile)) return false;
  const int n = *rows * *cols;
  if (*cr < 1 || *cr > *rows || *cc < 1 || *cc > *cols) return false;
  if (*mark < 0 || *mark >= n) return false;
  g.CursorRow = *cr; g.CursorColumn = *cc; g.EmptyRow = *er; g.EmptyColumn = *ec;
  g.BoardRows = *rows; g.BoardColumns = *cols; g.TileDuration = *len; g.AnnounceStatus = *status;
  g.MarkedTile = *mark; g.AnnounceCoordinates = *coords; g.SongFile = *song;
  g.SongVolume = std::clamp<int32_t>(*volume, rules::VolumeFloor, rules::VolumeCeiling);
  g.Cells.assign(static_cast<size_t>(n), 0);
  for (int i = 0; i < n; ++i) {
    auto v = r.Int16();
    if (!v) return false;
    g.Cells[static_cast<size_t>(i)] = *v;
  }
  if (!board::IsSolvable(g)) return false;
  board::Recount(g);
  out = g;
  return true;
}

std::string SettlePlayerFolder(const std::string& appFolder) {
  std::string parent;
  if (const char* appdata = std::getenv("appdata"); appdata && *appdata) {
    parent = appdata;
  } else if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg && *xdg) {
    parent = xdg;
  } else if (const char* home = std::getenv("HOME"); home && *home) {
    parent = std::string(home) + "/.local/share";
  }
  if (parent.empty()) return WithTrailingSeparator(appFolder);
  std::string folder = WithTrailingSeparator(parent) + "Music Tunzle/";
  std::error_code ec;
  fs::create_directories(folder, ec);
  if (!fs::is_directory(folder, ec)) return WithTrailingSeparator(appFolder);
  return folder;
}
