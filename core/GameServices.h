#pragma once
// Everything the game does to the world outside its state: sound, song,
// speech, dialogs, help. The program wires the real layers in; tests use a
// recording fake. Time is the Clock's. Nothing here waits: what ends later
// (speech heard, a run played out, a dialog answered) is told through the
// callback given, from the event loop.
#include "core/GameState.h"

#include "base/MsgBoxCodes.h"

#include <cstdint>
#include <functional>
#include <string>

class GameServices {
 public:
  virtual ~GameServices() = default;

  // Sound engine: a cue by name, with default playback values.
  virtual int16_t PlaySound(const std::string& name) = 0;
  // The cue PlaySound answered with `index` still sounds.
  virtual bool IsSoundPlaying(int16_t index) = 0;
  // The cue once the tile or run now playing has played out (at once when
  // none plays); a new run or a stop drops it.
  virtual void PlaySoundAfterRun(const std::string& name) = 0;
  // Opens the song file in a song player, which then plays the song
  // operations below; a false handle when it cannot be played.
  virtual SongHandle OpenSong(const std::string& path) = 0;
  // Lets the song's player go.
  virtual void CloseSong(SongHandle song) = 0;
  // Song operations, on the song opened last.
  virtual void PlayTile(int16_t first, int16_t last, float length) = 0;
  virtual void PlayOriginalTile(int16_t tile, float length) = 0;
  virtual void PlayEntireSong() = 0;
  // A short stretch from the start of a tile, to hear a new volume by.
  virtual void PlayPiece(int16_t tile, float length, float seconds) = 0;
  // `ended` runs once the run now playing has played out, or was stopped;
  // soon when none plays.
  virtual void WhenRunEnds(std::function<void()> ended) = 0;
  virtual void PauseMP3() = 0;
  virtual void SetMP3Volume(int32_t vol) = 0;
  // Every cue from now on plays at this volume, in hundredths of a decibel.
  virtual void SetCueVolume(int32_t vol) = 0;
  // The song does not reach the start of the last of `tiles` tiles.
  virtual bool IsSongTooShort(int tiles, float length) = 0;
  // The tile has nothing to hear: it starts past the end of the song open
  // now, or holds only (near) digital silence.
  virtual bool IsTileSilent(int16_t tile, float length) = 0;

  // Speech.
  virtual void speak(const std::string& text) = 0;
  virtual void StopSpeech() = 0;
  virtual void TTSSetup(int16_t type) = 0;
  // Before any speech is chosen: the built-in voice if it can start, quietly otherwise.
  virtual void SpeakBeforeChoice() = 0;
  // The saved voice settings, for the built-in voice whenever it speaks.
  virtual void KeepVoiceSettings(int16_t voice, int16_t rate, int16_t volume) = 0;
  // The voice adjusters: each opens, takes the keys handed to AdjusterKey,
  // and gives `done` the value kept when it closes.
  virtual void AdjustVoice(int16_t voice, std::function<void(int16_t)> done) = 0;
  virtual void AdjustRate(int16_t rate, std::function<void(int16_t)> done) = 0;
  virtual void AdjustVolume(int16_t volume, std::function<void(int16_t)> done) = 0;
  virtual void AdjusterKey(int16_t code, int16_t shift) = 0;
  // The engine actually speaking (0 none, 1 screen reader, 3 voice), which
  // a failed start can leave different from the chosen type.
  virtual int16_t ActiveSpeechType() const = 0;
  // `heard` runs once what was said has been heard (the game bounds the
  // wait itself); soon when nothing speaks.
  virtual void WhenSpeechHeard(float atMost, std::function<void()> heard) = 0;

  // Dialogs; buttons and answers as in base/MsgBoxCodes.h. Each opens and
  // returns; the answer comes later.
  virtual void SpeakMsgBox(const std::string& text, int16_t buttons, const std::string& title,
                           std::function<void(int16_t)> answered) = 0;
  virtual void PickList(const std::string& spec, std::function<void(std::string)> picked) = 0;
  // `chosen` gets the path ("" on Cancel) and the last error's text ("" without one).
  virtual void SelectFile(const std::string& folder, const std::string& pattern, int16_t mode, const std::string& title,
                          const std::string& initial, const std::string& hint,
                          std::function<void(std::string, std::string)> chosen) = 0;
  virtual void ShowHelp(const std::string& file, std::function<void()> closed) = 0;

  virtual void Beep() = 0;
  // Calls the game's HoverRested once, `seconds` from now; a new call replaces
  // the one pending.
  virtual void HoverLater(float seconds) = 0;
  // Ends the program's main loop; it closes down once this call has returned.
  virtual void EndProgram() = 0;
};
