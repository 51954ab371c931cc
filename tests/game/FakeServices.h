#pragma once
// Records every outward effect of the game as a line, and answers dialogs
// from queues the test fills.
#include "game/GameServices.h"

#include <deque>
#include <string>
#include <vector>

class FakeServices : public GameServices {
 public:
  std::vector<std::string> log;
  std::deque<std::string> picks, files;
  std::deque<int16_t> answers;
  std::deque<int16_t> songIndexes;  // results of opening songs, before nextSongIndex
  double now = 1000.0;
  bool ended = false;
  bool capture = false;
  int16_t nextSongIndex = 201;
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
    if (name.find(".mp3") != std::string::npos && !songIndexes.empty()) {
      int16_t i = songIndexes.front();
      songIndexes.pop_front();
      return i;
    }
    return name.find(".mp3") != std::string::npos || name.find(".MP3") != std::string::npos ? nextSongIndex : 3;
  }
  void PlayTile(int16_t a, int16_t b, float len) override {
    log.push_back("tile " + std::to_string(a) + "-" + std::to_string(b) + " " + std::to_string(len).substr(0, 3));
  }
  void PlayOriginalTile(int16_t t, float) override { log.push_back("original " + std::to_string(t)); }
  void PlayEntireSong() override { log.push_back("entire"); }
  void PlayPiece(int16_t t, float, float) override { log.push_back("piece " + std::to_string(t)); }
  void PauseMP3() override { log.push_back("pause"); }
  void SetMP3Volume(int32_t v) override { log.push_back("volume " + std::to_string(v)); }
  bool IsSongTooShort() override { log.push_back("tooshort?"); return false; }
  void DeleteSound(int16_t i) override { log.push_back("delete " + std::to_string(i)); }
  void speak(const std::string& t) override { log.push_back("say " + t); }
  void StopSpeech() override { log.push_back("stopspeech"); }
  void TTSSetup(int16_t t) override { log.push_back("tts " + std::to_string(t)); activeSpeech = t; }
  void SpeakBeforeChoice() override { log.push_back("voice before choice"); activeSpeech = 3; }
  int16_t ActiveSpeechType() const override { return activeSpeech; }
  bool WaitForSpeech(float s, bool) override { log.push_back("waitspeech " + std::to_string(s).substr(0, 4)); return true; }
  void AdjustVoice(int16_t& v) override { log.push_back("adjustvoice " + std::to_string(v)); }
  void AdjustRate(int16_t& v) override { log.push_back("adjustrate " + std::to_string(v)); }
  void AdjustVolume(int16_t& v) override { log.push_back("adjustvolume " + std::to_string(v)); }
  bool KeyCapture() override { return capture; }
  void StoreCapturedKey(int16_t c, int16_t s) override { capturedKey = c; capturedShift = s; }
  int16_t SpeakMsgBox(const std::string& text, int16_t, const std::string& title) override {
    log.push_back("msgbox " + title + ": " + text);
    if (answers.empty()) return mb::Cancel;
    int16_t a = answers.front();
    answers.pop_front();
    return a;
  }
  std::string PickList(const std::string& spec) override {
    log.push_back("pick " + spec);
    if (picks.empty()) return "";
    std::string a = picks.front();
    picks.pop_front();
    return a;
  }
  std::string SelectFile(const std::string& folder, const std::string&, int16_t, const std::string& title, std::string&,
                         const std::string&, const std::string&) override {
    log.push_back("select " + title + " in " + folder);
    if (files.empty()) return "";
    std::string a = files.front();
    files.pop_front();
    return a;
  }
  void ShowHelp(const std::string& f) override { log.push_back("help " + f); }
  void Wait(float, bool) override {}
  double TimeOfDay() override { return now; }
  void Beep() override { log.push_back("beep"); }
  void EndProgram() override { ended = true; log.push_back("end"); }
};
