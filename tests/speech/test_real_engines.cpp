// The real engines: espeak-ng heard through an OpenAL loopback device, and
// speech-dispatcher where a server can be started.
#include "TraceFile.h"
#include "speech/EspeakVoice.h"
#include "speech/FRMTTS.h"
#include "speech/SpeechDispatcher.h"

#define AL_ALEXT_PROTOTYPES
#include <AL/al.h>
#include <AL/alc.h>
#include <AL/alext.h>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cmath>
#include <set>
#include <thread>

namespace {

// An in-memory audio device made current for the test, as the sound engine
// makes its own device current in the game.
struct Loopback {
  static constexpr int kRate = 44100;
  ALCdevice* device = nullptr;
  ALCcontext* context = nullptr;

  Loopback() {
    device = alcLoopbackOpenDeviceSOFT(nullptr);
    const ALCint attrs[] = {ALC_FREQUENCY, kRate, ALC_FORMAT_CHANNELS_SOFT, ALC_STEREO_SOFT,
                            ALC_FORMAT_TYPE_SOFT, ALC_FLOAT_SOFT, 0};
    if (device) context = alcCreateContext(device, attrs);
    if (context) alcMakeContextCurrent(context);
  }
  ~Loopback() {
    alcMakeContextCurrent(nullptr);
    if (context) alcDestroyContext(context);
    if (device) alcCloseDevice(device);
  }
  bool ok() const { return context != nullptr; }

  // Renders frames (stereo) and returns the larger channel's magnitude per frame.
  std::vector<float> render(int frames) {
    std::vector<float> buf(static_cast<size_t>(frames) * 2);
    alcRenderSamplesSOFT(device, buf.data(), frames);
    std::vector<float> out(static_cast<size_t>(frames));
    for (int i = 0; i < frames; ++i) out[i] = std::max(std::fabs(buf[2 * i]), std::fabs(buf[2 * i + 1]));
    return out;
  }
};

struct Heard {
  long voicedFrames = 0;  // frames above a whisper
  float peak = 0;
};

// Plays everything the voice has to say, rendering faster than real time but
// never ahead of synthesis, and measures it.
Heard renderAll(Loopback& lb, EspeakVoice& voice) {
  Heard h;
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
  while (voice.IsSpeaking() && std::chrono::steady_clock::now() < deadline) {
    for (float v : lb.render(1024)) {
      if (v > 1e-3f) ++h.voicedFrames;
      h.peak = std::max(h.peak, v);
    }
    std::this_thread::sleep_for(std::chrono::microseconds(200));
  }
  return h;
}

const char* kSentence = "Music Tunzle. Slide the tiles until the song plays in order.";

}  // namespace

TEST(EspeakVoice, SpeaksThroughTheCurrentDeviceAndFasterIsShorter) {
  Loopback lb;
  ASSERT_TRUE(lb.ok());
  EspeakVoice voice;
  ASSERT_TRUE(voice.HasOutput());
  EXPECT_EQ(voice.Rate(), 0);
  EXPECT_EQ(voice.Volume(), 100);

  voice.Speak(kSentence, svsf::Async);
  const Heard normal = renderAll(lb, voice);
  EXPECT_GT(normal.voicedFrames, Loopback::kRate) << "over a second of speech expected";

  voice.SetRate(8);
  voice.Speak(kSentence, svsf::Async);
  const Heard fast = renderAll(lb, voice);
  EXPECT_GT(fast.voicedFrames, 0);
  EXPECT_LT(fast.voicedFrames, normal.voicedFrames * 3 / 4);

  voice.SetRate(21);  // beyond the usual range the engine still speeds up
  voice.Speak(kSentence, svsf::Async);
  const Heard fastest = renderAll(lb, voice);
  EXPECT_GT(fastest.voicedFrames, 0);
  EXPECT_LT(fastest.voicedFrames, fast.voicedFrames);
}

TEST(EspeakVoice, RateScaleIsGeometricAroundTheDefault) {
  EXPECT_EQ(EspeakVoice::WordsPerMinute(0), 175);
  EXPECT_EQ(EspeakVoice::WordsPerMinute(-10), 80);
  EXPECT_EQ(EspeakVoice::WordsPerMinute(-50), 80);
  const double r1 = double(EspeakVoice::WordsPerMinute(5)) / EspeakVoice::WordsPerMinute(0);
  const double r2 = double(EspeakVoice::WordsPerMinute(10)) / EspeakVoice::WordsPerMinute(5);
  EXPECT_NEAR(r1, r2, 0.01);
  EXPECT_GT(EspeakVoice::WordsPerMinute(21), EspeakVoice::WordsPerMinute(10));
}

TEST(EspeakVoice, PurgeSilencesAtOnceAndSpeechResumesAfter) {
  Loopback lb;
  ASSERT_TRUE(lb.ok());
  EspeakVoice voice;
  voice.Speak(kSentence, svsf::Async);
  voice.Speak(kSentence, svsf::Async);  // a second one queued behind

  bool heard = false;
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
  while (!heard && std::chrono::steady_clock::now() < deadline) {
    for (float v : lb.render(512)) heard = heard || v > 1e-3f;
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  ASSERT_TRUE(heard);
  lb.render(2048);  // well into the first sentence

  voice.Speak("", svsf::PurgeBeforeSpeak);
  float after = 0;
  for (int i = 0; i < 20; ++i) {
    for (float v : lb.render(1024)) after = std::max(after, v);
    std::this_thread::sleep_for(std::chrono::milliseconds(2));
  }
  EXPECT_EQ(after, 0.f) << "nothing of either sentence after the purge";
  EXPECT_FALSE(voice.IsSpeaking());

  voice.Speak("Again.", svsf::Async);
  EXPECT_GT(renderAll(lb, voice).voicedFrames, 0);
}

TEST(EspeakVoice, VolumeScalesTheSamples) {
  Loopback lb;
  ASSERT_TRUE(lb.ok());
  EspeakVoice voice;
  voice.Speak("Volume.", svsf::Async);
  const Heard full = renderAll(lb, voice);
  voice.SetVolume(50);
  voice.Speak("Volume.", svsf::Async);
  const Heard half = renderAll(lb, voice);
  ASSERT_GT(full.peak, 0.f);
  EXPECT_NEAR(half.peak / full.peak, 0.5, 0.05);
  EXPECT_THROW(voice.SetVolume(101), SpeechEngineError);
  EXPECT_EQ(voice.Volume(), 50);
}

TEST(EspeakVoice, VoicesAreListedInAStableOrderAndCanBeChosen) {
  Loopback lb;
  ASSERT_TRUE(lb.ok());
  EspeakVoice voice;
  const VoiceTokens a = voice.GetVoices("", "");
  const VoiceTokens b = voice.GetVoices("", "");
  ASSERT_GT(a.Count(), 1);
  ASSERT_EQ(a.Count(), b.Count());
  std::set<std::string> ids;
  for (int i = 0; i < a.Count(); ++i) {
    EXPECT_EQ(a.Item(i).id, b.Item(i).id);
    ids.insert(a.Item(i).id);
  }
  EXPECT_EQ(static_cast<int>(ids.size()), a.Count());
  EXPECT_THROW(a.Item(a.Count()), SpeechEngineError);

  voice.SetVoice(a.Item(a.Count() - 1));
  voice.Speak("Here is the current voice", svsf::Async);
  EXPECT_GT(renderAll(lb, voice).voicedFrames, 0);
}

TEST(RealSpeech, VoiceTypeSpeaksThroughTheLoopbackAndIsTraced) {
  TraceFile trace;
  Loopback lb;
  ASSERT_TRUE(lb.ok());
  {
    FRMTTS tts;
    tts.TTSSetup(3);
    ASSERT_EQ(tts.ActiveSpeechType(), 3);
    tts.speak("A Korvel Game.");
    float peak = 0;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (peak == 0 && std::chrono::steady_clock::now() < deadline) {
      for (float v : lb.render(512)) peak = std::max(peak, v);
      std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    EXPECT_GT(peak, 0.f);
  }
  EXPECT_THAT(trace.lines(), ::testing::ElementsAre("speak\t3\tA Korvel Game."));
}

TEST(RealSpeech, UnreachableSpeechServerFallsBackToTheVoice) {
  TraceFile trace;
  Loopback lb;
  ASSERT_TRUE(lb.ok());
  const char* old = std::getenv("SPEECHD_ADDRESS");
  const std::string saved = old ? old : "";
  setenv("SPEECHD_ADDRESS", "unix_socket:/nonexistent/tunzle-test.sock", 1);
  EXPECT_THROW(SpeechDispatcherReader reader, SpeechEngineError);
  {
    FRMTTS tts;
    tts.TTSSetup(1);
    EXPECT_EQ(tts.ActiveSpeechType(), 3);
    tts.speak("Music Tunzle.");
  }
  if (old) setenv("SPEECHD_ADDRESS", saved.c_str(), 1);
  else unsetenv("SPEECHD_ADDRESS");
  EXPECT_THAT(trace.lines(),
              ::testing::ElementsAre("msgbox\tError! \tError initializing screen reader or MS SAPI.", "answer\t1",
                                     "speak\t3\tMusic Tunzle."));
}

TEST(RealSpeech, SpeechDispatcherTakesAndCancelsOurTexts) {
  TraceFile trace;
  FRMTTS tts(nullptr);
  try {
    SpeechDispatcherReader probe;
  } catch (const SpeechEngineError& e) {
    GTEST_SKIP() << "no speech-dispatcher server could be reached or started here: " << e.what();
  }
  tts.TTSSetup(1);
  ASSERT_EQ(tts.ActiveSpeechType(), 1);
  // The server accepting a text is all that can be checked: whether it is
  // heard depends on its output module and the sound card.
  tts.speak("Hello.");
  tts.StopSpeech();
  tts.speak("Again.");
  EXPECT_EQ(tts.LastThingSpoken(), "Again.");
  EXPECT_THAT(trace.lines(), ::testing::ElementsAre("speak\t1\tHello.", "stopspeech", "speak\t1\tAgain."));
}

namespace {

// A local socket that takes connections and then says nothing, or answers
// only the greeting: a speech server whose audio output has hung.
class MuteServer {
 public:
  explicit MuteServer(bool answerGreeting) : answer_(answerGreeting) {
    path_ = dir_.filePath("speechd.sock").toStdString();
    fd_ = socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un addr{};
    addr.sun_family = AF_UNIX;
    std::snprintf(addr.sun_path, sizeof addr.sun_path, "%s", path_.c_str());
    bind(fd_, reinterpret_cast<sockaddr*>(&addr), sizeof addr);
    listen(fd_, 4);
    thread_ = std::thread([this] { serve(); });
  }
  ~MuteServer() {
    shutdown(fd_, SHUT_RDWR);
    close(fd_);
    thread_.join();
    for (int c : clients_) close(c);
  }
  std::string address() const { return "unix_socket:" + path_; }

 private:
  void serve() {
    for (;;) {
      const int c = accept(fd_, nullptr, nullptr);
      if (c < 0) return;
      clients_.push_back(c);
      if (answer_) {
        char buf[256];
        if (read(c, buf, sizeof buf) > 0) {
          const char reply[] = "208 OK CLIENT NAME SET\r\n";
          (void)!write(c, reply, sizeof reply - 1);
        }
      }
    }
  }
  QTemporaryDir dir_;
  std::string path_;
  bool answer_;
  int fd_ = -1;
  std::vector<int> clients_;
  std::thread thread_;
};

struct EnvVar {
  std::string name, saved;
  bool had;
  EnvVar(const char* n, const std::string& value) : name(n) {
    const char* old = std::getenv(n);
    had = old != nullptr;
    if (had) saved = old;
    setenv(n, value.c_str(), 1);
  }
  ~EnvVar() {
    if (had) setenv(name.c_str(), saved.c_str(), 1);
    else unsetenv(name.c_str());
  }
};

}  // namespace

TEST(SpeechDispatcherReader, ServerThatNeverAnswersCountsAsUnreachable) {
  MuteServer server(false);
  EnvVar address("SPEECHD_ADDRESS", server.address());
  EXPECT_THROW(SpeechDispatcherReader reader(std::chrono::milliseconds(300)), SpeechEngineError);
}

TEST(SpeechDispatcherReader, HungServerDoesNotHoldUpTheCaller) {
  MuteServer server(true);
  EnvVar address("SPEECHD_ADDRESS", server.address());
  SpeechDispatcherReader reader(std::chrono::seconds(5));
  // The server never answers these; the calls must return all the same.
  EXPECT_NO_THROW(reader.Say("Music Tunzle.", false));
  EXPECT_NO_THROW(reader.Say("A Korvel Game.", false));
  EXPECT_NO_THROW(reader.Stop());
  // Once the first text has gone unanswered for a while the reader says so,
  // and the speech object drops the text instead of piling it up.
  std::this_thread::sleep_for(std::chrono::milliseconds(2300));
  EXPECT_THROW(reader.Say("Again.", false), SpeechEngineError);
}

TEST(SpeechDispatcherReader, LostServerIsLookedForAgain) {
  auto server = std::make_unique<MuteServer>(true);
  EnvVar address("SPEECHD_ADDRESS", server->address());
  MuteServer second(true);
  SpeechDispatcherReader reader(std::chrono::seconds(5));
  server.reset();  // the server goes away
  // Whatever the timing, a text sent to a dead server must not end the
  // process (no SIGPIPE) and the reader must come back to "not connected".
  bool down = false;
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
  while (!down && std::chrono::steady_clock::now() < deadline) {
    try {
      reader.Say("anyone?", false);
      std::this_thread::sleep_for(std::chrono::milliseconds(20));
    } catch (const SpeechEngineError&) {
      down = true;
    }
  }
  ASSERT_TRUE(down);

  // A server is back: one of the next texts reaches it again.
  setenv("SPEECHD_ADDRESS", second.address().c_str(), 1);
  bool up = false;
  const auto later = std::chrono::steady_clock::now() + std::chrono::seconds(8);
  while (!up && std::chrono::steady_clock::now() < later) {
    try {
      reader.Say("back?", false);
      up = true;
    } catch (const SpeechEngineError&) {
      std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
  }
  EXPECT_TRUE(up);
}
