#include "speech/SpeechDispatcher.h"

#include <libspeechd.h>

#include <cstdlib>

namespace {

SPDConnection* openConnection(std::string* error) {
  char* err = nullptr;
  // Default address (honours SPEECHD_ADDRESS), autospawn on.
  SPDConnection* c = spd_open2("tunzle", "main", nullptr, SPD_MODE_SINGLE, nullptr, 1, &err);
  if (err) {
    if (error) *error = err;
    std::free(err);
  }
  return c;
}

// A lost server is looked for again at most this often, so a dead one does
// not stall every key.
constexpr auto kRetryGap = std::chrono::seconds(2);

}  // namespace

SpeechDispatcherReader::SpeechDispatcherReader() {
  std::string error;
  conn_ = openConnection(&error);
  lastAttempt_ = std::chrono::steady_clock::now();
  if (!conn_) throw SpeechEngineError("speech-dispatcher not reachable: " + error);
}

SpeechDispatcherReader::~SpeechDispatcherReader() { dropConnection(); }

void SpeechDispatcherReader::dropConnection() {
  if (conn_) spd_close(static_cast<SPDConnection*>(conn_));
  conn_ = nullptr;
}

void SpeechDispatcherReader::ensureConnected() {
  if (conn_) return;
  const auto now = std::chrono::steady_clock::now();
  if (now - lastAttempt_ < kRetryGap) throw SpeechEngineError("speech-dispatcher connection lost");
  lastAttempt_ = now;
  conn_ = openConnection(nullptr);
  if (!conn_) throw SpeechEngineError("speech-dispatcher not reachable");
}

void SpeechDispatcherReader::Say(const std::string& text, bool /*interrupt*/) {
  ensureConnected();
  // SPD_MESSAGE queues behind our earlier texts; SPD_TEXT would drop them.
  if (spd_say(static_cast<SPDConnection*>(conn_), SPD_MESSAGE, text.c_str()) < 0) {
    dropConnection();
    throw SpeechEngineError("speech-dispatcher refused the text");
  }
}

void SpeechDispatcherReader::Stop() {
  ensureConnected();
  // Our own connection only: the _all calls would silence the screen reader.
  if (spd_cancel(static_cast<SPDConnection*>(conn_)) < 0) {
    dropConnection();
    throw SpeechEngineError("speech-dispatcher refused to stop");
  }
}

void SpeechDispatcherReader::StopSpeech() { Stop(); }
