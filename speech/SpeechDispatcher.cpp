#include "speech/SpeechDispatcher.h"

#include <libspeechd.h>

#include <pthread.h>
#include <signal.h>

#include <chrono>
#include <condition_variable>
#include <cstdlib>
#include <deque>
#include <mutex>
#include <thread>

namespace {

using Clock = std::chrono::steady_clock;

// A lost server is looked for again at most this often.
constexpr auto kRetryGap = std::chrono::seconds(2);
// A command unanswered this long means the server has hung.
constexpr auto kAnswerTimeout = std::chrono::seconds(2);

}  // namespace

struct SpeechDispatcherReader::Channel {
  enum class State { Connecting, Up, Down };
  struct Command {
    bool cancel;
    std::string text;
  };

  std::mutex m;
  std::condition_variable cv;
  std::deque<Command> commands;
  State state = State::Connecting;
  bool reconnect = true;
  bool quit = false;
  bool busy = false;
  Clock::time_point busySince{};
  Clock::time_point lastAttempt{};
  std::string error;

  // Throws unless a command can be queued now.
  void checkUsable(std::unique_lock<std::mutex>&) {
    if (state != State::Up) {
      reconnect = true;
      cv.notify_all();
      throw SpeechEngineError("speech-dispatcher not connected");
    }
    if (busy && Clock::now() - busySince > kAnswerTimeout) throw SpeechEngineError("speech-dispatcher not answering");
  }

  void run() {
    // A server that went away must fail the write, not kill the game.
    sigset_t pipe;
    sigemptyset(&pipe);
    sigaddset(&pipe, SIGPIPE);
    pthread_sigmask(SIG_BLOCK, &pipe, nullptr);
    SPDConnection* conn = nullptr;
    std::unique_lock g(m);
    for (;;) {
      cv.wait(g, [&] { return quit || !commands.empty() || (state != State::Up && reconnect); });
      if (quit) break;
      if (state != State::Up) {
        commands.clear();  // texts sent while down are dropped
        const auto next = lastAttempt + kRetryGap;
        if (state == State::Down && Clock::now() < next) {
          cv.wait_until(g, next, [&] { return quit; });
          continue;
        }
        reconnect = false;
        lastAttempt = Clock::now();
        g.unlock();
        char* err = nullptr;
        // Default address (honours SPEECHD_ADDRESS), autospawn on.
        conn = spd_open2("tunzle", "main", nullptr, SPD_MODE_SINGLE, nullptr, 1, &err);
        std::string why = err ? err : "";
        std::free(err);
        g.lock();
        state = conn ? State::Up : State::Down;
        error = why;
        cv.notify_all();
        continue;
      }
      Command c = std::move(commands.front());
      commands.pop_front();
      busy = true;
      busySince = Clock::now();
      g.unlock();
      // SPD_MESSAGE queues behind our earlier texts (SPD_TEXT would drop
      // them); cancel touches our own connection only, never the _all calls.
      const int rc = c.cancel ? spd_cancel(conn) : spd_say(conn, SPD_MESSAGE, c.text.c_str());
      g.lock();
      busy = false;
      if (rc < 0) {
        spd_close(conn);
        conn = nullptr;
        state = State::Down;
      }
    }
    g.unlock();
    if (conn) spd_close(conn);
  }
};

SpeechDispatcherReader::SpeechDispatcherReader(std::chrono::milliseconds connectTimeout) : ch_(std::make_shared<Channel>()) {
  // Detached: a thread stuck on a hung server must not hold up the game's exit.
  std::thread([ch = ch_] { ch->run(); }).detach();
  std::unique_lock g(ch_->m);
  const bool answered = ch_->cv.wait_for(g, connectTimeout, [&] { return ch_->state != Channel::State::Connecting; });
  if (answered && ch_->state == Channel::State::Up) return;
  ch_->quit = true;
  ch_->cv.notify_all();
  throw SpeechEngineError(answered ? "speech-dispatcher not reachable: " + ch_->error : "speech-dispatcher did not answer");
}

SpeechDispatcherReader::~SpeechDispatcherReader() {
  std::lock_guard g(ch_->m);
  ch_->quit = true;
  ch_->commands.clear();
  ch_->cv.notify_all();
}

void SpeechDispatcherReader::Say(const std::string& text, bool /*interrupt*/) {
  std::unique_lock g(ch_->m);
  ch_->checkUsable(g);
  ch_->commands.push_back({false, text});
  ch_->cv.notify_all();
}

void SpeechDispatcherReader::Stop() {
  std::unique_lock g(ch_->m);
  ch_->checkUsable(g);
  // Texts not yet sent are simply not sent.
  ch_->commands.clear();
  ch_->commands.push_back({true, ""});
  ch_->cv.notify_all();
}

void SpeechDispatcherReader::StopSpeech() { Stop(); }
