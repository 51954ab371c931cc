#pragma once
// Records every outward effect of the game as a line, and answers dialogs
// from queues the test fills. Also the game's clock (waits pass at once; the
// steady count moves only when the test moves it, or by `dialogSeconds` while
// each dialog, the help or an adjuster is open) and its board view (a window
// 9000 twips high).
#include "core/BoardView.h"
#include "core/Clock.h"
#include "core/Game.h"
#include "core/GameServices.h"

#include <deque>
#include <set>
#include <string>
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
  bool capture = false;
  int16_t nextSongSlot = 1;
  int laidOut = 0, shown = 0;
  int16_t capturedKey = 0, capturedShift = 0;
  int16_t activeSpeech = 0;

  void clear() { log.clear(); }
  int count(const std::string& line) const {
    int n = 0;
    for (auto& l : log) n += l == line;
    return n;
  }

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
    if (songSlots.empty()) return {nextSongSlot};
    const int16_t slot = songSlots.front();
    songSlots.pop_front();
    return {slot};
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
  bool IsSongPlaying() override { return false; }
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
  bool WaitForSpeech(float s, bool) override { log.push_back("waitspeech " + std::to_string(s).substr(0, 4)); return true; }
  void KeepVoiceSettings(int16_t voice, int16_t rate, int16_t volume) override {
    log.push_back("keepvoice " + std::to_string(voice) + " " + std::to_string(rate) + " " + std::to_string(volume));
  }
  void AdjustVoice(int16_t& v) override { opened("adjustvoice " + std::to_string(v)); }
  void AdjustRate(int16_t& v) override { opened("adjustrate " + std::to_string(v)); }
  void AdjustVolume(int16_t& v) override { opened("adjustvolume " + std::to_string(v)); }
  bool KeyCapture() override { return capture; }
  void StoreCapturedKey(int16_t c, int16_t s) override { capturedKey = c; capturedShift = s; }
  int16_t SpeakMsgBox(const std::string& text, int16_t, const std::string& title) override {
    opened("msgbox " + title + ": " + text);
    if (answers.empty()) return msgbox::Cancel;
    int16_t a = answers.front();
    answers.pop_front();
    return a;
  }
  std::string PickList(const std::string& spec) override {
    opened("pick " + spec);
    if (picks.empty()) return "";
    std::string a = picks.front();
    picks.pop_front();
    return a;
  }
  std::string SelectFile(const std::string& folder, const std::string&, int16_t, const std::string& title, std::string&,
                         const std::string&, const std::string&) override {
    opened("select " + title + " in " + folder);
    if (files.empty()) return "";
    std::string a = files.front();
    files.pop_front();
    return a;
  }
  void ShowHelp(const std::string& f) override { opened("help " + f); }
  void Beep() override { log.push_back("beep"); }
  // The pending rest's delay (-1: none); a test calls HoverRested itself.
  float hoverDue = -1;
  void HoverLater(float seconds) override { hoverDue = seconds; }
  void EndProgram() override { ended = true; log.push_back("end"); }

  // Clock
  void Wait(float, bool) override {}
  double TimeOfDay() override { return now; }
  double SteadySeconds() override { return steady; }

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
};
