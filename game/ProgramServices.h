#pragma once
// The real layers behind the game's services and clock, and the program as
// the sound layer sees it.
#include "core/Clock.h"
#include "core/GameServices.h"
#include "core/GameState.h"

#include "dialogs/DialogSpeech.h"
#include "sound/SoundHost.h"

#include <QTimer>
#include <QWidget>

#include <functional>
#include <memory>
#include <vector>

class Sound;
class SongPlayers;
class OggPlayers;
class FRMTTS;
class ScreenReaderWatch;

class ProgramServices : public GameServices, public Clock, public SoundHost, public DialogSpeech {
 public:
  explicit ProgramServices(GameState& state);
  // For tests that need the engine alone.
  void StartSound();
  ~ProgramServices() override;
  // The help viewer's parent.
  void SetWindow(QWidget* w) { window = w; }
  // Opens the sound device and reads "sounds.ini"; then the speech object,
  // handed to the dialogs. Sound comes first: the built-in voice plays
  // through the sound device's OpenAL context.
  void Start();

  // GameServices
  int16_t PlaySound(const std::string& name) override;
  void PlaySoundAfterRun(const std::string& name) override;
  bool IsSoundPlaying(int16_t index) override;
  SongHandle OpenSong(const std::string& path) override;
  void CloseSong(SongHandle song) override;
  void PlayTile(int16_t first, int16_t last, float length) override;
  void PlayOriginalTile(int16_t tile, float length) override;
  void PlayEntireSong() override;
  void PlayPiece(int16_t tile, float length, float seconds) override;
  void WhenRunEnds(std::function<void()> ended) override;
  void PauseMP3() override;
  void SetMP3Volume(int32_t vol) override;
  void SetCueVolume(int32_t vol) override;
  bool IsSongTooShort(int tiles, float length) override;
  bool IsTileSilent(int16_t tile, float length) override;
  // Lets a sound index's player go: a cue, a song or an Ogg stream.
  void DeleteSound(int16_t index);
  void speak(const std::string& text) override;
  void StopSpeech() override;
  void TTSSetup(int16_t type) override;
  void SpeakBeforeChoice() override;
  void KeepVoiceSettings(int16_t voice, int16_t rate, int16_t volume) override;
  void AdjustVoice(int16_t voice, std::function<void(int16_t)> done) override;
  void AdjustRate(int16_t rate, std::function<void(int16_t)> done) override;
  void AdjustVolume(int16_t volume, std::function<void(int16_t)> done) override;
  void AdjusterKey(int16_t code, int16_t shift) override;
  void WhenSpeechHeard(float atMost, std::function<void()> heard) override;
  void SpeakMsgBox(const std::string& text, int16_t buttons, const std::string& title,
                   std::function<void(int16_t)> answered) override;
  void PickList(const std::string& spec, std::function<void(std::string)> picked) override;
  void SelectFile(const std::string& folder, const std::string& pattern, int16_t mode, const std::string& title,
                  const std::string& initial, const std::string& hint,
                  std::function<void(std::string, std::string)> chosen) override;
  void ShowHelp(const std::string& file, std::function<void()> closed) override;
  // The sound engine's message box: nobody waits for its answer (0).
  int16_t SpeakMsgBox(const std::string& text, int16_t buttons, const std::string& title) override;
  // Reads the help viewer aloud where the game's own voice speaks and no
  // screen reader does.
  void SpeakForHelp(const std::string& text);
  void Beep() override;
  void HoverLater(float seconds) override;
  // What HoverLater calls: the game's HoverRested.
  void OnHoverRest(std::function<void()> rested) { hoverRested = std::move(rested); }
  void EndProgram() override;
  // Told every text handed to speech: the window's captions.
  void OnSpoken(std::function<void(const std::string&)> shown) { spoken = std::move(shown); }

  // Clock
  double TimeOfDay() override;
  double SteadySeconds() override;
  void WakeAt(double steady, std::function<void()> due) override;

  // SoundHost
  std::string AppFolder() override;
  void StopSpeakingAll() override;
  void SetTileTimerInterval(int32_t ms) override;
  void SetTileTimerEnabled(bool on) override;

  // GameServices and DialogSpeech
  int16_t ActiveSpeechType() const override;
  // DialogSpeech
  bool ScreenReaderRunning() const override;
  void Bump() override;
  void SpeakCharacter(const std::string& ch) override;

 private:
  GameState& st;
  QWidget* window = nullptr;
  // The one-shot tile timer the song players arm.
  QTimer tileTimer;
  QTimer hoverTimer;
  std::function<void()> hoverRested;
  // The game's next step.
  QTimer wakeTimer;
  std::function<void()> wakeDue;
  // Who waits for the song's run to end: looked at while anyone does.
  QTimer runWatch;
  std::vector<std::function<void()>> runWaiters;
  std::function<void(const std::string&)> spoken;
  std::unique_ptr<SongPlayers> songs;
  std::unique_ptr<OggPlayers> oggs;
  std::unique_ptr<Sound> sound;
  std::unique_ptr<FRMTTS> tts;
  std::unique_ptr<ScreenReaderWatch> screenReader;
};
