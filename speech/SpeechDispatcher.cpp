#include "speech/SpeechDispatcher.h"

#include "base/Translate.h"

#include <libspeechd.h>

#include <fcntl.h>
#include <netdb.h>
#include <poll.h>
#include <pthread.h>
#include <signal.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <algorithm>
#include <deque>
#include <mutex>
#include <set>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

// A lost server is looked for again at most this often.
constexpr auto kRetryGap = std::chrono::seconds(2);
// A command unanswered this long means the server has hung.
constexpr auto kAnswerTimeout = std::chrono::seconds(2);
// How long a server may take to answer one question before a connection.
constexpr auto kProbeTimeout = std::chrono::milliseconds(1000);
// A text whose end is never reported stops counting as spoken after this
// much, plus kPerCharacter for each character (a slow voice's pace), from
// when the texts before it should have ended.
constexpr auto kEndGrace = std::chrono::seconds(3);
constexpr auto kPerCharacter = std::chrono::milliseconds(150);

enum class Probe { NoServer, Silent, Answered };

// Waits for fd to become ready for `events` until `end`.
bool waitReady(int fd, short events, Clock::time_point end) {
  for (;;) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(end - Clock::now()).count();
    if (left <= 0) return false;
    pollfd p{fd, events, 0};
    const int r = poll(&p, 1, static_cast<int>(left));
    if (r > 0) return true;
    if (r < 0 && errno != EINTR) return false;
  }
}

int connectTo(const SPDConnectionAddress& a, Clock::time_point end, bool& silent) {
  int fd = -1;
  int rc = -1;
  if (a.method == SPD_METHOD_UNIX_SOCKET && a.unix_socket_name) {
    sockaddr_un u{};
    u.sun_family = AF_UNIX;
    if (std::strlen(a.unix_socket_name) >= sizeof u.sun_path) return -1;
    std::strcpy(u.sun_path, a.unix_socket_name);
    fd = socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (fd < 0) return -1;
    rc = connect(fd, reinterpret_cast<sockaddr*>(&u), sizeof u);
  } else if (a.method == SPD_METHOD_INET_SOCKET && a.inet_socket_host) {
    addrinfo hints{};
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* res = nullptr;
    if (getaddrinfo(a.inet_socket_host, std::to_string(a.inet_socket_port).c_str(), &hints, &res) != 0 || !res) return -1;
    fd = socket(res->ai_family, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (fd >= 0) rc = connect(fd, res->ai_addr, res->ai_addrlen);
    freeaddrinfo(res);
    if (fd < 0) return -1;
  } else {
    return -1;
  }
  if (rc < 0 && (errno == EINPROGRESS || errno == EAGAIN)) {
    // A full backlog or a slow accept: a server that is not taking callers.
    int err = 0;
    socklen_t len = sizeof err;
    if (!waitReady(fd, POLLOUT, end)) silent = true;
    else if (getsockopt(fd, SOL_SOCKET, SO_ERROR, &err, &len) == 0 && err == 0) rc = 0;
  }
  if (rc < 0) {
    close(fd);
    return -1;
  }
  return fd;
}

// One harmless question on a socket of our own, never waiting past `limit`.
// spd_open2 would wait for its answer for good, and a server that accepts
// callers but never answers must not cost the game a thread stuck in it.
Probe probeServer(std::chrono::milliseconds limit) {
  const auto end = Clock::now() + limit;
  char* err = nullptr;
  SPDConnectionAddress* a = spd_get_default_address(&err);
  std::free(err);
  if (!a) return Probe::NoServer;
  bool silent = false;
  const int fd = connectTo(*a, end, silent);
  SPDConnectionAddress__free(a);
  if (fd < 0) return silent ? Probe::Silent : Probe::NoServer;
  static const char ask[] = "SET self CLIENT_NAME \"tunzle:tunzle:probe\"\r\n";
  Probe result = Probe::Silent;
  if (send(fd, ask, sizeof ask - 1, MSG_NOSIGNAL) == static_cast<ssize_t>(sizeof ask - 1)) {
    while (waitReady(fd, POLLIN, end)) {
      char buf[128];
      const ssize_t n = recv(fd, buf, sizeof buf, 0);
      if (n == 0) {
        result = Probe::NoServer;  // it hung up on us
        break;
      }
      if (n < 0) {
        if (errno == EINTR || errno == EAGAIN) continue;
        break;
      }
      if (std::memchr(buf, '\n', static_cast<size_t>(n))) {
        result = Probe::Answered;
        break;
      }
    }
  }
  if (result == Probe::Answered) (void)!send(fd, "QUIT\r\n", 6, MSG_NOSIGNAL);
  close(fd);
  return result;
}

// Hands the ends of texts to the open connections' channels.
void onNotice(size_t msgId, size_t clientId, SPDNotificationType type);
void hearEnds(SpeechDispatcherReader::Channel* ch, bool on);

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

  // Our texts the server has taken and not yet reported ended, each with the
  // time after which it is taken as ended all the same.
  struct Spoken {
    size_t id;
    Clock::time_point deadline;
  };
  std::vector<Spoken> spoken;
  // Ends reported before spd_say handed us the text's number.
  std::set<size_t> endedEarly;
  size_t highestId = 0;
  Clock::time_point lastDeadline{};
  bool sendingText = false;

  void forgetSpoken() {
    spoken.clear();
    endedEarly.clear();
    lastDeadline = Clock::now();
  }

  void sent(size_t id, size_t length) {
    highestId = std::max(highestId, id);
    // Only one text is ever on its way, so older early ends are not ours.
    endedEarly.erase(endedEarly.begin(), endedEarly.lower_bound(id));
    if (endedEarly.erase(id)) return;
    lastDeadline = std::max(Clock::now(), lastDeadline) + kEndGrace + kPerCharacter * static_cast<long>(length);
    spoken.push_back({id, lastDeadline});
  }

  // Message numbers are the server's own, unique across its clients, so a
  // notice meant for another connection of ours matches nothing here.
  void ended(size_t id) {
    const auto it = std::find_if(spoken.begin(), spoken.end(), [&](const Spoken& s) { return s.id == id; });
    if (it != spoken.end()) {
      spoken.erase(it);
      // Nothing of ours is left ahead of the next text: its bound starts from now,
      // not from the end a long text before it was given.
      if (spoken.empty()) lastDeadline = Clock::now();
    } else if (id > highestId) {
      endedEarly.insert(id);
    }
  }

  bool speaking() {
    std::lock_guard g(m);
    if (state != State::Up) return false;
    const auto now = Clock::now();
    // A hung server is not speaking for us; waiting on it would hang the game.
    if (busy && now - busySince > kAnswerTimeout) return false;
    spoken.erase(std::remove_if(spoken.begin(), spoken.end(), [&](const Spoken& s) { return s.deadline < now; }),
                 spoken.end());
    if (sendingText || !spoken.empty()) return true;
    return std::any_of(commands.begin(), commands.end(), [](const Command& c) { return !c.cancel; });
  }

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
        std::string why = "not answering";
        // No server at all is left to spd_open2, which may start one.
        if (probeServer(kProbeTimeout) != Probe::Silent) {
          char* err = nullptr;
          // Default address (honours SPEECHD_ADDRESS), autospawn on.
          // Threaded: notices of our texts' ends come on libspeechd's thread.
          conn = spd_open2("tunzle", "main", nullptr, SPD_MODE_THREADED, nullptr, 1, &err);
          why = err ? err : "";
          std::free(err);
          if (conn) {
            conn->callback_end = onNotice;
            conn->callback_cancel = onNotice;
            hearEnds(this, true);
            // Refused, a text counts as spoken until its bound runs out.
            spd_set_notification_on(conn, SPD_END);
            spd_set_notification_on(conn, SPD_CANCEL);
            // The server's voice speaks the language the texts are in.
            spd_set_language(conn, i18n::Language().c_str());
          }
        }
        g.lock();
        highestId = 0;  // a new server numbers anew
        forgetSpoken();
        state = conn ? State::Up : State::Down;
        error = why;
        cv.notify_all();
        continue;
      }
      Command c = std::move(commands.front());
      commands.pop_front();
      busy = true;
      sendingText = !c.cancel;
      busySince = Clock::now();
      g.unlock();
      // SPD_MESSAGE queues behind our earlier texts (SPD_TEXT would drop
      // them); cancel touches our own connection only, never the _all calls.
      const int rc = c.cancel ? spd_cancel(conn) : spd_say(conn, SPD_MESSAGE, c.text.c_str());
      if (rc < 0) {
        hearEnds(this, false);
        spd_close(conn);
        conn = nullptr;
      }
      g.lock();
      busy = false;
      // A stop while the text was on its way: the cancel behind it ends it.
      const bool keep = sendingText;
      sendingText = false;
      if (rc < 0) state = State::Down;
      else if (c.cancel) forgetSpoken();
      else if (keep) sent(static_cast<size_t>(rc), c.text.size());
    }
    g.unlock();
    if (conn) {
      hearEnds(this, false);
      spd_close(conn);
    }
  }
};

namespace {

// libspeechd calls back on its own thread with no pointer of ours, so the
// open connections' channels are found here. Never destroyed: a detached
// server thread may outlive main().
struct Registry {
  std::mutex lock;
  std::vector<SpeechDispatcherReader::Channel*> channels;
};
Registry& registry() {
  static auto* r = new Registry;
  return *r;
}

void onNotice(size_t msgId, size_t /*clientId*/, SPDNotificationType /*type*/) {
  auto& r = registry();
  std::lock_guard l(r.lock);
  for (auto* ch : r.channels) {
    std::lock_guard g(ch->m);
    ch->ended(msgId);
  }
}

void hearEnds(SpeechDispatcherReader::Channel* ch, bool on) {
  auto& r = registry();
  std::lock_guard l(r.lock);
  if (on) r.channels.push_back(ch);
  else r.channels.erase(std::remove(r.channels.begin(), r.channels.end(), ch), r.channels.end());
}

}  // namespace

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
  // Texts not yet sent are simply not sent; those sent are being cancelled.
  ch_->commands.clear();
  ch_->forgetSpoken();
  ch_->sendingText = false;
  ch_->commands.push_back({true, ""});
  ch_->cv.notify_all();
}

void SpeechDispatcherReader::StopSpeech() { Stop(); }

bool SpeechDispatcherReader::IsSpeaking() { return ch_->speaking(); }
