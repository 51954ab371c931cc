#include "speech/EspeakVoice.h"

#include "base/Trace.h"
#include "base/Translate.h"

#include "common/SoundWake.h"

#define AL_ALEXT_PROTOTYPES
#include <AL/al.h>
#include <AL/alc.h>
#include <AL/alext.h>
#include <espeak-ng/speak_lib.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

namespace {

// espeak-ng is one engine per process and not thread-safe.
std::mutex& espeakLock() {
  static std::mutex m;
  return m;
}

struct EspeakProcess {
  int sampleRate = -1;
  std::string appliedVoice;
  std::vector<VoiceToken> voices;
};

EspeakProcess& espeakProcess() {
  static EspeakProcess p;
  return p;
}

// The job being synthesized on this thread; synchronous mode calls back on it.
struct SynthTarget {
  EspeakVoice* voice;
  uint64_t generation;
};
thread_local SynthTarget* tTarget = nullptr;

int synthCallback(short* wav, int count, espeak_EVENT*) {
  if (!tTarget || !wav || count <= 0) return 0;
  // Non-zero aborts the synthesis: the text was purged.
  return tTarget->voice->deliver(tTarget->generation, wav, count) ? 0 : 1;
}

// Starts espeak-ng once; returns its sample rate, or throws.
int startEspeak() {
  auto& p = espeakProcess();
  if (p.sampleRate > 0) return p.sampleRate;
  // Small chunks: the first one reaches the speaker sooner.
  const int rate = espeak_Initialize(AUDIO_OUTPUT_SYNCHRONOUS, 20, nullptr, espeakINITIALIZE_DONT_EXIT);
  if (rate <= 0) throw SpeechEngineError("espeak-ng could not start");
  espeak_SetSynthCallback(synthCallback);
  if (const espeak_VOICE** list = espeak_ListVoices(nullptr)) {
    for (; *list; ++list)
      if ((*list)->identifier) {
        // Languages come as a priority byte and a tag, the best first.
        const char* languages = (*list)->languages;
        p.voices.push_back({(*list)->identifier, (*list)->name ? (*list)->name : "",
                            languages && *languages ? languages + 1 : ""});
      }
  }
  std::sort(p.voices.begin(), p.voices.end(), [](const VoiceToken& a, const VoiceToken& b) { return a.id < b.id; });
  p.sampleRate = rate;
  return rate;
}

// Makes our context current on this thread for the scope, without touching
// the process-wide one other code relies on.
class ContextScope {
 public:
  explicit ContextScope(void* ctx) {
    auto* c = static_cast<ALCcontext*>(ctx);
    if (c && alcGetCurrentContext() != c) {
      previous_ = alcGetThreadContext();
      alcSetThreadContext(c);
      restore_ = true;
    }
  }
  ~ContextScope() {
    if (restore_) alcSetThreadContext(previous_);
  }
  ContextScope(const ContextScope&) = delete;
  ContextScope& operator=(const ContextScope&) = delete;

 private:
  ALCcontext* previous_ = nullptr;
  bool restore_ = false;
};

}  // namespace

int EspeakVoice::WordsPerMinute(int32_t rate) {
  // -10 lands on the engine's slowest pace; beyond +10 it keeps speeding up,
  // capped where words stop being words.
  const double step = std::pow(double(espeakRATE_NORMAL) / espeakRATE_MINIMUM, 0.1);
  const double wpm = espeakRATE_NORMAL * std::pow(step, std::clamp(rate, -100, 100));
  return static_cast<int>(std::lround(std::clamp(wpm, double(espeakRATE_MINIMUM), 2000.0)));
}

EspeakVoice::EspeakVoice() {
  {
    std::lock_guard g(espeakLock());
    sampleRate_ = startEspeak();
  }
  // The player's language, until a voice is chosen.
  voice_ = i18n::Language();
  Trace::write("voice", {voice_});

  context_ = alcGetCurrentContext();
  if (!context_) {
    // No one has opened the audio device yet: open the default one ourselves.
    if (ALCdevice* dev = alcOpenDevice(nullptr)) {
      const ALCint attrs[] = {ALC_REFRESH, 100, 0};
      if (ALCcontext* ctx = alcCreateContext(dev, attrs)) {
        ownDevice_ = dev;
        context_ = ctx;
        ownContext_ = true;
      } else {
        alcCloseDevice(dev);
      }
    }
  }
  makeSourceLocked();
  worker_ = std::thread([this] { run(); });
}

// The context's error state is shared with every thread using it (the song and
// Ogg feeders), so nothing here reads alGetError: results are judged by the names made.
void EspeakVoice::makeSourceLocked() {
  source_ = 0;
  if (!context_) return;
  ContextScope scope(context_);
  ALuint src = 0;
  alGenSources(1, &src);
  if (!src || !alIsSource(src)) return;
  source_ = src;
  alSourcei(source_, AL_SOURCE_RELATIVE, AL_TRUE);
  alSource3f(source_, AL_POSITION, 0.f, 0.f, 0.f);
  alSourcef(source_, AL_GAIN, volume_ / 100.f);
}

// A borrowed context can be destroyed by its owner (a sound reset closes the
// device and opens a new one): then follow the process's current context.
void EspeakVoice::followContextLocked() {
  if (ownContext_) return;
  ALCcontext* now = alcGetCurrentContext();
  auto* old = static_cast<ALCcontext*>(context_);
  // alcGetContextsDevice rejects a destroyed context without touching it.
  const bool oldAlive = old && alcGetContextsDevice(old) != nullptr;
  if (now == old && oldAlive) {
    ContextScope scope(context_);
    if (!source_ || alIsSource(source_)) return;
  }
  if (oldAlive && now != old && source_) {
    ContextScope scope(context_);
    alSourceStop(source_);
    alSourcei(source_, AL_BUFFER, 0);
    for (ALuint b : queued_) alDeleteBuffers(1, &b);
    alDeleteSources(1, &source_);
  }
  // Names of a dead context belong to no one now.
  queued_.clear();
  context_ = now;
  makeSourceLocked();
}

EspeakVoice::~EspeakVoice() {
  {
    std::lock_guard g(lock_);
    quit_ = true;
    purgeLocked();
  }
  wake_.notify_all();
  if (worker_.joinable()) worker_.join();
  if (source_) {
    ContextScope scope(context_);
    alDeleteSources(1, &source_);
  }
  if (ownContext_) {
    if (alcGetCurrentContext() == context_) alcMakeContextCurrent(nullptr);
    alcDestroyContext(static_cast<ALCcontext*>(context_));
    alcCloseDevice(static_cast<ALCdevice*>(ownDevice_));
  }
}

void EspeakVoice::run() {
  for (;;) {
    Job job;
    {
      std::unique_lock g(lock_);
      wake_.wait(g, [this] { return quit_ || !jobs_.empty(); });
      if (quit_) return;
      job = std::move(jobs_.front());
      jobs_.pop_front();
      synthesizing_ = true;
    }
    {
      std::lock_guard g(espeakLock());
      auto& p = espeakProcess();
      if (p.appliedVoice != job.voice) {
        espeak_SetVoiceByName(job.voice.c_str());
        p.appliedVoice = job.voice;
      }
      espeak_SetParameter(espeakRATE, job.wpm, 0);
      SynthTarget target{this, job.generation};
      tTarget = &target;
      espeak_Synth(job.text.c_str(), job.text.size() + 1, 0, POS_CHARACTER, 0, espeakCHARS_UTF8, nullptr, nullptr);
      tTarget = nullptr;
    }
    std::lock_guard g(lock_);
    synthesizing_ = false;
  }
}

bool EspeakVoice::deliver(uint64_t generation, const int16_t* samples, int count) {
  std::lock_guard g(lock_);
  if (quit_ || generation != generation_) return false;
  followContextLocked();
  if (!source_) return true;  // no device: silent
  ContextScope scope(context_);
  reclaimLocked();
  ALuint buf = 0;
  alGenBuffers(1, &buf);
  if (!buf || !alIsBuffer(buf)) return true;
  alBufferData(buf, AL_FORMAT_MONO16, samples, count * static_cast<ALsizei>(sizeof(int16_t)), sampleRate_);
  ALint before = 0, after = 0;
  alGetSourcei(source_, AL_BUFFERS_QUEUED, &before);
  alSourceQueueBuffers(source_, 1, &buf);
  alGetSourcei(source_, AL_BUFFERS_QUEUED, &after);
  if (after != before + 1) {
    alDeleteBuffers(1, &buf);
    return true;
  }
  queued_.push_back(buf);
  // The engine cannot ask this voice whether it still speaks: say how long this lasts.
  soundwake::Wake(static_cast<double>(count) / std::max(1, sampleRate_));
  ALint state = 0;
  alGetSourcei(source_, AL_SOURCE_STATE, &state);
  // Synthesis can fall behind playback at the start; restart after a gap.
  if (state != AL_PLAYING) alSourcePlay(source_);
  return true;
}

// Frees the buffers the source has finished with (all of them once stopped).
void EspeakVoice::reclaimLocked() {
  ALint processed = 0;
  alGetSourcei(source_, AL_BUFFERS_PROCESSED, &processed);
  while (processed-- > 0 && !queued_.empty()) {
    ALuint buf = 0;
    alSourceUnqueueBuffers(source_, 1, &buf);
    alDeleteBuffers(1, &buf);
    queued_.pop_front();
  }
}

void EspeakVoice::purgeLocked() {
  ++generation_;
  jobs_.clear();
  if (!quit_) followContextLocked();
  if (source_ && !ownContext_ && !alcGetContextsDevice(static_cast<ALCcontext*>(context_))) {
    // Gone with its context: touching the names would hit another context's.
    source_ = 0;
    queued_.clear();
  }
  if (!source_) return;
  ContextScope scope(context_);
  alSourceStop(source_);
  alSourcei(source_, AL_BUFFER, 0);
  for (ALuint b : queued_) alDeleteBuffers(1, &b);
  queued_.clear();
}

int32_t EspeakVoice::Speak(const std::string& text, int32_t flags) {
  std::lock_guard g(lock_);
  if (flags & svsf::PurgeBeforeSpeak) purgeLocked();
  // Every call queues and returns at once; nothing here waits for speech.
  if (!text.empty()) {
    // The device wakes while the text is synthesized.
    soundwake::Wake();
    jobs_.push_back({generation_, text, voice_, WordsPerMinute(rate_)});
    wake_.notify_one();
  }
  return ++stream_;
}

VoiceTokens EspeakVoice::GetVoices(const std::string&, const std::string&) {
  std::lock_guard g(espeakLock());
  return VoiceTokens(espeakProcess().voices);
}

void EspeakVoice::SetVoice(const VoiceToken& token) {
  std::lock_guard g(lock_);
  voice_ = token.id;
  Trace::write("voice", {voice_});
}

std::string EspeakVoice::VoiceId() const {
  std::string id;
  {
    std::lock_guard g(lock_);
    id = voice_;
  }
  std::lock_guard g(espeakLock());
  auto& p = espeakProcess();
  for (const auto& t : p.voices)
    if (t.id == id) return id;
  // A language tag: the voice espeak-ng speaks it with.
  if (p.sampleRate > 0 && espeak_SetVoiceByName(id.c_str()) == EE_OK)
    if (const espeak_VOICE* v = espeak_GetCurrentVoice(); v && v->identifier) return v->identifier;
  return id;
}

int32_t EspeakVoice::Rate() const {
  std::lock_guard g(lock_);
  return rate_;
}

void EspeakVoice::SetRate(int32_t rate) {
  std::lock_guard g(lock_);
  rate_ = rate;
}

int32_t EspeakVoice::Volume() const {
  std::lock_guard g(lock_);
  return volume_;
}

void EspeakVoice::SetVolume(int32_t volume) {
  if (volume < 0 || volume > 100) throw SpeechEngineError("volume out of range");
  std::lock_guard g(lock_);
  volume_ = volume;
  followContextLocked();
  if (source_) {
    ContextScope scope(context_);
    alSourcef(source_, AL_GAIN, volume / 100.f);
  }
}

void EspeakVoice::SetPriority(int32_t priority) {
  std::lock_guard g(lock_);
  priority_ = priority;
}

bool EspeakVoice::IsSpeaking() {
  std::lock_guard g(lock_);
  if (!jobs_.empty() || synthesizing_) return true;
  followContextLocked();
  if (!source_) return false;
  ContextScope scope(context_);
  ALint state = 0;
  alGetSourcei(source_, AL_SOURCE_STATE, &state);
  return state == AL_PLAYING;
}
