#pragma once
// The screen reader's speech server (speech-dispatcher), on a connection of
// our own: we only ever cancel our own messages, never the reader's.
// Every call to the server happens on a thread of its own, because a server
// whose audio output hangs stops answering, and the game must not hang with it.
#include "speech/SpeechEngines.h"

#include <chrono>
#include <memory>

class SpeechDispatcherReader : public ScreenReaderEngine {
 public:
  // Connects (starting the server if it can). Throws when no server is
  // reachable or none answers within connectTimeout (starting one can take
  // a few seconds); a server that takes the call and stays mute is given up
  // within about a second.
  explicit SpeechDispatcherReader(std::chrono::milliseconds connectTimeout = std::chrono::seconds(6));
  ~SpeechDispatcherReader() override;

  // Queue the command and return at once. They throw while the connection
  // is down (and ask for a new one) or while the server is not answering.
  void Say(const std::string& text, bool interrupt) override;
  void Stop() override;
  void StopSpeech() override;
  // From the server's end-of-message notices for our own messages. Never
  // blocks; a notice that never comes costs at most a bounded time per text,
  // and a server that stops answering is not speaking for us.
  bool IsSpeaking() override;

  struct Channel;

 private:
  std::shared_ptr<Channel> ch_;
};
