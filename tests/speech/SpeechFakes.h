#pragma once
// Fake engines that log every call, the adjusters driven as the game drives
// them, and a trace file per test.
#include "common/Keys.h"
#include "base/Trace.h"
#include "speech/FRMTTS.h"

#include <QTemporaryDir>
#include "tests/support/Await.h"
#include "tests/support/TraceCapture.h"
#include <fstream>

struct EngineLog {
  std::vector<std::string> calls;  // "say:t", "stop", "stopspeech", "speak:t", "purge", "voice:id", "rate:n", ...
  bool readerFails = false, voiceFails = false;  // creation
  bool sayFails = false, stopFails = false, rateFails = false;
  int voiceCount = 2;
  std::vector<VoiceToken> voices;  // when given, instead of voiceCount English ones
  std::string voiceInUse;
  int32_t rate = 0, volume = 100;
  bool speaking = false;  // the voice's words still being heard

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
  bool IsSpeaking() override { return l->speaking; }
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

// A speech object on fake engines, and its adjusters opened, handed keys as
// the game hands them, and waited for.
struct Speech {
  std::shared_ptr<EngineLog> log = std::make_shared<EngineLog>();
  FRMTTS tts{std::make_unique<FakeFactory>(log)};

  explicit Speech(std::optional<int16_t> type = std::nullopt) {
    if (type) tts.TTSSetup(*type);
    tts.SetBump([l = log] { l->calls.push_back("bump"); });
    log->calls.clear();
  }
  int16_t adjust(void (FRMTTS::*open)(int16_t, std::function<void(int16_t)>), int16_t current,
                 std::vector<int16_t> keys) {
    return Await<int16_t>([&](auto done) {
      (tts.*open)(current, done);
      for (int16_t k : keys) tts.AdjusterKey(k, 0);
    });
  }
};

class TraceFile : public TraceCapture {
 public:
  std::vector<std::string> lines(const std::string& event = "") const { return Lines(event); }
};
