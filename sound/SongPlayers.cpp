#include "sound/SongPlayers.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <filesystem>

#include "base/Files.h"
#include "common/MsgBox.h"
#include "base/Trace.h"
#include "base/Translate.h"
#include "base/VB.h"
#include "sound/SoundHost.h"

namespace {

// The tile timer's interval is a 16-bit unsigned count of milliseconds.
constexpr double kTimerLimitMs = 65535.0;
// How long past its nominal end the timer waits for a run to play out.
constexpr auto kRunGrace = std::chrono::seconds(1);

// Seconds for the trace, to the millisecond, without trailing zeros.
std::string Seconds(double s) {
  double r = std::round(s * 1000.0) / 1000.0;
  if (r == 0) r = 0;  // no "-0"
  char buf[48];
  auto res = std::to_chars(buf, buf + sizeof buf, r, std::chars_format::fixed);
  return std::string(buf, res.ptr);
}

// A stretch whose every sample stays within -60 dBFS counts as silent: digital
// silence, dither and a lossy coder's noise floor lie below; a fade or a soft
// note a player could hear at the song's volume lies above.
constexpr float kSilentPeak = 0.001f;

int32_t TimerInterval(double ms) { return ms < kTimerLimitMs ? static_cast<int32_t>(RoundHalfEven(ms)) : 0; }

}  // namespace

SongPlayers::SongPlayers(SoundHost& host, GraphFactory factory) : host_(host), factory_(std::move(factory)) {
  Resize(20);
}

SongPlayers::~SongPlayers() { Shutdown(); }

SongPlayers::SongPlayer* SongPlayers::Slot(int16_t slot) {
  if (slot < 1 || static_cast<size_t>(slot) >= players_.size()) return nullptr;
  return &players_[static_cast<size_t>(slot)];
}

MediaGraph* SongPlayers::Graph(int16_t slot) {
  SongPlayer* s = Slot(slot);
  return s ? s->graph.get() : nullptr;
}

MediaGraph* SongPlayers::Song() { return Graph(song_); }

void SongPlayers::Resize(int16_t count) {
  Shutdown();
  players_.clear();
  players_.resize(static_cast<size_t>(std::max<int16_t>(count, 0)) + 1);
}

void SongPlayers::Shutdown() {
  for (auto& p : players_) p.graph.reset();
}

int16_t SongPlayers::Play(const std::string& name, int16_t Volume, int32_t Frequency, int16_t Pan,
                          int16_t DSFlags) {
  return PlayMP3Sound(name, Volume, Frequency, Pan, DSFlags);
}

int16_t SongPlayers::PlayMP3Sound(const std::string& waveFileIn, int16_t Volume, int32_t Frequency, int16_t Pan,
                                  int16_t DSFlags) {
  const std::string& name = waveFileIn;
  bool absolute = name.find(':') != std::string::npos || (!name.empty() && (name[0] == '\\' || name[0] == '/'));
  std::string path = absolute ? name : host_.AppFolder() + name;
  // Names arrive in upper case; the file is found whatever its letter case.
  std::filesystem::path real = ResolvePathNoCase(path);
  std::error_code ec;
  if (!std::filesystem::is_regular_file(real, ec)) {
    SystemMsgBox(Fill(Tr("Sound", "File: %1 does not exist!"), {name}), msgbox::Critical, Tr("Sound", "File not found."));
    return 0;
  }

  // A playing (or paused) player is never taken; an empty slot always may be.
  int16_t chosen = 0;
  for (int16_t pass = -1; pass <= 2 && !chosen; ++pass)
    for (int16_t i = 1; i <= Count(); ++i) {
      SongPlayer& s = players_[static_cast<size_t>(i)];
      if ((s.ReuseClass == pass || !s.graph) && !IsPlaying(i)) {
        chosen = i;
        break;
      }
    }
  if (!chosen) return 0;
  SongPlayer& s = players_[static_cast<size_t>(chosen)];
  if (s.graph) DeleteSound(chosen);

  if (DSFlags & dsflags::ThreeD)
    SystemMsgBox(Fill(Tr("Sound", "Standard MP3 Files can not be 3d. File: %1"), {path}), msgbox::Critical, Tr("Sound", "Error."));

  // A file that does not decode gets no player: the caller sees 0 and can
  // ask for another song, rather than holding a player that never sounds.
  std::unique_ptr<MediaGraph> g = factory_ ? factory_() : nullptr;
  if (!g || !g->RenderFile(real.string())) return 0;
  g->SetVolume(0);
  g->SetBalance(0);
  g->SetRate(1.0);
  g->SetStopAt(-1);
  g->SetCurrentPosition(0);
  s.graph = std::move(g);
  s.paused = false;
  s.name = name;

  // Settings go in before the song starts, so nothing is heard at the wrong volume.
  if (Volume < 0) SetVolume(chosen, Volume);
  if (Pan != 0) SetPan(chosen, Pan);
  if (Frequency > -1) SetFrequency(chosen, Frequency);
  if (DSFlags & dsflags::NoPlay) {
    s.paused = true;
  } else {
    s.graph->Run();
    Trace::write("songrun", {Seconds(0), "0"});
  }

  s.ReuseClass = ReuseClassFromFlags(DSFlags);
  return static_cast<int16_t>(200 + chosen);
}

bool SongPlayers::IsPlaying(int16_t slot) {
  MediaGraph* g = Graph(slot);
  return g && g->CurrentPosition() < g->StopTime();
}

bool SongPlayers::Sounding() {
  for (auto& p : players_)
    if (p.graph && p.graph->RunLeft() > 0) return true;
  return false;
}

void SongPlayers::StopPlay(int16_t slot) {
  SongPlayer* s = Slot(slot);
  if (!s) return;
  if (s->graph) s->graph->Stop();
  s->paused = true;
}

void SongPlayers::DeleteSound(int16_t slot) {
  if (slot == song_) song_ = 0;
  SongPlayer* s = Slot(slot);
  if (!s || !s->graph) return;
  s->graph->Stop();
  s->graph.reset();
}

void SongPlayers::SetVolume(int16_t slot, int16_t Volume) {
  if (MediaGraph* g = Graph(slot)) g->SetVolume(Volume);
}

void SongPlayers::SetPan(int16_t slot, int16_t Pan) {
  if (MediaGraph* g = Graph(slot)) g->SetBalance(std::clamp<int32_t>(Pan, -5000, 5000));
}

void SongPlayers::SetFrequency(int16_t slot, int32_t Frequency) {
  if (MediaGraph* g = Graph(slot)) g->SetRate(Frequency / 22050.0);
}

void SongPlayers::PlayOpenedSound(int16_t slot, int32_t startOffset, int16_t /*DSFlags*/) {
  if (IsPlaying(slot)) StopPlay(slot);
  // The offset is read as seconds; the player stays paused until unpaused.
  if (MediaGraph* g = Graph(slot)) g->SetCurrentPosition(static_cast<double>(startOffset));
}

bool SongPlayers::isMP3Playing() {
  MediaGraph* g = Song();
  return g && g->CurrentPosition() < g->StopTime();
}

void SongPlayers::PauseMP3() {
  afterRun_ = nullptr;
  if (song_ == 0) return;
  if (MediaGraph* g = Song()) {
    g->Pause();
    Trace::write("songpause", {Seconds(g->CurrentPosition())});
  }
  host_.SetTileTimerEnabled(false);
}

void SongPlayers::TileTimerDue() {
  MediaGraph* g = Song();
  double left = g ? g->RunLeft() : 0.0;
  if (left > 0 && std::chrono::steady_clock::now() < runDeadline_) {
    host_.SetTileTimerInterval(std::max<int32_t>(1, static_cast<int32_t>(std::ceil(left * 1000.0))));
    host_.SetTileTimerEnabled(true);
    return;
  }
  auto cue = std::move(afterRun_);
  PauseMP3();
  if (cue) cue();
}

void SongPlayers::CueAfterRun(std::function<void()> cue) {
  if (IsSongRunning() && std::chrono::steady_clock::now() < runDeadline_) afterRun_ = std::move(cue);
  else if (cue) cue();
}

bool SongPlayers::IsSongTooShort(int tiles, float length) {
  // A question: the song is not touched, whether it plays or rests.
  MediaGraph* g = Song();
  // The last of rows x columns - 1 tiles starts here.
  return !g || static_cast<double>(tiles - 1) * static_cast<double>(length) >= g->StopTime();
}

bool SongPlayers::IsStretchSilent(double from, double to) {
  MediaGraph* g = Song();
  if (!g || !(to > from)) return true;
  return from >= g->StopTime() || g->IsQuiet(from, to, kSilentPeak);
}

void SongPlayers::StartRun(MediaGraph& g, double start, double stopAt, int32_t timerMs) {
  g.SetStopAt(stopAt);
  g.SetCurrentPosition(start);
  g.Run();
  runDeadline_ = {};  // untimed: nothing waits for its end
  if (timerMs > 0) {
    runDeadline_ = std::chrono::steady_clock::now() + std::chrono::milliseconds(timerMs) + kRunGrace;
    host_.SetTileTimerInterval(timerMs);
    host_.SetTileTimerEnabled(true);
  }
  Trace::write("songrun", {Seconds(start), std::to_string(timerMs)});
}

void SongPlayers::PlayTile(int16_t first, int16_t last, float length) {
  PauseMP3();
  MediaGraph* g = Song();
  // An empty or backward run plays nothing rather than the rest of the song.
  if (!g || last < first || !(length > 0)) return;
  double start = static_cast<double>(static_cast<int16_t>(first - 1)) * static_cast<double>(length);
  int16_t tiles = static_cast<int16_t>(last - first + 1);
  double ms = static_cast<double>(length) * 1000.0 * tiles;
  // The graph ends the run on its last sample even when the run is too long
  // for the timer.
  StartRun(*g, start, static_cast<double>(last) * static_cast<double>(length), TimerInterval(ms));
}

void SongPlayers::PlayOriginalTile(double tile, double length) {
  PauseMP3();
  MediaGraph* g = Song();
  if (!g || !(length > 0)) return;
  StartRun(*g, (tile - 1) * length, tile * length, TimerInterval(length * 1000.0));
}

void SongPlayers::PlayEntireSong() {
  PauseMP3();
  MediaGraph* g = Song();
  if (!g) return;
  host_.SetTileTimerEnabled(false);
  StartRun(*g, 0.0, -1.0, 0);
}

void SongPlayers::PlayPiece(int16_t tile, float length, float seconds) {
  PauseMP3();
  MediaGraph* g = Song();
  if (!g || tile < 1 || !(length > 0) || !(seconds > 0)) return;
  const double start = static_cast<double>(tile - 1) * length;
  const double span = std::min<double>(seconds, length);
  StartRun(*g, start, start + span, TimerInterval(span * 1000.0));
}

bool SongPlayers::IsSongRunning() {
  MediaGraph* g = Song();
  return g && g->RunLeft() > 0;
}

void SongPlayers::SetMP3Volume(int32_t vol) {
  if (MediaGraph* g = Song()) g->SetVolume(vol);
}

void SongPlayers::PauseAllMP3Sounds() {
  for (int16_t i = 1; i <= Count(); ++i)
    if (IsPlaying(i)) StopPlay(i);
}

void SongPlayers::UnPauseAllMP3Sounds() {
  for (int16_t i = 1; i <= Count(); ++i) {
    SongPlayer& s = players_[static_cast<size_t>(i)];
    if (s.paused && s.graph) s.graph->Run();
    s.paused = false;
  }
}

void SongPlayers::UnpauseOneMP3(int16_t Index) {
  SongPlayer* s = Slot(static_cast<int16_t>(Index - 200));
  if (s && s->paused && s->graph) {
    s->graph->Run();
    s->paused = false;
  }
}
