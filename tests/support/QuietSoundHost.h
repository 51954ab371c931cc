#pragma once
// A sound host with no game behind it: a recorded tile timer, silent speech and
// dialogs. For tests and benchmarks, which derive from it to record more.
#include "sound/SoundHost.h"

#include <string>

class QuietSoundHost : public SoundHost {
 public:
  QuietSoundHost() = default;
  explicit QuietSoundHost(std::string appFolder) : folder(std::move(appFolder)) {}

  std::string folder;
  int32_t timerInterval = -1;
  bool timerEnabled = false;
  int timerCalls = 0;

  std::string AppFolder() override { return folder; }
  void speak(const std::string&) override {}
  void StopSpeakingAll() override {}
  int16_t SpeakMsgBox(const std::string&, int16_t, const std::string&) override { return 1; }
  void SetTileTimerInterval(int32_t ms) override {
    timerInterval = ms;
    ++timerCalls;
  }
  void SetTileTimerEnabled(bool on) override {
    timerEnabled = on;
    ++timerCalls;
  }
};
