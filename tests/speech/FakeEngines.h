#pragma once
// Fake speech engines that record every call into a log the test keeps after
// FRMTTS has taken the engines over.
#include "common/Keys.h"
#include "speech/FRMTTS.h"
#include "speech/KeyHandOver.h"
#include "speech/SpeechEngines.h"

#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <vector>

struct EngineLog {
  std::vector<std::string> calls;  // "say:<text>", "stop", "stopspeech", "speak:<text>", "purge", "voice:<id>", ...
  int readersCreated = 0;
  int voicesCreated = 0;
  bool readerCreationFails = false;
  bool voiceCreationFails = false;
  bool sayFails = false;        // every Say/Speak throws while set
  bool stopFails = false;       // every stop throws while set
  bool rateFails = false;
  int voiceCount = 2;           // installed voices
  int32_t rate = 0;
  int32_t volume = 100;

  // The texts handed to an engine, in order.
  std::vector<std::string> spoken() const {
    std::vector<std::string> out;
    for (const auto& c : calls) {
      if (c.rfind("say:", 0) == 0) out.push_back(c.substr(4));
      if (c.rfind("speak:", 0) == 0) out.push_back(c.substr(6));
    }
    return out;
  }
  int count(const std::string& call) const {
    int n = 0;
    for (const auto& c : calls) n += c == call;
    return n;
  }
};

class FakeReader : public ScreenReaderEngine {
 public:
  explicit FakeReader(std::shared_ptr<EngineLog> log) : log_(std::move(log)) {}
  void Say(const std::string& text, bool interrupt) override {
    if (log_->sayFails) throw SpeechEngineError("say failed");
    log_->calls.push_back("say:" + text + (interrupt ? "!" : ""));
  }
  void Stop() override {
    if (log_->stopFails) throw SpeechEngineError("stop failed");
    log_->calls.push_back("stop");
  }
  void StopSpeech() override {
    if (log_->stopFails) throw SpeechEngineError("stop failed");
    log_->calls.push_back("stopspeech");
  }

 private:
  std::shared_ptr<EngineLog> log_;
};

class FakeVoice : public SpeechVoiceEngine {
 public:
  explicit FakeVoice(std::shared_ptr<EngineLog> log) : log_(std::move(log)) {}
  int32_t Speak(const std::string& text, int32_t flags) override {
    if (flags & svsf::PurgeBeforeSpeak) {
      if (log_->stopFails) throw SpeechEngineError("purge failed");
      log_->calls.push_back("purge");
    }
    if (!(flags & svsf::PurgeBeforeSpeak) || !text.empty()) {
      if (log_->sayFails) throw SpeechEngineError("speak failed");
      log_->calls.push_back("speak:" + text + ((flags & svsf::Async) ? "" : "(sync)"));
    }
    return 1;
  }
  VoiceTokens GetVoices(const std::string&, const std::string&) override {
    std::vector<VoiceToken> v;
    for (int i = 0; i < log_->voiceCount; ++i) v.push_back({"v" + std::to_string(i), "Voice " + std::to_string(i)});
    return VoiceTokens(v);
  }
  void SetVoice(const VoiceToken& token) override { log_->calls.push_back("voice:" + token.id); }
  int32_t Rate() const override { return log_->rate; }
  void SetRate(int32_t rate) override {
    if (log_->rateFails) throw SpeechEngineError("rate refused");
    log_->rate = rate;
    log_->calls.push_back("rate:" + std::to_string(rate));
  }
  int32_t Volume() const override { return log_->volume; }
  void SetVolume(int32_t volume) override {
    log_->volume = volume;
    log_->calls.push_back("volume:" + std::to_string(volume));
  }
  void SetPriority(int32_t priority) override { log_->calls.push_back("priority:" + std::to_string(priority)); }

 private:
  std::shared_ptr<EngineLog> log_;
};

class FakeFactory : public SpeechEngineFactory {
 public:
  explicit FakeFactory(std::shared_ptr<EngineLog> log) : log_(std::move(log)) {}
  std::unique_ptr<ScreenReaderEngine> CreateScreenReader() override {
    log_->calls.push_back("create-reader");
    if (log_->readerCreationFails) throw SpeechEngineError("no server");
    ++log_->readersCreated;
    return std::make_unique<FakeReader>(log_);
  }
  std::unique_ptr<SpeechVoiceEngine> CreateVoice() override {
    log_->calls.push_back("create-voice");
    if (log_->voiceCreationFails) throw SpeechEngineError("no voice");
    ++log_->voicesCreated;
    return std::make_unique<FakeVoice>(log_);
  }

 private:
  std::shared_ptr<EngineLog> log_;
};

// Plays the main window's part while a key loop runs: each wait hands over
// the next scripted key (or none). When the script runs out it presses
// Escape so a loop that should have ended cannot hang the test.
struct KeyScript {
  std::deque<std::pair<int16_t, int16_t>> keys;  // code, shift; code 0 = no key this time
  std::vector<float> waits;
  bool ranOut = false;
  bool escapeWhenEmpty = true;  // false: an empty script just means no key
  std::function<void()> onWait;  // looks at the state from inside the loop

  void attach(FRMTTS& tts) {
    tts.SetWaiter([this](float seconds) {
      waits.push_back(seconds);
      if (onWait) onWait();
      auto& h = TheKeyHandOver();
      if (keys.empty()) {
        if (!escapeWhenEmpty) return;
        ranOut = true;
        h.CapturedKey = 27;
        h.CapturedShift = 0;
        return;
      }
      auto [code, shift] = keys.front();
      keys.pop_front();
      if (code != 0) {
        h.CapturedKey = code;
        h.CapturedShift = shift;
      }
    });
  }
  KeyScript& press(int16_t code, int16_t shift = 0) {
    keys.emplace_back(code, shift);
    return *this;
  }
  KeyScript& idle(int times = 1) {
    for (int i = 0; i < times; ++i) keys.emplace_back(0, 0);
    return *this;
  }
};
