#pragma once
// What the sound engine needs from the program above it. The game implements
// this; tests use a fake that records calls. Keeps sound/ free of game/.
#include <cstdint>
#include <string>

class SoundHost {
 public:
  virtual ~SoundHost() = default;

  // The program folder, ending in the separator.
  virtual std::string AppFolder() = 0;

  // Speech: the speech object's speak(text, 0) and StopSpeakingAll.
  virtual void speak(const std::string& text) = 0;
  virtual void StopSpeakingAll() = 0;

  // The spoken message box (button code as for the standard dialogs); returns the answer.
  virtual int16_t SpeakMsgBox(const std::string& text, int16_t buttons, const std::string& title) = 0;

  // The program's one-shot tile timer, which calls the song players'
  // TileTimerDue: interval in whole ms, and on/off.
  virtual void SetTileTimerInterval(int32_t ms) = 0;
  virtual void SetTileTimerEnabled(bool on) = 0;
};
