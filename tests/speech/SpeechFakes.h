#pragma once
// Fake engines that log every call, a key script that plays the main
// window's part in key loops, and a trace file per test.
#include "common/Keys.h"
#include "base/Trace.h"
#include "speech/FRMTTS.h"

#include <QTemporaryDir>
#include "tests/support/TraceCapture.h"
#include <deque>
#include <fstream>

struct EngineLog {
  std::vector<std::string> calls;  // "say:t", "stop", "stopspeech", "speak:t", "purge", "voice:id", "rate:n", ...
  bool readerFails = false, voiceFails = false;  // creation
  bool sayFails = false, stopFails = false, rateFails = false;
  int voiceCount = 2;
  std::vector<VoiceToken> voices;  // when given, instead of voiceCount English ones
  std::string voiceInUse;
  int32_t rate = 0, volume = 100;

  std::vector<std::string> spoken() const {
    std::vector<std::string> out;
    for (const auto& c : calls)
      for (const char* p : {"say:", "speak:"})
        if (c.rfind(p, 0) == 0) out.push_back(c.substr(std::strlen(p)));
    return out;
  }
  int count(const std::string& call) const { return static_cast<int>(std::count(calls.begin(), calls.end(), call)); }
  void log(const std::string& c) { calls.push_back(c); }
  void fail(bool f) { if (f) throw SpeechEngineError("fake failure"); }
};

struct FakeReader : ScreenReaderEngine {
  std::shared_ptr<EngineLog> l;
  explicit FakeReader(std::shared_ptr<EngineLog> log) : l(std::move(log)) {}
  void Say(const std::string& t, bool) override { l->fail(l->sayFails); l->log("say:" + t); }
  void Stop() override { l->fail(l->stopFails); l->log("stop"); }
  void StopSpeech() override { l->fail(l->stopFails); l->log("stopspeech"); }
};

struct FakeVoice : SpeechVoiceEngine {
  std::shared_ptr<EngineLog> l;
  explicit FakeVoice(std::shared_ptr<EngineLog> log) : l(std::move(log)) {}
  int32_t Speak(const std::string& t, int32_t flags) override {
    if (flags & svsf::PurgeBeforeSpeak) { l->fail(l->stopFails); l->log("purge"); }
    if (flags == svsf::Async) { l->fail(l->sayFails); l->log("speak:" + t); }
    return 1;
  }
  VoiceTokens GetVoices(const std::string&, const std::string&) override {
    if (!l->voices.empty()) return VoiceTokens(l->voices);
    std::vector<VoiceToken> v;
    for (int i = 0; i < l->voiceCount; ++i) v.push_back({"v" + std::to_string(i), "English " + std::to_string(i), "en"});
    return VoiceTokens(v);
  }
  void SetVoice(const VoiceToken& t) override {
    l->voiceInUse = t.id;
    l->log("voice:" + t.id);
  }
  std::string VoiceId() const override { return l->voiceInUse; }
  int32_t Rate() const override { return l->rate; }
  void SetRate(int32_t r) override { l->fail(l->rateFails); l->rate = r; l->log("rate:" + std::to_string(r)); }
  int32_t Volume() const override { return l->volume; }
  void SetVolume(int32_t v) override { l->volume = v; l->log("volume:" + std::to_string(v)); }
  void SetPriority(int32_t p) override { l->log("priority:" + std::to_string(p)); }
};

struct FakeFactory : SpeechEngineFactory {
  std::shared_ptr<EngineLog> l;
  explicit FakeFactory(std::shared_ptr<EngineLog> log) : l(std::move(log)) {}
  std::unique_ptr<ScreenReaderEngine> CreateScreenReader() override {
    l->log("create-reader");
    l->fail(l->readerFails);
    return std::make_unique<FakeReader>(l);
  }
  std::unique_ptr<SpeechVoiceEngine> CreateVoice() override {
    l->log("create-voice");
    l->fail(l->voiceFails);
    return std::make_unique<FakeVoice>(l);
  }
};

// A speech object on fake engines whose waits hand over scripted keys
// (code 0: no key this time) and are recorded. An exhausted script presses
// Escape, so a loop that fails to end cannot hang the test.
struct Speech {
  std::shared_ptr<EngineLog> log = std::make_shared<EngineLog>();
  FRMTTS tts{std::make_unique<FakeFactory>(log)};
  std::deque<std::pair<int16_t, int16_t>> keys;
  std::vector<float> waits;
  bool ranOut = false, escapeWhenDone = true, captureWasOff = false;

  explicit Speech(std::optional<int16_t> type = std::nullopt) {
    TheKeyHandOver() = KeyHandOver{};
    tts.SetWaiter([this](float s) {
      waits.push_back(s);
      auto& h = TheKeyHandOver();
      captureWasOff = captureWasOff || !h.KeyCapture;
      if (keys.empty()) {
        if (escapeWhenDone) { ranOut = true; h.CapturedKey = vk::Escape; }
        return;
      }
      if (keys.front().first) { h.CapturedKey = keys.front().first; h.CapturedShift = keys.front().second; }
      keys.pop_front();
    });
    if (type) tts.TTSSetup(*type);
    tts.SetBump([l = log] { l->calls.push_back("bump"); });
    log->calls.clear();
  }
  Speech& press(int16_t code, int16_t shift = 0) { keys.emplace_back(code, shift); return *this; }
};

class TraceFile : public TraceCapture {
 public:
  std::vector<std::string> lines(const std::string& event = "") const { return Lines(event); }
};
