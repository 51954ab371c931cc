#pragma once
// Records every outward effect of the game as a line, and answers dialogs
// from queues the test fills. Also the game's clock (the steady count moves as
// the test or Pass moves it, and by `dialogSeconds` while each dialog, the help
// or an adjuster is open) and its board view (a window 9000 twips high).
// Speech is heard and runs end at once, unless the test holds them.
#include "core/BoardView.h"
#include "core/Clock.h"
#include "core/Game.h"
#include "core/GameServices.h"

#include <algorithm>
#include <deque>
#include <functional>
#include <limits>
#include <set>
#include <string>
#include <utility>
#include <vector>

class FakeServices : public GameServices, public Clock, public BoardView {
 public:
  std::vector<std::string> log;
  std::deque<std::string> picks, files;
  std::deque<int16_t> answers;
  std::deque<int16_t> songSlots;  // results of opening songs (0: cannot be played), before nextSongSlot
  double now = 1000.0;
  double steady = 0, dialogSeconds = 0;
  bool ended = false;
  // The game's next step: when, and what runs it. Unless the test lets time
  // pass itself, every step runs as soon as it is asked for.
  double wakeAt = -1;
  std::function<void()> due;
  bool autoPass = true;
  bool holdSpeech = false, holdRun = false, holdAdjuster = false;
  std::vector<std::function<void()>> speechWaiters, runWaiters;
  std::function<void(int16_t)> adjusterDone;
  int16_t nextSongSlot = 1;
  int laidOut = 0, shown = 0;
  int16_t activeSpeech = 0;

  void clear() { log.clear(); }
  int count(const std::string& line) const { return static_cast<int>(std::count(log.begin(), log.end(), line)); }

  int16_t PlaySound(const std::string& name) override {
    log.push_back("sound " + name);
    return 3;
  }
  void PlaySoundAfterRun(const std::string& name) override { log.push_back("after the run: sound " + name); }
  // Cues report themselves sounding this many times, then ended.
  int soundPolls = 0;
  bool IsSoundPlaying(int16_t index) override {
    log.push_back("sounding " + std::to_string(index));
    return soundPolls-- > 0;
  }
  SongHandle OpenSong(const std::string& path) override {
    log.push_back("song " + path);
    return {songSlots.empty() ? nextSongSlot : next(songSlots)};
  }
  void CloseSong(SongHandle song) override { log.push_back("closesong " + std::to_string(song.slot)); }
  void PlayTile(int16_t a, int16_t b, float len) override {
    log.push_back("tile " + std::to_string(a) + "-" + std::to_string(b) + " " + std::to_string(len).substr(0, 3));
  }
  void PlayOriginalTile(int16_t t, float) override { log.push_back("original " + std::to_string(t)); }
  void PlayEntireSong() override { log.push_back("entire"); }
  void PlayPiece(int16_t t, float, float) override { log.push_back("piece " + std::to_string(t)); }
  void PauseMP3() override { log.push_back("pause"); }
  void SetMP3Volume(int32_t v) override { log.push_back("volume " + std::to_string(v)); }
  void WhenRunEnds(std::function<void()> ended) override { until(holdRun, runWaiters, std::move(ended)); }
  void SetCueVolume(int32_t v) override { log.push_back("cue volume " + std::to_string(v)); }
  // How many tiles the song holds: a tile past them starts past its end.
  int songTiles = 1000;
  bool IsSongTooShort(int tiles, float) override { return tiles > songTiles; }
  // And tiles of silence within it.
  std::set<int16_t> silentTiles;
  bool IsTileSilent(int16_t tile, float) override { return tile > songTiles || silentTiles.count(tile) > 0; }
  void speak(const std::string& t) override { log.push_back("say " + t); }
  void StopSpeech() override { log.push_back("stopspeech"); }
  void TTSSetup(int16_t t) override { log.push_back("tts " + std::to_string(t)); activeSpeech = t; }
  void SpeakBeforeChoice() override { log.push_back("voice before choice"); activeSpeech = 3; }
  int16_t ActiveSpeechType() const override { return activeSpeech; }
  void WhenSpeechHeard(float s, std::function<void()> heard) override {
    log.push_back("waitspeech " + std::to_string(s).substr(0, 4));
    until(holdSpeech, speechWaiters, std::move(heard));
  }
  // Held: it happens when the test releases it.
  static void until(bool held, std::vector<std::function<void()>>& waiters, std::function<void()> then) {
    held ? waiters.push_back(std::move(then)) : then();
  }
  static void release(std::vector<std::function<void()>>& waiters) {
    for (auto& w : std::exchange(waiters, {})) w();
  }
  void KeepVoiceSettings(int16_t voice, int16_t rate, int16_t volume) override {
    log.push_back("keepvoice " + std::to_string(voice) + " " + std::to_string(rate) + " " + std::to_string(volume));
  }
  void AdjustVoice(int16_t v, std::function<void(int16_t)> done) override { adjust("adjustvoice ", v, std::move(done)); }
  void AdjustRate(int16_t v, std::function<void(int16_t)> done) override { adjust("adjustrate ", v, std::move(done)); }
  void AdjustVolume(int16_t v, std::function<void(int16_t)> done) override { adjust("adjustvolume ", v, std::move(done)); }
  void AdjusterKey(int16_t c, int16_t s) override { log.push_back("adjusterkey " + std::to_string(c) + " " + std::to_string(s)); }
  void SpeakMsgBox(const std::string& text, int16_t, const std::string& title, std::function<void(int16_t)> answered) override {
    opened("msgbox " + title + ": " + text);
    answered(answers.empty() ? msgbox::Cancel : next(answers));
  }
  void PickList(const std::string& spec, std::function<void(std::string)> picked) override {
    opened("pick " + spec);
    picked(picks.empty() ? "" : next(picks));
  }
  void SelectFile(const std::string& folder, const std::string&, int16_t, const std::string& title, const std::string&,
                  const std::string&, std::function<void(std::string, std::string)> chosen) override {
    opened("select " + title + " in " + folder);
    chosen(files.empty() ? "" : next(files), "");
  }
  void ShowHelp(const std::string& f, std::function<void()> closed) override { opened("help " + f), closed(); }
  void Beep() override { log.push_back("beep"); }
  // The pending rest's delay (-1: none); a test calls HoverRested itself.
  float hoverDue = -1;
  void HoverLater(float seconds) override { hoverDue = seconds; }
  void EndProgram() override { ended = true; log.push_back("end"); }

  // Clock
  double TimeOfDay() override { return now; }
  double SteadySeconds() override { return steady; }
  void WakeAt(double s, std::function<void()> run) override {
    wakeAt = s;
    due = std::move(run);
    if (autoPass) Pass();
  }
  // Lets `seconds` pass (all the time the game's steps want, without a
  // number), running each step as its time comes.
  void Pass(double seconds = std::numeric_limits<double>::infinity()) {
    const double end = steady + seconds;
    while (wakeAt >= 0 && wakeAt <= end) {
      steady = std::max(steady, wakeAt);
      wakeAt = -1;
      due();
    }
    if (end != std::numeric_limits<double>::infinity()) steady = std::max(steady, end);
  }

  // BoardView
  void LaidOut() override { ++laidOut; }
  void Changed() override {}
  void Shown(const std::string&) override { ++shown; }
  int HeightTwips() const override { return 9000; }

 private:
  void opened(const std::string& line) {
    log.push_back(line);
    steady += dialogSeconds;
  }
  template <typename Q>
  static typename Q::value_type next(Q& queue) {
    auto v = queue.front();
    return queue.pop_front(), v;
  }
  void adjust(const std::string& what, int16_t v, std::function<void(int16_t)> done) {
    opened(what + std::to_string(v));
    holdAdjuster ? void(adjusterDone = std::move(done)) : done(v);
  }
};
