#pragma once
// The two speech engines as the speech object sees them. Real adapters live
// beside this file; tests hand FRMTTS fakes through SpeechEngineFactory.
// Every engine call may throw SpeechEngineError.
#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

struct SpeechEngineError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

// Speak flags of the voice.
namespace svsf {
enum : int32_t { Default = 0, Async = 1, PurgeBeforeSpeak = 2 };
}

// Type 1: the screen reader's speech channel.
class ScreenReaderEngine {
 public:
  virtual ~ScreenReaderEngine() = default;
  // Starts speaking without waiting; queues behind our own earlier texts.
  virtual void Say(const std::string& text, bool interrupt) = 0;
  // Both silence our own speech (used by StopSpeech and StopSpeaking).
  virtual void Stop() = 0;
  virtual void StopSpeech() = 0;
  // True while our own texts wait or are still being heard.
  virtual bool IsSpeaking() { return false; }
};

struct VoiceToken {
  std::string id;        // what SetVoice needs
  std::string name;      // for people
  std::string language;  // its language tag ("en-gb"), if known
};

// The installed voices, in a stable order; Item throws past the end.
class VoiceTokens {
 public:
  VoiceTokens() = default;
  explicit VoiceTokens(std::vector<VoiceToken> items) : items_(std::move(items)) {}
  int32_t Count() const { return static_cast<int32_t>(items_.size()); }
  const VoiceToken& Item(int32_t index) const {
    if (index < 0 || index >= Count()) throw SpeechEngineError("no voice number " + std::to_string(index));
    return items_[static_cast<size_t>(index)];
  }

 private:
  std::vector<VoiceToken> items_;
};

// Type 3: a text-to-speech voice.
class SpeechVoiceEngine {
 public:
  virtual ~SpeechVoiceEngine() = default;
  // With svsf::Async returns at once, the text queued. svsf::PurgeBeforeSpeak
  // first discards everything queued and playing. Returns a stream number.
  virtual int32_t Speak(const std::string& text, int32_t flags) = 0;
  virtual VoiceTokens GetVoices(const std::string& RequiredAttributes, const std::string& OptionalAttributes) = 0;
  virtual void SetVoice(const VoiceToken& token) = 0;
  // The id of the voice in use: a token's id, or a language tag until one is set.
  virtual std::string VoiceId() const { return {}; }
  // -10..10 is the normal range, 0 the engine's default pace.
  virtual int32_t Rate() const = 0;
  virtual void SetRate(int32_t rate) = 0;
  // 0..100.
  virtual int32_t Volume() const = 0;
  virtual void SetVolume(int32_t volume) = 0;
  virtual void SetPriority(int32_t priority) = 0;
  // True while text waits or is still being heard.
  virtual bool IsSpeaking() { return false; }
};

// Creates engines; a creation that fails throws SpeechEngineError.
class SpeechEngineFactory {
 public:
  virtual ~SpeechEngineFactory() = default;
  virtual std::unique_ptr<ScreenReaderEngine> CreateScreenReader() = 0;
  virtual std::unique_ptr<SpeechVoiceEngine> CreateVoice() = 0;
};

// speech-dispatcher for type 1, espeak-ng through OpenAL for type 3.
std::unique_ptr<SpeechEngineFactory> RealSpeechEngines();
