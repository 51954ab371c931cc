#pragma once
// The one speech object: every word the game says goes through it, whichever
// engine is in use. Its own (hidden) window stores keys into the hand-over.
#include "speech/CharacterTable.h"
#include "speech/KeyHandOver.h"
#include "speech/SpeechEngines.h"

#include <QWidget>
#include <array>
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
  void SpellLastThingSpoken();
  void SpellWord(const std::string& phrase, int16_t WType = 0);
  // One typed character: stops what was said and says it by its name.
  void SpeakCharacter(const std::string& ch);
  // The word for the character a key and shift state give; empty if none.
  std::string SayCharacter(int16_t keycode, int16_t shift) const;
  // Speaks message, then lets the player type a line; Escape gives "".
  std::string EditBox(const std::string& message);

  // Voice settings; each does nothing unless the voice is the active engine.
  void AdjustVoice(int16_t& CurrentVoice);
  // Engine numbers of the voices as the list offers them: those of
  // `language` first, then by name.
  static std::vector<int16_t> VoiceOrder(const VoiceTokens& tokens, const std::string& language);
  void AdjustRate(int16_t& CurrentRate);
  void AdjustVolume(int16_t& CurrentVolume);
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
  const std::string& LastThingSpoken() const { return lastThingSpoken_; }
  // Rows 1 to 96; any other number gives an empty row.
  const CharacterRow& CharacterTable(int row) const;

  // How the object waits: Seconds > 0 is a pause, 0 means "let pending
  // events run once". Both process window events, so keys can arrive.
  // Tests replace it to feed keys and record pauses.
  void SetWaiter(std::function<void(float Seconds)> waiter);
  // The sound of a step the voice adjusters refuse at a limit.
  void SetBump(std::function<void()> bump) { bump_ = std::move(bump); }

  // Tells whether a screen reader runs. While one does, the voice's texts go
  // to the reader's speech server instead, so the two never talk at once.
  void SetScreenReaderQuery(std::function<bool()> running);

 protected:
  void keyPressEvent(QKeyEvent* e) override;

 private:
  // How long a key loop sleeps between looks at the hand-over.
  static constexpr float kKeyPoll = 0.01f;
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
  void pause(float seconds);
  int32_t arrowLoop(const std::string& prompt, const std::string& heard, int32_t value, int32_t step, int32_t lo,
                    int32_t hi, const std::function<void(int32_t)>& apply);
  void waitForKey();
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
  std::function<void(float)> waiter_;
  std::function<void()> bump_;
  std::function<bool()> readerRunning_;
  // The reader's server could not be reached for the voice's texts: the voice speaks.
  bool readerUnreachable_ = false;
  bool readerWasRunning_ = false;
};
