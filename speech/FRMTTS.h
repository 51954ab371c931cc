#pragma once
// The one speech object: every word the game says goes through it, whichever
// engine is in use.
#include "speech/CharacterTable.h"
#include "speech/SpeechEngines.h"

#include <QTimer>
#include <QWidget>
#include <array>
#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class FRMTTS : public QWidget {
  Q_OBJECT

 public:
  // Without a factory the real engines are used.
  explicit FRMTTS(std::unique_ptr<SpeechEngineFactory> engines = nullptr, QWidget* parent = nullptr);
  ~FRMTTS() override;

  // 0 none, 1 screen reader, 3 voice. Falls back 1 -> 3 -> 0 with a message.
  void TTSSetup(int16_t TTSType);
  // Before the player has chosen any speech: the voice if it starts, else
  // silence, without the engine message (nothing was asked for yet).
  void UseVoiceUntilChosen();
  // Queues t behind earlier speech. A non-zero SystemType is for the voice only.
  void speak(const std::string& t, int16_t SystemType = 0);
  void StopSpeech();
  void StopSpeaking(int16_t window);
  void StopSpeakingAll();
  void RepeatLastThingSpoken();
  // One typed character: stops what was said and says it by its name.
  void SpeakCharacter(const std::string& ch);
  // The word for the character a key and shift state give; empty if none.
  std::string SayCharacter(int16_t keycode, int16_t shift) const;

  // The voice adjusters: each speaks its prompt and returns; the keys handed
  // in through AdjusterKey move it until Enter or Escape closes it, and then
  // `done` gets, from the event loop, the value kept. Unless the voice is the
  // active engine, or if the engine fails, `done` gets `current` back.
  void AdjustVoice(int16_t current, std::function<void(int16_t)> done);
  void AdjustRate(int16_t current, std::function<void(int16_t)> done);
  void AdjustVolume(int16_t current, std::function<void(int16_t)> done);
  // True while an adjuster is open: the game's keys are its.
  bool Adjusting() const { return static_cast<bool>(adjusterKey_); }
  void AdjusterKey(int16_t code, int16_t shift);
  // Engine numbers of the voices as the list offers them: those of
  // `language` first, then by name.
  static std::vector<int16_t> VoiceOrder(const VoiceTokens& tokens, const std::string& language);
  void AdjustRate2(int16_t Jump, int16_t& CurrentRate);
  // The player's saved voice, rate and volume for the built-in voice: applied
  // now if it exists and whenever it starts. A settings file holds voice 1
  // also when none was ever chosen, so 1 leaves the voice of the player's
  // language.
  void KeepVoiceSettings(int16_t voice, int16_t rate, int16_t volume);
  void SetSapiValues(int16_t VoiceValue, int16_t RateValue, int16_t VolumeValue, int16_t PriorityValue,
                     int16_t VoiceChoice = 0);

  int16_t ActiveSpeechType() const { return activeSpeechType_; }
  // True while the game's own words still wait or are being heard, whether
  // the voice or the screen reader's speech server says them.
  bool IsSpeaking();
  // Calls `heard` once, from the event loop, when the game's words have been
  // heard (or after atMost seconds): true, or false at once when no engine speaks.
  void WhenHeard(float atMost, std::function<void(bool spoke)> heard);
  const std::string& LastThingSpoken() const { return lastThingSpoken_; }
  // Rows 1 to 96; any other number gives an empty row.
  const CharacterRow& CharacterTable(int row) const;

  // The sound of a step the voice adjusters refuse at a limit.
  void SetBump(std::function<void()> bump) { bump_ = std::move(bump); }

  // Tells whether a screen reader runs. While one does, the voice's texts go
  // to the reader's speech server instead, so the two never talk at once.
  void SetScreenReaderQuery(std::function<bool()> running);

 private:
  // The built-in voice's rate and volume range, as the settings file keeps them.
  static constexpr int32_t kSlowest = -10, kFastest = 21, kLoudest = 100;
  void applyKeptVoiceSettings();
  struct KeptVoice {
    int16_t voice, rate, volume;
  };
  std::optional<KeptVoice> kept_;
  // Failed screen-reader calls in a row before the voice takes over.
  static constexpr int kReaderFailureLimit = 3;

  // Makes the engine of activeSpeechType_; false when it cannot be made.
  bool startEngine();
  void readerCallFailed(const std::string* lostText);
  // Opens an adjuster whose keys go to `key`, which gives the value kept once a key closes it.
  void openAdjuster(int16_t current, std::function<void(int16_t)> done,
                    const std::function<std::function<std::optional<int16_t>(int16_t)>()>& open);
  void closeAdjuster(int16_t value);
  std::function<std::optional<int16_t>(int16_t)> arrowAdjuster(const std::string& prompt, const std::string& heard,
                                                                int32_t value, int32_t step, int32_t lo, int32_t hi,
                                                                std::function<void(int32_t)> apply);
  void checkHeard();
  bool spellChar(const std::string& ch);
  bool applyVoice(int16_t n);
  void refuse();
  // True when the voice's texts go to the screen reader's speech server now.
  bool voiceViaReader();
  void stopVoiceViaReader();

  std::unique_ptr<SpeechEngineFactory> engines_;
  std::unique_ptr<ScreenReaderEngine> screenReader_;
  // Voice slots 1 to 6; only slot 1 is ever filled.
  std::array<std::unique_ptr<SpeechVoiceEngine>, 7> voices_;
  int16_t activeSpeechType_ = 0;
  int readerFailures_ = 0;
  std::string lastThingSpoken_;
  const CharacterRows& table_;
  std::function<void()> bump_;
  std::function<std::optional<int16_t>(int16_t)> adjusterKey_;
  std::function<void(int16_t)> adjusterDone_;
  int16_t adjusterStart_ = 0;
  struct Listener {
    std::chrono::steady_clock::time_point end;
    bool spoke;
    std::function<void(bool)> heard;
  };
  std::vector<Listener> listeners_;
  QTimer heardPoll_;
  std::function<bool()> readerRunning_;
  // The reader's server could not be reached for the voice's texts: the voice speaks.
  bool readerUnreachable_ = false;
  bool readerWasRunning_ = false;
};
