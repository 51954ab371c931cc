// The voice, rate and volume adjusters of the speech object.
#include "common/Keys.h"
#include "common/MsgBox.h"
#include "speech/FRMTTS.h"

#include "base/Translate.h"

namespace {

bool isPrevious(int16_t k) { return k == vk::Up || k == vk::Left || k == 'J' || k == 'I'; }
bool isNext(int16_t k) { return k == vk::Down || k == vk::Right || k == 'K' || k == 'L'; }
bool isFaster(int16_t k) { return k == vk::Up || k == vk::Right || k == 'I' || k == 'L'; }
bool isSlower(int16_t k) { return k == vk::Down || k == vk::Left || k == 'K' || k == 'J'; }
bool isEnd(int16_t k) { return k == vk::Return || k == vk::Escape; }

// Turns the capture off on every way out, exceptions included, so the game's
// keys always work again.
struct CaptureOn {
  CaptureOn() { TheKeyHandOver().KeyCapture = true; }
  ~CaptureOn() { TheKeyHandOver().KeyCapture = false; }
};

}  // namespace

// A step past a limit: the key is used up and the bump is heard.
void FRMTTS::refuse() {
  TheKeyHandOver().CapturedKey = 0;
  if (bump_) bump_();
}

// Applies voice n and announces it; false when the engine refuses n.
bool FRMTTS::applyVoice(int16_t n) {
  StopSpeech();
  std::string name;
  try {
    const VoiceTokens tokens = voices_[1]->GetVoices("", "");
    const VoiceToken& token = tokens.Item(n);
    voices_[1]->SetVoice(token);
    name = token.name;
  } catch (const std::exception&) {
    return false;
  }
  // Each voice says its own name, so the player knows which one to keep.
  speak(name.empty() ? Fill(Tr("Speech", "Voice %1"), {std::to_string(n)}) : name);
  return true;
}

void FRMTTS::AdjustVoice(int16_t& CurrentVoice) {
  if (activeSpeechType_ != 3 || !voices_[1]) return;
  auto& keys = TheKeyHandOver();
  speak(Tr("Speech", "Use the arrows  to select voice. Press Enter when done."));
  CaptureOn capture;
  int16_t n = -1;
  int16_t m = 32767;
  for (;;) {
    do {
      keys.CapturedKey = 0;
      pause(kKeyPoll);
    } while (keys.CapturedKey == 0);
    StopSpeech();
    const int16_t key = keys.CapturedKey;
    if (isEnd(key)) break;
    if (isPrevious(key)) {
      if (n > 0) --n;
      else refuse();
    } else if (isNext(key)) {
      if (n < m) ++n;
      else refuse();
    }
    if (keys.CapturedKey != 0 && !applyVoice(n)) {
      if (n == 0) {
        SystemMsgBox(Tr("Speech", "No voices were found for the built-in voice."), msgbox::Critical, Tr("Speech", "Error! "));
        break;
      }
      // Past the last voice: that number is the new limit.
      m = static_cast<int16_t>(n - 1);
      refuse();
    }
  }
  CurrentVoice = n;
}

// The arrows step a value within lo..hi until Enter or Escape; every step
// that changed it is applied and heard. A start off the step grid can land
// outside the range: such a value is kept for the next step, never applied.
int32_t FRMTTS::arrowLoop(const std::string& prompt, const std::string& heard, int32_t value, int32_t step,
                          int32_t lo, int32_t hi, const std::function<void(int32_t)>& apply) {
  auto& keys = TheKeyHandOver();
  speak(prompt + " " + heard + " " + std::to_string(value) + ".");
  CaptureOn capture;
  for (;;) {
    keys.CapturedKey = 0;
    pause(kKeyPoll);
    const int16_t key = keys.CapturedKey;
    if (isEnd(key)) break;
    if (isFaster(key)) {
      if (value < hi) value += step;
      else refuse();
    } else if (isSlower(key)) {
      if (value > lo) value -= step;
      else refuse();
    }
    if (keys.CapturedKey != 0 && value >= lo && value <= hi) {
      apply(value);
      StopSpeech();
      speak(heard + " " + std::to_string(value));
    }
  }
  return value;
}

void FRMTTS::AdjustRate(int16_t& CurrentRate) {
  if (activeSpeechType_ != 3 || !voices_[1]) return;
  CurrentRate = static_cast<int16_t>(arrowLoop(Tr("Speech", "Use the arrows to adjust rate. Press Enter when done."),
                                               Tr("Speech", "Rate"), voices_[1]->Rate(), 1, -10, 21,
                                               [this](int32_t r) { voices_[1]->SetRate(r); }));
}

void FRMTTS::AdjustVolume(int16_t& CurrentVolume) {
  if (activeSpeechType_ != 3 || !voices_[1]) return;
  CurrentVolume = static_cast<int16_t>(arrowLoop(Tr("Speech", "Use the arrows to adjust volume. Press Enter when done."),
                                                 Tr("Speech", "Volume"), voices_[1]->Volume(), 5, 0, 100,
                                                 [this](int32_t v) { voices_[1]->SetVolume(v); }));
}

void FRMTTS::AdjustRate2(int16_t Jump, int16_t& CurrentRate) {
  if (activeSpeechType_ != 3 || !voices_[1]) return;
  int32_t r = voices_[1]->Rate() + Jump;
  if (r > 21) r = 21;
  if (r < -10) r = -10;
  voices_[1]->SetRate(r);
  CurrentRate = static_cast<int16_t>(r);
}

void FRMTTS::SetSapiValues(int16_t VoiceValue, int16_t RateValue, int16_t VolumeValue, int16_t PriorityValue,
                           int16_t VoiceChoice) {
  if (VoiceChoice < 0) VoiceChoice = 1;
  if (VoiceChoice < 1 || VoiceChoice > 6) return;
  // The first failure ends it; what was set before stays.
  try {
    if (!voices_[1]) return;
    const VoiceTokens tokens = voices_[1]->GetVoices("", "");
    auto& slot = voices_[static_cast<size_t>(VoiceChoice)];
    if (!slot) return;
    slot->SetVoice(tokens.Item(VoiceValue));
    slot->SetRate(RateValue);
    slot->SetVolume(VolumeValue);
    slot->SetPriority(PriorityValue);
  } catch (const std::exception&) {
  }
}
