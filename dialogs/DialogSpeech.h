#pragma once
// What the dialogs need from the speech object. The game hands its speech
// object in once (GenProcs().Speech); tests hand in a fake that records.
#include <cstdint>
#include <string>

class DialogSpeech {
 public:
  virtual ~DialogSpeech() = default;
  // Speaks with the default system type: queued behind speech already playing.
  virtual void speak(const std::string& text) = 0;
  virtual void StopSpeech() = 0;
  // The engine actually in use: 0 none, 1 screen reader, 3 built-in voice.
  virtual int16_t ActiveSpeechType() const = 0;
  // True while a screen reader runs: it reads the dialogs' titles, controls
  // and focus from their accessible names, so the dialogs say none of it.
  virtual bool ScreenReaderRunning() const { return false; }
  // The bump: a key that can go no further (Up on a list's first item).
  virtual void Bump() {}
  // One character, by its name where it has one ("comma"), stopping what was said.
  virtual void SpeakCharacter(const std::string& ch) { speak(ch); }
};
