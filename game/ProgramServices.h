#pragma once
// The real layers behind GameServices, and the sound layer's view of the game.
#include "game/GameServices.h"
#include "game/GameState.h"

#include <memory>

class FRMMain;

class ProgramServices : public GameServices {
 public:
  explicit ProgramServices(GameState& state);
  ~ProgramServices() override;
  void SetWindow(FRMMain* w) { window = w; }

  int16_t PlaySound(const std::string& name) override;
  void PlayTile(int16_t first, int16_t last, float length) override;
  void PlayOriginalTile(int16_t tile, float length) override;
  void PlayEntireSong() override;
  void PauseMP3() override;
  void SetMP3Volume(int32_t vol) override;
  bool IsSongTooShort() override;
  void DeleteSound(int16_t index) override;
  void speak(const std::string& text) override;
  void StopSpeech() override;
  void TTSSetup(int16_t type) override;
  void AdjustVoice(int16_t& voice) override;
  void AdjustRate(int16_t& rate) override;
  void AdjustVolume(int16_t& volume) override;
  bool KeyCapture() override;
  void StoreCapturedKey(int16_t code, int16_t shift) override;
  int16_t SpeakMsgBox(const std::string& text, int16_t buttons, const std::string& title) override;
  std::string PickList(const std::string& spec) override;
  std::string SelectFile(const std::string& folder, const std::string& pattern, int16_t mode, const std::string& title,
                         std::string& errorText, const std::string& initial) override;
  void ShowHelp(const std::string& file) override;
  void Wait(float seconds, bool noEvents) override;
  double TimeOfDay() override;
  void Beep() override;
  void EndProgram() override;

 private:
  GameState& st;
  FRMMain* window = nullptr;
};
