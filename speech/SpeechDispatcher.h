#pragma once
// The screen reader's speech server (speech-dispatcher), on a connection of
// our own: we only ever cancel our own messages, never the reader's.
#include "speech/SpeechEngines.h"

#include <chrono>

class SpeechDispatcherReader : public ScreenReaderEngine {
 public:
  // Connects (starting the server if it can); throws when none is reachable.
  SpeechDispatcherReader();
  ~SpeechDispatcherReader() override;

  void Say(const std::string& text, bool interrupt) override;
  void Stop() override;
  void StopSpeech() override;

 private:
  void ensureConnected();
  void dropConnection();

  void* conn_ = nullptr;  // SPDConnection*
  std::chrono::steady_clock::time_point lastAttempt_{};
};
