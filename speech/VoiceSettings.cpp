// The voice, rate and volume adjusters of the speech object.
#include "common/Beep.h"
#include "common/Keys.h"
#include "common/MsgBox.h"
#include "speech/FRMTTS.h"

#include "base/Translate.h"
#include "base/VB.h"

#include <QLocale>

#include <algorithm>

namespace {

// A voice by its language's own name ("Deutsch", "português (Brasil)",
// "British English"), which it says itself; the engine's name for a variant
// Qt cannot name apart ("en-gb-scotland", "en-029"), a number where there is
// neither.
std::string voiceName(const VoiceToken& token, int16_t n) {
  const QStringList parts = QString::fromStdString(token.language).toLower().split('-');
  const QLocale locale(parts.join('_'));
  const bool plain = parts.size() == 1 || (parts.size() == 2 && parts[1].size() == 2);
  const bool named = plain && !parts[0].isEmpty() && locale.language() != QLocale::C &&
                     (parts.size() == 1 || QLocale::territoryToCode(locale.territory()).toLower() == parts[1]);
  if (named) {
    QString name = locale.nativeLanguageName();
    // The region only where the language's name does not already say it.
    if (parts.size() == 2 && name == QLocale(parts[0]).nativeLanguageName())
      name += " (" + locale.nativeTerritoryName() + ")";
    if (!name.isEmpty()) return name.toStdString();
  }
  //: A voice without a name: %1 is its number.
  return token.name.empty() ? Fill(Tr("Speech", "Voice %1"), {std::to_string(n)}) : token.name;
}

bool isPrevious(int16_t k) { return k == vk::Up || k == vk::Left || k == 'J' || k == 'I'; }
bool isNext(int16_t k) { return k == vk::Down || k == vk::Right || k == 'K' || k == 'L'; }
bool isFaster(int16_t k) { return k == vk::Up || k == vk::Right || k == 'I' || k == 'L'; }
bool isSlower(int16_t k) { return k == vk::Down || k == vk::Left || k == 'K' || k == 'J'; }
bool isEnd(int16_t k) { return k == vk::Return || k == vk::Escape; }

}  // namespace

// A step past a limit: the bump is heard.
void FRMTTS::refuse() {
  if (bump_) bump_();
}

void FRMTTS::openAdjuster(int16_t current, std::function<void(int16_t)> done,
                          const std::function<std::function<std::optional<int16_t>(int16_t)>()>& open) {
  if (!done) done = [](int16_t) {};
  if (adjusterDone_) {
    // One adjuster at a time: the one open keeps the keys.
    QTimer::singleShot(0, this, [done, current] { done(current); });
    return;
  }
  adjusterDone_ = std::move(done);
  adjusterStart_ = current;
  try {
    adjusterKey_ = activeSpeechType_ == 3 && voices_[1] ? open() : nullptr;
    if (!adjusterKey_) closeAdjuster(current);
  } catch (const std::exception&) {
    Beep();
    closeAdjuster(current);
  }
}

void FRMTTS::closeAdjuster(int16_t value) {
  adjusterKey_ = nullptr;
  if (auto done = std::exchange(adjusterDone_, {})) QTimer::singleShot(0, this, [done, value] { done(value); });
}

void FRMTTS::AdjusterKey(int16_t code, int16_t /*shift*/) {
  if (!adjusterKey_ || code == 0) return;
  try {
    if (const auto kept = adjusterKey_(code)) closeAdjuster(*kept);
  } catch (const std::exception&) {
    // A voice that refuses a value leaves the old one.
    Beep();
    closeAdjuster(adjusterStart_);
  }
}

// Applies voice n and announces it; false when the engine refuses n.
bool FRMTTS::applyVoice(int16_t n) {
  StopSpeech();
  std::string name;
  try {
    const VoiceTokens tokens = voices_[1]->GetVoices("", "");
    const VoiceToken& token = tokens.Item(n);
    voices_[1]->SetVoice(token);
    name = voiceName(token, n);
  } catch (const std::exception&) {
    return false;
  }
  // Each voice says its own name, so the player knows which one to keep.
  speak(name);
  return true;
}

namespace {

// "en" of "en-gb", "pt" of "pt_BR".
std::string primaryLanguage(const std::string& tag) { return LCase(tag.substr(0, tag.find_first_of("-_"))); }

}  // namespace

std::vector<int16_t> FRMTTS::VoiceOrder(const VoiceTokens& tokens, const std::string& language) {
  std::vector<int16_t> order;
  for (int32_t i = 0; i < tokens.Count() && i < 32767; ++i) order.push_back(static_cast<int16_t>(i));
  const std::string mine = primaryLanguage(language);
  std::stable_sort(order.begin(), order.end(), [&](int16_t a, int16_t b) {
    const VoiceToken& x = tokens.Item(a);
    const VoiceToken& y = tokens.Item(b);
    const bool xm = primaryLanguage(x.language) == mine, ym = primaryLanguage(y.language) == mine;
    if (xm != ym) return xm;
    return LCase(voiceName(x, a)) < LCase(voiceName(y, b));
  });
  return order;
}

// The voices in the order a player looks for them: their own language's
// first, then by name. The list opens on the voice in use and says it;
// Enter keeps the voice reached, Escape puts the old one back.
void FRMTTS::AdjustVoice(int16_t current, std::function<void(int16_t)> done) {
  openAdjuster(current, std::move(done), [this, current]() -> std::function<std::optional<int16_t>(int16_t)> {
    VoiceTokens tokens;
    try {
      tokens = voices_[1]->GetVoices("", "");
    } catch (const SpeechEngineError&) {
    }
    if (tokens.Count() == 0) {
      SystemMsgBox(Tr("Speech", "No voices were found for the built-in voice."), msgbox::Critical, Tr("Speech", "Error! "),
                   [this, current](int16_t) { closeAdjuster(current); });
      return [](int16_t) { return std::nullopt; };  // the keys wait for the box
    }
    const std::string inUse = voices_[1]->VoiceId();
    const std::vector<int16_t> order = VoiceOrder(tokens, i18n::Language());
    // The voice in use, else the first of its language (a voice not yet
    // chosen is the player's language), else the first.
    size_t p = 0;
    auto find = [&](auto&& match) {
      for (size_t i = 0; i < order.size(); ++i)
        if (match(tokens.Item(order[i]))) return i;
      return order.size();
    };
    if (size_t i = find([&](const VoiceToken& t) { return t.id == inUse; }); i < order.size()) p = i;
    else if (size_t j = find([&](const VoiceToken& t) { return primaryLanguage(t.language) == primaryLanguage(inUse); });
             !inUse.empty() && j < order.size())
      p = j;
    const size_t first = p;
    auto nameAt = [tokens, order](size_t i) { return voiceName(tokens.Item(order[i]), order[i]); };
    speak(Tr("Speech", "Use the arrows  to select voice. Press Enter when done.") + " " + nameAt(p));
    bool changed = false;
    return [this, current, order, inUse, first, nameAt, p, changed](int16_t key) mutable -> std::optional<int16_t> {
      StopSpeech();
      if (key == vk::Escape) {
        if (changed) {
          try {
            voices_[1]->SetVoice({inUse, "", ""});
          } catch (const SpeechEngineError&) {
          }
        }
        speak(nameAt(first));
        return current;
      }
      if (key == vk::Return) {
        speak(nameAt(p));
        return order[p];
      }
      size_t next = p;
      if (isPrevious(key)) next = p > 0 ? p - 1 : p;
      else if (isNext(key)) next = p + 1 < order.size() ? p + 1 : p;
      else return std::nullopt;
      if (next == p) {
        refuse();
        return std::nullopt;
      }
      p = next;
      changed = true;
      if (!applyVoice(order[p])) refuse();
      return std::nullopt;
    };
  });
}

// The arrows step a value within lo..hi until Enter or Escape; every step
// that changed it is applied and heard. A start off the step grid can land
// outside the range: such a value is kept for the next step, never applied.
std::function<std::optional<int16_t>(int16_t)> FRMTTS::arrowAdjuster(const std::string& prompt, const std::string& heard,
                                                                     int32_t value, int32_t step, int32_t lo, int32_t hi,
                                                                     std::function<void(int32_t)> apply) {
  speak(prompt + " " + heard + " " + std::to_string(value) + ".");
  return [=](int16_t key) mutable -> std::optional<int16_t> {
    if (isEnd(key)) {
      // The list closes on the value kept, said once more.
      if (value >= lo && value <= hi) speak(heard + " " + std::to_string(value));
      return static_cast<int16_t>(value);
    }
    bool refused = false;
    if (isFaster(key)) {
      refused = value >= hi;
      if (refused) refuse();
      else value += step;
    } else if (isSlower(key)) {
      refused = value <= lo;
      if (refused) refuse();
      else value -= step;
    }
    if (!refused && value >= lo && value <= hi) {
      apply(value);
      StopSpeech();
      speak(heard + " " + std::to_string(value));
    }
    return std::nullopt;
  };
}

void FRMTTS::AdjustRate(int16_t current, std::function<void(int16_t)> done) {
  openAdjuster(current, std::move(done), [this] {
    return arrowAdjuster(Tr("Speech", "Use the arrows to adjust rate. Press Enter when done."),
                         //: The speaking rate of the built-in voice, said before its value.
                         Tr("Speech", "Rate"),
                         voices_[1]->Rate(), 1, kSlowest, kFastest, [this](int32_t r) { voices_[1]->SetRate(r); });
  });
}

void FRMTTS::AdjustVolume(int16_t current, std::function<void(int16_t)> done) {
  openAdjuster(current, std::move(done), [this] {
    return arrowAdjuster(Tr("Speech", "Use the arrows to adjust volume. Press Enter when done."),
                         //: The loudness of the built-in voice, said before its value.
                         Tr("Speech", "Volume"),
                         voices_[1]->Volume(), 5, 0, kLoudest, [this](int32_t v) { voices_[1]->SetVolume(v); });
  });
}

void FRMTTS::AdjustRate2(int16_t Jump, int16_t& CurrentRate) {
  if (activeSpeechType_ != 3 || !voices_[1]) return;
  int32_t r = voices_[1]->Rate() + Jump;
  r = std::clamp(r, kSlowest, kFastest);
  voices_[1]->SetRate(r);
  CurrentRate = static_cast<int16_t>(r);
}

void FRMTTS::KeepVoiceSettings(int16_t voice, int16_t rate, int16_t volume) {
  kept_ = KeptVoice{voice, rate, volume};
  applyKeptVoiceSettings();
}

void FRMTTS::applyKeptVoiceSettings() {
  if (!kept_ || !voices_[1]) return;
  try {
    if (kept_->voice != 1) {
      const VoiceTokens tokens = voices_[1]->GetVoices("", "");
      // The engine's list may have changed since: a number past it keeps the voice.
      if (kept_->voice >= 0 && kept_->voice < tokens.Count()) voices_[1]->SetVoice(tokens.Item(kept_->voice));
    }
    voices_[1]->SetRate(std::clamp<int32_t>(kept_->rate, kSlowest, kFastest));
    voices_[1]->SetVolume(std::clamp<int32_t>(kept_->volume, 0, kLoudest));
  } catch (const std::exception&) {
  }
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
