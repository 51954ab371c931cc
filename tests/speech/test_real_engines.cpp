// The real engines: espeak-ng heard through an OpenAL loopback device made
// current as the sound engine's would be, and speech-dispatcher.
#include "SpeechFakes.h"

#include "speech/EspeakVoice.h"
#include "speech/SpeechDispatcher.h"

#include <libspeechd.h>

#define AL_ALEXT_PROTOTYPES
#include "tests/support/LoopbackContext.h"

#include <AL/alc.h>
#include <AL/alext.h>
#include <gmock/gmock.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <strings.h>
#include <unistd.h>

#include <cmath>
#include <cstdlib>
#include <optional>
#include <string>
#include <thread>

using ::testing::ElementsAre;
using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

namespace {

struct Loopback : LoopbackContext {
  float peak(int frames) {
    std::vector<float> buf(static_cast<size_t>(frames) * 2);
    Render(buf.data(), static_cast<size_t>(frames));
    float p = 0;
    for (float v : buf) p = std::max(p, std::fabs(v));
    return p;
  }
  // Plays out everything the voice has to say: frames heard and the peak.
  std::pair<long, float> drain(EspeakVoice& v) {
    long heard = 0;
    float top = 0;
    for (auto end = Clock::now() + 20s; v.IsSpeaking() && Clock::now() < end; std::this_thread::sleep_for(200us))
      for (int i = 0; i < 8; ++i) {
        const float p = peak(128);
        heard += p > 1e-3f ? 128 : 0;
        top = std::max(top, p);
      }
    return {heard, top};
  }
};

const char* kSentence = "Music Tunzle. Slide the tiles until the song plays in order.";

}  // namespace

TEST(EspeakVoice, SpeaksThroughTheCurrentDeviceFasterIsShorterVolumeScales) {
  Loopback lb;
  EspeakVoice v;
  ASSERT_TRUE(v.HasOutput());
  std::vector<std::pair<long, float>> runs;
  for (int rate : {0, 8, 21}) {
    v.SetRate(rate);
    v.Speak(kSentence, svsf::Async);
    runs.push_back(lb.drain(v));
  }
  EXPECT_GT(runs[0].first, 44100) << "over a second of speech at the default rate";
  EXPECT_LT(runs[1].first, runs[0].first * 3 / 4);
  EXPECT_LT(runs[2].first, runs[1].first);
  EXPECT_GT(runs[2].first, 0);

  v.SetRate(0);
  v.SetVolume(50);
  v.Speak(kSentence, svsf::Async);
  EXPECT_NEAR(lb.drain(v).second / runs[0].second, 0.5, 0.05);
  EXPECT_THROW(v.SetVolume(101), SpeechEngineError);

  EXPECT_EQ(EspeakVoice::WordsPerMinute(0), 175);
  EXPECT_EQ(EspeakVoice::WordsPerMinute(-10), 80);
}

TEST(EspeakVoice, PurgeSilencesAtOnce) {
  Loopback lb;
  EspeakVoice v;
  v.Speak(kSentence, svsf::Async);
  v.Speak(kSentence, svsf::Async);
  for (auto end = Clock::now() + 10s; lb.peak(512) == 0 && Clock::now() < end;) std::this_thread::sleep_for(1ms);
  ASSERT_GT(lb.peak(2048), 0.f);
  v.Speak("", svsf::PurgeBeforeSpeak);
  float after = 0;
  for (int i = 0; i < 20; ++i, std::this_thread::sleep_for(2ms)) after = std::max(after, lb.peak(1024));
  EXPECT_EQ(after, 0.f) << "nothing of either sentence after the purge";
  EXPECT_FALSE(v.IsSpeaking());
  v.Speak("Again.", svsf::Async);
  EXPECT_GT(lb.drain(v).first, 0);
}

TEST(EspeakVoice, VoicesComeInAStableOrderAndCanBeChosen) {
  Loopback lb;
  EspeakVoice v;
  const VoiceTokens a = v.GetVoices("", ""), b = v.GetVoices("", "");
  ASSERT_GT(a.Count(), 1);
  for (int i = 0; i < a.Count(); ++i) EXPECT_EQ(a.Item(i).id, b.Item(i).id);
  EXPECT_THROW(a.Item(a.Count()), SpeechEngineError);
  // Before a voice is chosen, the one in use is the player's language's, named as the list names it.
  const std::string first = v.VoiceId();
  bool listed = false;
  for (int i = 0; i < a.Count(); ++i) listed = listed || (a.Item(i).id == first && a.Item(i).language.rfind("en", 0) == 0);
  EXPECT_TRUE(listed) << first;
  v.SetVoice(a.Item(a.Count() - 1));
  EXPECT_EQ(v.VoiceId(), a.Item(a.Count() - 1).id);
  v.Speak("Here is the current voice", svsf::Async);
  EXPECT_GT(lb.drain(v).first, 0);
}

TEST(RealSpeech, UnreachableServerFallsBackToTheVoiceWhichSpeaks) {
  TraceFile trace;
  Loopback lb;
  setenv("SPEECHD_ADDRESS", "unix_socket:/nonexistent/tunzle.sock", 1);
  {
    FRMTTS tts;
    tts.TTSSetup(1);
    unsetenv("SPEECHD_ADDRESS");
    EXPECT_EQ(tts.ActiveSpeechType(), 3);
    EXPECT_TRUE(QTest::qWaitFor([&] { return trace.Has("answer\t1"); })) << "the box answers from the loop";
    tts.speak("Music Tunzle.");
    float p = 0;
    for (auto end = Clock::now() + 10s; p == 0 && Clock::now() < end; std::this_thread::sleep_for(1ms)) p = lb.peak(512);
    EXPECT_GT(p, 0.f);
  }
  EXPECT_THAT(trace.lines(), ElementsAre("voice\ten", "speak\t3\tError starting the screen reader or the built-in voice.",
                                         "msgbox\tError! \tError starting the screen reader or the built-in voice.", "answer\t1",
                                         "speak\t3\tMusic Tunzle."));
}

namespace {

// Why no speech-dispatcher server can be reached or started here; nothing when one can.
std::optional<std::string> SpeechDispatcherMissing() {
  try {
    SpeechDispatcherReader probe;
  } catch (const SpeechEngineError& e) {
    return std::string(e.what());
  }
  return std::nullopt;
}

}  // namespace

// Under the test rig's own sound server the speech server must start; elsewhere it may be absent.
#define REQUIRE_SPEECH_DISPATCHER()                                                                       \
  if (const auto missing = SpeechDispatcherMissing()) {                                                   \
    if (std::getenv("TUNZLE_SOUND_SERVER")) FAIL() << "speech-dispatcher did not start: " << *missing;   \
    GTEST_SKIP() << "no speech-dispatcher server could be reached or started here: " << *missing;       \
  }

TEST(RealSpeech, SpeechDispatcherTakesOurTexts) {
  TraceFile trace;
  REQUIRE_SPEECH_DISPATCHER();
  FRMTTS tts;
  tts.TTSSetup(1);
  ASSERT_EQ(tts.ActiveSpeechType(), 1);
  // Only acceptance can be checked: whether it is heard is the server's affair.
  tts.speak("Hello.");
  tts.StopSpeech();
  EXPECT_THAT(trace.lines(), ElementsAre("speak\t1\tHello.", "stopspeech"));
}

TEST(RealSpeech, SpeechDispatcherTellsWhenOurWordsEnd) {
  REQUIRE_SPEECH_DISPATCHER();
  FRMTTS tts;
  tts.TTSSetup(1);
  ASSERT_EQ(tts.ActiveSpeechType(), 1);
  // Another client of the same server, as a screen reader would be.
  SPDConnection* other = spd_open("tunzle-test", "other", nullptr, SPD_MODE_SINGLE);
  ASSERT_NE(other, nullptr);
  const std::string longText = std::string(kSentence) + " " + kSentence;
  // How long the game's words count as still spoken.
  auto heard = [&](const std::string& text, bool otherSpeaksToo) {
    const auto start = Clock::now();
    tts.speak(text);
    EXPECT_TRUE(tts.IsSpeaking()) << "words on their way count at once";
    if (otherSpeaksToo) spd_say(other, SPD_TEXT, longText.c_str());
    while (tts.IsSpeaking() && Clock::now() < start + 40s) std::this_thread::sleep_for(5ms);
    return std::chrono::duration<double>(Clock::now() - start).count();
  };
  heard("Ready.", false);  // the server starts its voice on the first text
  const double shortOne = heard("Yes.", false);
  const double longOne = heard(longText, false);
  // Ended by the server's notice, well before the bound a lost notice gets
  // (3 s for "Yes.", over 20 s for the sentences).
  EXPECT_LT(shortOne, 2.5);
  EXPECT_GT(longOne, shortOne + 1.5) << "the long text is heard to its end";
  EXPECT_LT(longOne, 15.0);
  EXPECT_LT(heard("Yes.", true), 2.5) << "another client's words are not ours";
  spd_cancel(other);

  tts.speak(longText);
  tts.StopSpeech();
  EXPECT_FALSE(tts.IsSpeaking());
  EXPECT_LT(heard("No.", false), 2.5) << "ends are still told after a stop";
  spd_close(other);
}

namespace {
// A socket that takes connections and answers settings but never a text: a
// speech server whose audio output has hung (or, unanswering, a dead one).
// With takeTexts it queues texts but never tells of their end.
struct MuteServer {
  QTemporaryDir dir;
  std::string path = dir.filePath("s").toStdString();
  int fd = socket(AF_UNIX, SOCK_STREAM, 0);
  std::vector<int> clients;          // the acceptor's own until it is joined
  std::vector<std::thread> threads;  // likewise
  std::thread acceptor;
  // `at`: a socket path of the caller's, so servers can follow one another
  // at one address without the environment changing under running threads.
  explicit MuteServer(bool answerSettings, const std::string& at = "", bool takeTexts = false) {
    if (!at.empty()) path = at;
    unlink(path.c_str());
    clients.reserve(64);
    sockaddr_un a{AF_UNIX, {}};
    std::snprintf(a.sun_path, sizeof a.sun_path, "%s", path.c_str());
    bind(fd, reinterpret_cast<sockaddr*>(&a), sizeof a);
    listen(fd, 4);
    acceptor = std::thread([this, answerSettings, takeTexts] {
      for (int c; (c = accept(fd, nullptr, nullptr)) >= 0;) {
        clients.push_back(c);
        if (answerSettings) threads.emplace_back([c, takeTexts] { answer(c, takeTexts); });
      }
    });
  }
  ~MuteServer() {
    shutdown(fd, SHUT_RDWR);
    acceptor.join();  // no more clients after this
    for (int c : clients) shutdown(c, SHUT_RDWR);
    for (auto& t : threads) t.join();
    for (int c : clients) close(c);
    close(fd);
    unlink(path.c_str());
  }
  static void answer(int c, bool takeTexts) {
    std::string in;
    char buf[256];
    bool inText = false;
    int id = 0;
    // A client gone mid-answer must not kill the test with SIGPIPE.
    auto say = [c](const std::string& s) { (void)!send(c, s.data(), s.size(), MSG_NOSIGNAL); };
    for (ssize_t n; (n = read(c, buf, sizeof buf)) > 0;) {
      in.append(buf, static_cast<size_t>(n));
      for (size_t e; (e = in.find("\r\n")) != std::string::npos; in.erase(0, e + 2)) {
        const std::string line = in.substr(0, e);
        if (inText) {
          if (line == ".") {
            inText = false;
            say("225-" + std::to_string(++id) + "\r\n225 OK MESSAGE QUEUED\r\n");
          }
        } else if (line.rfind("SET ", 0) == 0) {
          say("208 OK\r\n");
        } else if (takeTexts && strncasecmp(line.c_str(), "SPEAK", 5) == 0) {
          inText = true;
          say("230 OK RECEIVING DATA\r\n");
        } else if (takeTexts && strncasecmp(line.c_str(), "CANCEL", 6) == 0) {
          say("210 OK CANCELED\r\n");
        }
      }
    }
  }
};
}  // namespace

TEST(SpeechDispatcherReader, HungOrLostServerNeverHoldsUpTheGame) {
  // One address for the whole test, set before any reader's thread runs: the
  // servers come and go there (setenv beside a thread reading it is a race).
  QTemporaryDir place;
  const std::string address = place.filePath("speech").toStdString();
  setenv("SPEECHD_ADDRESS", ("unix_socket:" + address).c_str(), 1);
  {
    MuteServer silent(false, address);
    EXPECT_THROW(SpeechDispatcherReader(300ms), SpeechEngineError);
  }
  auto hung = std::make_unique<MuteServer>(true, address);
  SpeechDispatcherReader reader(5s);
  // Nothing is answered; the calls return all the same.
  EXPECT_NO_THROW(reader.Say("Music Tunzle.", false));
  EXPECT_NO_THROW(reader.Stop());
  // Waits for the verdict itself: the unanswered text's clock starts on the
  // server thread, which a loaded machine may run late.
  bool hungSeen = false;
  for (auto end = Clock::now() + 20s; !hungSeen && Clock::now() < end; std::this_thread::sleep_for(50ms))
    try { reader.Stop(); } catch (const SpeechEngineError&) { hungSeen = true; }
  EXPECT_TRUE(hungSeen) << "a text long unanswered marks the server hung";
  EXPECT_THROW(reader.Say("Again.", false), SpeechEngineError);

  hung.reset();  // the server goes away: no SIGPIPE, the reader notices
  bool down = false;
  for (auto end = Clock::now() + 20s; !down && Clock::now() < end; std::this_thread::sleep_for(20ms))
    try { reader.Say("anyone?", false); } catch (const SpeechEngineError&) { down = true; }
  ASSERT_TRUE(down);

  MuteServer back(true, address);  // and finds a new one on a later call
  bool up = false;
  for (auto end = Clock::now() + 20s; !up && Clock::now() < end; std::this_thread::sleep_for(100ms))
    try { reader.Say("back?", false); up = true; } catch (const SpeechEngineError&) {}
  EXPECT_TRUE(up);
  // The address stays set: a detached thread of an earlier reader may still
  // read the environment, and each test runs in a process of its own.
}

TEST(SpeechDispatcherReader, AnEndNeverToldCountsOnlyUntilItIsLongOverdue) {
  QTemporaryDir place;
  const std::string address = place.filePath("speech").toStdString();
  setenv("SPEECHD_ADDRESS", ("unix_socket:" + address).c_str(), 1);
  MuteServer forgetful(true, address, true);
  SpeechDispatcherReader reader(5s);
  const auto start = Clock::now();
  reader.Say("Yes.", false);
  EXPECT_TRUE(reader.IsSpeaking());
  while (reader.IsSpeaking() && Clock::now() < start + 30s) std::this_thread::sleep_for(10ms);
  const double counted = std::chrono::duration<double>(Clock::now() - start).count();
  EXPECT_GT(counted, 1.0) << "a text the server took counts as spoken";
  EXPECT_LT(counted, 6.0) << "a lost end must not hold the game's waits for good";
  EXPECT_NO_THROW(reader.Say("Again.", false)) << "the server still answers";
}

TEST(RealSpeech, ServerThatNeverAnswersIsGivenUpSoonAndTheVoiceSaysSo) {
  TraceFile trace;
  QTemporaryDir place;  // one address, set before any thread runs
  const std::string address = place.filePath("speech").toStdString();
  setenv("SPEECHD_ADDRESS", ("unix_socket:" + address).c_str(), 1);
  MuteServer silent(false, address);
  const auto start = Clock::now();
  {
    FRMTTS tts;
    tts.TTSSetup(1);
    // A server being started may take seconds; one that took the call and
    // stays mute is known within about one.
    EXPECT_LT(Clock::now() - start, 4s);
    EXPECT_EQ(tts.ActiveSpeechType(), 3);
  }
  unsetenv("SPEECHD_ADDRESS");
  EXPECT_TRUE(QTest::qWaitFor([&] { return trace.Has("answer\t1"); }));
  EXPECT_THAT(trace.lines(), ElementsAre("voice\ten", "speak\t3\tError starting the screen reader or the built-in voice.",
                                         "msgbox\tError! \tError starting the screen reader or the built-in voice.", "answer\t1"));
}

TEST(RealSpeech, ServerThatHangsAfterConnectingHandsOverToTheVoiceOnceAndF5TriesAgain) {
  TraceFile trace;
  QTemporaryDir place;  // one address, set before any thread runs
  const std::string address = place.filePath("speech").toStdString();
  setenv("SPEECHD_ADDRESS", ("unix_socket:" + address).c_str(), 1);
  auto hung = std::make_unique<MuteServer>(true, address);
  FRMTTS tts;
  tts.TTSSetup(1);
  ASSERT_EQ(tts.ActiveSpeechType(), 1);
  // A player walking the board: every key stops speech, then something is said.
  int square = 0;
  for (auto end = Clock::now() + 15s; tts.ActiveSpeechType() == 1 && Clock::now() < end; std::this_thread::sleep_for(100ms)) {
    tts.StopSpeech();
    tts.speak("Square " + std::to_string(++square));
  }
  ASSERT_EQ(tts.ActiveSpeechType(), 3) << "the voice takes over";
  tts.StopSpeech();
  tts.speak("Next square");
  const auto voice = trace.lines("speak\t3");
  ASSERT_GE(voice.size(), 2u);
  EXPECT_EQ(voice.front(),
            "speak\t3\tThe screen reader stopped speaking. The built-in voice speaks instead; press F5 to choose again.");
  EXPECT_EQ(voice.back(), "speak\t3\tNext square");
  EXPECT_EQ(std::count(voice.begin(), voice.end(), voice.front()), 1) << "said once";

  MuteServer back(true, address);  // F5, screen reader: the server is tried again
  tts.TTSSetup(1);
  EXPECT_EQ(tts.ActiveSpeechType(), 1);
  unsetenv("SPEECHD_ADDRESS");
}
