#include "speech/FRMTTS.h"

#include "common/MsgBox.h"
#include "base/Trace.h"
#include "base/Translate.h"

namespace {

std::string engineError() { return Tr("Speech", "Error starting the screen reader or the built-in voice."); }
std::string errorTitle() { return Tr("Speech", "Error! "); }
std::string readerStopped() {
  return Tr("Speech", "The screen reader stopped speaking. The built-in voice speaks instead; press F5 to choose again.");
}

std::string trimSpaces(const std::string& s) {
  const auto b = s.find_first_not_of(' ');
  if (b == std::string::npos) return "";
  return s.substr(b, s.find_last_not_of(' ') - b + 1);
}

}  // namespace

FRMTTS::FRMTTS(std::unique_ptr<SpeechEngineFactory> engines, QWidget* parent)
    : QWidget(parent), engines_(std::move(engines)), table_(DefaultCharacterTable()) {
  if (!engines_) engines_ = RealSpeechEngines();
  //: The title of the speech window: the speech output, not a language.
  setWindowTitle(QString::fromStdString(Tr("Speech", "Speech")));
  heardPoll_.setInterval(20);
  connect(&heardPoll_, &QTimer::timeout, this, [this] { checkHeard(); });
}

FRMTTS::~FRMTTS() = default;

void FRMTTS::SetScreenReaderQuery(std::function<bool()> running) { readerRunning_ = std::move(running); }

void FRMTTS::stopVoiceViaReader() {
  if (!screenReader_) return;
  try {
    screenReader_->Stop();
  } catch (const std::exception&) {
    screenReader_.reset();
    readerUnreachable_ = true;
  }
}

bool FRMTTS::voiceViaReader() {
  const bool running = activeSpeechType_ == 3 && readerRunning_ && readerRunning_();
  // A screen reader that starts again may have a server that answers again.
  if (running && !readerWasRunning_) readerUnreachable_ = false;
  readerWasRunning_ = running;
  if (!running) return false;
  if (screenReader_) return true;
  if (readerUnreachable_) return false;
  try {
    screenReader_ = engines_->CreateScreenReader();
  } catch (const std::exception&) {
    screenReader_.reset();
  }
  // Two voices at once are still better than none.
  readerUnreachable_ = !screenReader_;
  if (screenReader_ && voices_[1]) voices_[1]->Speak("", svsf::PurgeBeforeSpeak);
  return screenReader_ != nullptr;
}

const CharacterRow& FRMTTS::CharacterTable(int row) const {
  static const CharacterRow empty;
  return row >= 1 && row <= 96 ? table_[static_cast<size_t>(row)] : empty;
}

bool FRMTTS::startEngine() {
  try {
    if (activeSpeechType_ == 1) {
      screenReader_.reset();
      screenReader_ = engines_->CreateScreenReader();
      if (!screenReader_) throw SpeechEngineError("no screen reader");
    } else if (activeSpeechType_ == 3) {
      if (!voices_[1]) {
        voices_[1] = engines_->CreateVoice();
        applyKeptVoiceSettings();
      }
      if (!voices_[1]) throw SpeechEngineError("no voice");
    }
    return true;
  } catch (const std::exception&) {
    return false;
  }
}

void FRMTTS::TTSSetup(int16_t TTSType) {
  readerFailures_ = 0;
  readerUnreachable_ = false;
  if (TTSType == 0) {
    activeSpeechType_ = 0;
    return;
  }
  activeSpeechType_ = TTSType;
  int failures = 0;
  while (!startEngine()) {
    ++failures;
    activeSpeechType_ = activeSpeechType_ == 3 ? 0 : 3;
  }
  if (failures == 0) return;
  // The platform's box is silent: the engine that took over says it first.
  speak(engineError());
  for (int i = 0; i < failures; ++i) SystemMsgBox(engineError(), msgbox::Critical, errorTitle());
}

void FRMTTS::UseVoiceUntilChosen() {
  readerFailures_ = 0;
  activeSpeechType_ = 3;
  if (!startEngine()) activeSpeechType_ = 0;
}

void FRMTTS::readerCallFailed(const std::string* lostText) {
  if (++readerFailures_ < kReaderFailureLimit) return;
  // A reader that keeps failing leaves the player in silence: the voice
  // takes over for this session; F5 tries the reader again.
  screenReader_.reset();
  activeSpeechType_ = 3;
  readerFailures_ = 0;
  readerUnreachable_ = true;
  if (!startEngine()) {
    activeSpeechType_ = 0;
    return;
  }
  speak(readerStopped());
  if (lostText) speak(*lostText);
}

void FRMTTS::speak(const std::string& t, int16_t SystemType) {
  if (trimSpaces(t).empty()) return;
  const std::string text = t.compare(0, 3, "***") == 0 ? t.substr(3) : t;
  if (activeSpeechType_ == 0) return;
  if (activeSpeechType_ != 3 && SystemType != 0) return;
  // An engine that fails drops this text only; the next call tries it again.
  try {
    if (voiceViaReader()) {
      try {
        screenReader_->Say(text, false);
        Trace::write("speak", {"1", text});
        lastThingSpoken_ = text;
        return;
      } catch (const std::exception&) {
        // The reader's server went away: the voice says this and what follows.
        screenReader_.reset();
        readerUnreachable_ = true;
      }
    }
    if (activeSpeechType_ == 1) {
      if (!screenReader_) return;
      screenReader_->Say(text, false);
      readerFailures_ = 0;
      Trace::write("speak", {"1", text});
    } else if (activeSpeechType_ == 3) {
      if (!voices_[1]) return;
      voices_[1]->Speak(text, svsf::Async);
      Trace::write("speak", {"3", text});
    }
  } catch (const std::exception&) {
    if (activeSpeechType_ == 1) readerCallFailed(&text);
    return;
  }
  lastThingSpoken_ = text;
}

bool FRMTTS::IsSpeaking() {
  if (activeSpeechType_ == 0) return false;
  // The reader's server speaks for type 1, and for the voice while a screen reader runs.
  if (screenReader_ && screenReader_->IsSpeaking()) return true;
  return activeSpeechType_ == 3 && voices_[1] && voices_[1]->IsSpeaking();
}

void FRMTTS::WhenHeard(float atMost, std::function<void(bool)> heard) {
  if (!heard) return;
  if (activeSpeechType_ == 0) {
    QTimer::singleShot(0, this, [heard] { heard(false); });
    return;
  }
  const auto end = std::chrono::steady_clock::now() +
                   std::chrono::duration_cast<std::chrono::steady_clock::duration>(std::chrono::duration<float>(atMost));
  listeners_.push_back({end, false, std::move(heard)});
  checkHeard();
  if (!listeners_.empty()) heardPoll_.start();
}

void FRMTTS::checkHeard() {
  const bool speaking = IsSpeaking();
  const auto now = std::chrono::steady_clock::now();
  for (auto it = listeners_.begin(); it != listeners_.end();) {
    if (speaking && now < it->end) {
      it->spoke = true;
      ++it;
      continue;
    }
    // The sound server still holds the last few milliseconds of what was said.
    QTimer::singleShot(it->spoke ? 100 : 0, this, [heard = std::move(it->heard)] { heard(true); });
    it = listeners_.erase(it);
  }
  if (listeners_.empty()) heardPoll_.stop();
}

void FRMTTS::StopSpeech() {
  try {
    if (activeSpeechType_ == 3) stopVoiceViaReader();
    if (activeSpeechType_ == 1 && screenReader_) {
      Trace::write("stopspeech");
      screenReader_->Stop();
      readerFailures_ = 0;
    } else if (activeSpeechType_ == 3 && voices_[1]) {
      Trace::write("stopspeech");
      voices_[1]->Speak("", svsf::PurgeBeforeSpeak);
    }
  } catch (const std::exception&) {
    // Absorbed: a stop that fails must not end the game.
    if (activeSpeechType_ == 1) readerCallFailed(nullptr);
  }
}

void FRMTTS::StopSpeaking(int16_t /*window*/) {
  try {
    if (activeSpeechType_ == 3) stopVoiceViaReader();
    if (activeSpeechType_ == 1 && screenReader_) {
      Trace::write("stopspeech");
      screenReader_->StopSpeech();
    } else if (activeSpeechType_ == 3 && voices_[1]) {
      Trace::write("stopspeech");
      voices_[1]->Speak("", svsf::PurgeBeforeSpeak);
    }
  } catch (...) {
  }
}

void FRMTTS::StopSpeakingAll() {
  for (int16_t w = 1; w <= 6; ++w) StopSpeaking(w);
}

void FRMTTS::RepeatLastThingSpoken() { speak(lastThingSpoken_); }

// Speaks one character by its table row; false when it has none.
bool FRMTTS::spellChar(const std::string& ch) {
  for (int r = 1; r <= 96; ++r) {
    const auto& row = table_[static_cast<size_t>(r)];
    if (row.character == ch) {
      speak(row.Spoken());
      return true;
    }
  }
  return false;
}

void FRMTTS::SpeakCharacter(const std::string& ch) {
  StopSpeech();
  if (!spellChar(ch)) speak(ch);
}

std::string FRMTTS::SayCharacter(int16_t keycode, int16_t shift) const {
  for (int r = 1; r <= 96; ++r) {
    const auto& row = table_[static_cast<size_t>(r)];
    if ((row.code == keycode && shift == 0) || (row.code == keycode + 1000 && shift == 1)) return row.Spoken();
  }
  return "";
}
