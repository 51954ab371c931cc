#pragma GCC visibility push(default)
#include "customoggs/CustomOggS.h"
#pragma GCC visibility pop

#define AL_ALEXT_PROTOTYPES
#include <AL/al.h>
#include <AL/alc.h>
#include <AL/alext.h>
#include <sndfile.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <condition_variable>
#include <cstring>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace {

constexpr int kFramesPerBuffer = 2048;

// libsndfile reading a copy of a file held in memory.
struct MemoryFile {
  std::vector<uint8_t> bytes;
  sf_count_t pos = 0;

  static sf_count_t Length(void* user) { return static_cast<MemoryFile*>(user)->bytes.size(); }
  static sf_count_t Seek(sf_count_t offset, int whence, void* user) {
    auto* m = static_cast<MemoryFile*>(user);
    sf_count_t base = whence == SEEK_CUR ? m->pos : whence == SEEK_END ? static_cast<sf_count_t>(m->bytes.size()) : 0;
    m->pos = std::clamp<sf_count_t>(base + offset, 0, m->bytes.size());
    return m->pos;
  }
  static sf_count_t Read(void* ptr, sf_count_t count, void* user) {
    auto* m = static_cast<MemoryFile*>(user);
    count = std::min<sf_count_t>(count, m->bytes.size() - m->pos);
    std::memcpy(ptr, m->bytes.data() + m->pos, count);
    m->pos += count;
    return count;
  }
  static sf_count_t Write(const void*, sf_count_t, void*) { return 0; }
  static sf_count_t Tell(void* user) { return static_cast<MemoryFile*>(user)->pos; }
};

enum class State { Playing, Paused, Ended };

struct Stream {
  ALCcontext* context = nullptr;
  SNDFILE* file = nullptr;
  SF_INFO info{};
  std::unique_ptr<MemoryFile> memory;
  bool loop = false;
  bool atEnd = false;  // the decoder has nothing more to give
  State state = State::Playing;
  ALuint source = 0;
  std::vector<ALuint> buffers;
  std::vector<ALuint> idle;  // buffers not queued
  // The last buffers queued while the source was stopped or rewound: never
  // heard, though a stopped source counts them as processed.
  ALint unplayed = 0;
  float left = 1.0f, right = 1.0f;
  std::vector<short> in, out;
};

struct Library {
  std::mutex lock;
  std::map<int32_t, std::unique_ptr<Stream>> streams;
  int32_t nextHandle = 1;
  int32_t bufferCount = 5;
  bool started = false;
  std::thread feeder;
  std::condition_variable wake;
  bool quit = false;
  // The last whole-file decode, kept for the second call of the two-call protocol.
  // Guarded by its own lock: a long decode must not starve the streams' feeder.
  std::mutex decodeLock;
  std::string decodedPath;
  std::vector<short> decoded;
  int decodedChannels = 0, decodedRate = 0;

  ~Library() { StopFeeder(); }

  void StopFeeder() {
    {
      std::lock_guard<std::mutex> g(lock);
      quit = true;
    }
    wake.notify_all();
    if (feeder.joinable()) feeder.join();
    quit = false;
  }
};

Library& Lib() {
  static Library lib;
  return lib;
}

// Makes a stream's context current for this thread while in scope. The feeder
// thread has none of its own; a caller's thread normally has the stream's already,
// and is left exactly as it was.
class ContextScope {
 public:
  explicit ContextScope(ALCcontext* context) {
    if (alcGetCurrentContext() == context) return;
    static const bool threadLocal = alcIsExtensionPresent(nullptr, "ALC_EXT_thread_local_context");
    threadLocal_ = threadLocal;
    changed_ = true;
    if (threadLocal_) {
      previous_ = alcGetThreadContext();
      alcSetThreadContext(context);
    } else {
      previous_ = alcGetCurrentContext();
      alcMakeContextCurrent(context);
    }
  }
  ~ContextScope() {
    if (!changed_) return;
    if (threadLocal_) alcSetThreadContext(previous_);
    else alcMakeContextCurrent(previous_);
  }
  ContextScope(const ContextScope&) = delete;
  ContextScope& operator=(const ContextScope&) = delete;

 private:
  ALCcontext* previous_ = nullptr;
  bool changed_ = false, threadLocal_ = false;
};

// Decodes the next block into `buffer` as 16-bit stereo with the pan applied. False at the end.
bool Fill(Stream& s, ALuint buffer) {
  const int ch = s.info.channels;
  s.in.resize(static_cast<size_t>(kFramesPerBuffer) * ch);
  s.out.clear();
  sf_count_t frames = 0;
  bool rewound = false;  // a file that gives nothing after a rewind must not spin forever
  while (frames < kFramesPerBuffer && !s.atEnd) {
    sf_count_t got = sf_readf_short(s.file, s.in.data() + frames * ch, kFramesPerBuffer - frames);
    if (got <= 0) {
      if (s.loop && !rewound && sf_seek(s.file, 0, SEEK_SET) == 0) {
        rewound = true;
        continue;
      }
      s.atEnd = true;
      break;
    }
    rewound = false;
    frames += got;
  }
  if (frames == 0) return false;
  s.out.resize(static_cast<size_t>(frames) * 2);
  for (sf_count_t f = 0; f < frames; ++f) {
    const short l = s.in[f * ch];
    const short r = ch > 1 ? s.in[f * ch + 1] : l;
    s.out[f * 2] = static_cast<short>(std::lround(l * s.left));
    s.out[f * 2 + 1] = static_cast<short>(std::lround(r * s.right));
  }
  alBufferData(buffer, AL_FORMAT_STEREO16, s.out.data(), static_cast<ALsizei>(s.out.size() * sizeof(short)), s.info.samplerate);
  return true;
}

bool NotRunning(ALint sourceState) { return sourceState == AL_STOPPED || sourceState == AL_INITIAL; }

// Takes back what the source has played; returns what stays queued. A
// rewound source has played nothing of its queue, whatever it reports, and a
// stopped one only what was queued before it ran dry.
ALint DropPlayed(Stream& s) {
  ALint state = 0, queued = 0, processed = 0;
  alGetSourcei(s.source, AL_SOURCE_STATE, &state);
  alGetSourcei(s.source, AL_BUFFERS_QUEUED, &queued);
  if (NotRunning(state)) processed = queued - std::min(s.unplayed, queued);
  else alGetSourcei(s.source, AL_BUFFERS_PROCESSED, &processed);
  while (processed-- > 0) {
    ALuint b = 0;
    alSourceUnqueueBuffers(s.source, 1, &b);
    // The context's error state is shared with other threads: judge by the result.
    if (b) {
      s.idle.push_back(b);
      --queued;
    }
  }
  s.unplayed = std::min(s.unplayed, queued);
  return queued;
}

// Tops up one stream's queue, restarts it after an underrun and notices its end.
void Service(Stream& s) {
  if (s.state == State::Ended) return;
  ContextScope scope(s.context);
  DropPlayed(s);
  while (!s.idle.empty() && !s.atEnd) {
    ALuint b = s.idle.back();
    if (!Fill(s, b)) break;
    s.idle.pop_back();
    ALint state = 0;
    alGetSourcei(s.source, AL_SOURCE_STATE, &state);
    alSourceQueueBuffers(s.source, 1, &b);
    if (NotRunning(state)) ++s.unplayed;
  }
  if (s.state != State::Playing) return;
  ALint state = 0;
  alGetSourcei(s.source, AL_SOURCE_STATE, &state);
  if (state != AL_PLAYING) {
    // What a source that ran dry just now had played goes first, so the
    // restart begins with what it has not.
    const ALint queued = DropPlayed(s);
    if (queued > 0 && (s.unplayed > 0 || state == AL_PAUSED)) {
      s.unplayed = 0;
      alSourcePlay(s.source);  // underrun: go on with what is queued
      return;
    }
    if (s.atEnd) s.state = State::Ended;
  }
}

void ServiceAll(Library& lib) {
  for (auto& [handle, s] : lib.streams) Service(*s);
}

void FeederLoop() {
  Library& lib = Lib();
  std::unique_lock<std::mutex> g(lib.lock);
  while (!lib.quit) {
    ServiceAll(lib);
    // With nothing playing the feeder sleeps until a stream starts or resumes.
    bool playing = false;
    for (auto& [handle, s] : lib.streams) playing = playing || s->state == State::Playing;
    if (playing) lib.wake.wait_for(g, std::chrono::milliseconds(10));
    else lib.wake.wait(g);
  }
}

void Release(Stream& s) {
  ContextScope scope(s.context);
  alSourceStop(s.source);
  alSourcei(s.source, AL_BUFFER, 0);
  alDeleteSources(1, &s.source);
  alDeleteBuffers(static_cast<ALsizei>(s.buffers.size()), s.buffers.data());
  sf_close(s.file);
}

Stream* Find(Library& lib, int32_t handle) {
  auto it = lib.streams.find(handle);
  return it == lib.streams.end() ? nullptr : it->second.get();
}

int32_t Start(SNDFILE* file, const SF_INFO& info, std::unique_ptr<MemoryFile> memory, int32_t loop) {
  Library& lib = Lib();
  ALCcontext* context = alcGetCurrentContext();
  if (!file) return 0;
  if (!context || info.channels < 1 || info.samplerate < 1) {
    sf_close(file);
    return 0;
  }
  auto s = std::make_unique<Stream>();
  s->context = context;
  s->file = file;
  s->info = info;
  s->memory = std::move(memory);
  s->loop = loop != 0;

  std::lock_guard<std::mutex> g(lib.lock);
  ContextScope scope(context);
  // Judged by the names made, not by alGetError: other threads share the context's error state.
  alGenSources(1, &s->source);
  if (s->source && !alIsSource(s->source)) s->source = 0;
  if (s->source) {
    s->buffers.assign(lib.bufferCount, 0);
    alGenBuffers(lib.bufferCount, s->buffers.data());
  }
  const bool buffersMade = !s->buffers.empty() &&
                           std::all_of(s->buffers.begin(), s->buffers.end(), [](ALuint b) { return b && alIsBuffer(b); });
  if (!s->source || !buffersMade) {
    // Whatever was made goes back; a failed start must not leak device resources.
    if (s->source) alDeleteSources(1, &s->source);
    for (ALuint b : s->buffers)
      if (b && alIsBuffer(b)) alDeleteBuffers(1, &b);
    sf_close(file);
    return 0;
  }
  alSourcei(s->source, AL_SOURCE_RELATIVE, AL_TRUE);
  alSource3f(s->source, AL_POSITION, 0.0f, 0.0f, 0.0f);
  alSourcef(s->source, AL_ROLLOFF_FACTOR, 0.0f);
  s->idle = s->buffers;
  Service(*s);  // fills the queue and starts the source
  const int32_t handle = lib.nextHandle++;
  if (lib.nextHandle <= 0) lib.nextHandle = 1;
  lib.streams[handle] = std::move(s);
  if (!lib.feeder.joinable()) lib.feeder = std::thread(FeederLoop);
  lib.wake.notify_all();
  return handle;
}

}  // namespace

extern "C" {

int32_t InitOgg(int32_t, int32_t) {
  Library& lib = Lib();
  std::lock_guard<std::mutex> g(lib.lock);
  lib.started = true;
  return 1;
}

int32_t SetOggBufferSize(int32_t buffers) {
  Library& lib = Lib();
  std::lock_guard<std::mutex> g(lib.lock);
  lib.bufferCount = std::clamp(buffers, 2, 64);
  return 1;
}

int32_t GetOggBufferSize() {
  Library& lib = Lib();
  std::lock_guard<std::mutex> g(lib.lock);
  return lib.bufferCount;
}

int32_t UpdateOgg() {
  Library& lib = Lib();
  std::lock_guard<std::mutex> g(lib.lock);
  ServiceAll(lib);
  return 1;
}

int32_t PlayOggFromDisc(const char* path, int32_t loop) {
  if (!path) return 0;
  SF_INFO info{};
  SNDFILE* file = sf_open(path, SFM_READ, &info);
  return Start(file, info, nullptr, loop);
}

int32_t PlayOggFromMemory(const uint8_t* data, int32_t size, int32_t loop) {
  if (!data || size <= 0) return 0;
  auto memory = std::make_unique<MemoryFile>();
  memory->bytes.assign(data, data + size);
  static SF_VIRTUAL_IO io = {MemoryFile::Length, MemoryFile::Seek, MemoryFile::Read, MemoryFile::Write, MemoryFile::Tell};
  SF_INFO info{};
  SNDFILE* file = sf_open_virtual(&io, SFM_READ, &info, memory.get());
  return Start(file, info, std::move(memory), loop);
}

int32_t PauseOgg(int32_t handle) {
  Library& lib = Lib();
  std::lock_guard<std::mutex> g(lib.lock);
  Stream* s = Find(lib, handle);
  if (!s) return 0;
  ContextScope scope(s->context);
  if (s->state == State::Paused) {
    // A paused source goes on; a rewound or starved one is topped up and started by Service.
    s->state = State::Playing;
    ALint sourceState = 0;
    alGetSourcei(s->source, AL_SOURCE_STATE, &sourceState);
    if (sourceState == AL_PAUSED) alSourcePlay(s->source);
    Service(*s);
    lib.wake.notify_all();
    return 0;
  }
  // A played-out stream toggles too, so pause and resume stay paired for the caller.
  s->state = State::Paused;
  alSourcePause(s->source);
  return 1;
}

int32_t StopOgg(int32_t handle) {
  Library& lib = Lib();
  std::lock_guard<std::mutex> g(lib.lock);
  auto it = lib.streams.find(handle);
  if (it == lib.streams.end()) return 0;
  Release(*it->second);
  lib.streams.erase(it);
  return 1;
}

int32_t OggIsPlaying(int32_t handle) {
  Library& lib = Lib();
  std::lock_guard<std::mutex> g(lib.lock);
  Stream* s = Find(lib, handle);
  if (!s) return 0;
  Service(*s);  // an answer from the source's own state, not from the last tick
  return s->state == State::Playing ? 1 : 0;
}

int32_t SetVolumeOfOgg(int32_t volume, int32_t handle) {
  Library& lib = Lib();
  std::lock_guard<std::mutex> g(lib.lock);
  Stream* s = Find(lib, handle);
  if (!s) return 0;
  volume = std::clamp(volume, 0, 100);
  // 100 steps over 50 dB, as the caller maps hundredths of a decibel; 0 is silence.
  const float gain = volume == 0 ? 0.0f : static_cast<float>(std::pow(10.0, (volume - 100) / 40.0));
  ContextScope scope(s->context);
  alSourcef(s->source, AL_GAIN, gain);
  return 1;
}

int32_t SetPanOfOgg(int32_t pan, int32_t handle) {
  Library& lib = Lib();
  std::lock_guard<std::mutex> g(lib.lock);
  Stream* s = Find(lib, handle);
  if (!s) return 0;
  pan = std::clamp(pan, -50, 50);
  // OpenAL cannot pan a stereo source, so the samples are weighted as they are decoded.
  s->left = pan > 0 ? static_cast<float>(std::pow(10.0, -pan / 20.0)) : 1.0f;
  s->right = pan < 0 ? static_cast<float>(std::pow(10.0, pan / 20.0)) : 1.0f;
  return 1;
}

int32_t SetFrequencyOfOgg(int32_t hertz, int32_t handle) {
  Library& lib = Lib();
  std::lock_guard<std::mutex> g(lib.lock);
  Stream* s = Find(lib, handle);
  if (!s) return 0;
  const float pitch = hertz <= 0 ? 1.0f : std::clamp(static_cast<float>(hertz) / s->info.samplerate, 0.01f, 10.0f);
  ContextScope scope(s->context);
  alSourcef(s->source, AL_PITCH, pitch);
  return 1;
}

int32_t OggSetPosition(int32_t handle, int32_t byteOffset) {
  Library& lib = Lib();
  std::lock_guard<std::mutex> g(lib.lock);
  Stream* s = Find(lib, handle);
  if (!s) return 0;
  const sf_count_t frame = std::clamp<sf_count_t>(std::max(byteOffset, 0) / (2 * s->info.channels), 0, std::max<sf_count_t>(s->info.frames, 0));
  ContextScope scope(s->context);
  alSourceRewind(s->source);  // back to the initial state: nothing in the new queue counts as played
  alSourcei(s->source, AL_BUFFER, 0);
  s->idle = s->buffers;
  s->unplayed = 0;
  sf_seek(s->file, frame, SEEK_SET);
  s->atEnd = false;
  // A played-out stream becomes ready again, but waits for a resume.
  if (s->state == State::Ended) s->state = State::Paused;
  Service(*s);  // refills, and starts the source again when the stream is playing
  return 1;
}

int32_t OggGetPCMNumSamples(int32_t handle) {
  Library& lib = Lib();
  std::lock_guard<std::mutex> g(lib.lock);
  Stream* s = Find(lib, handle);
  return s ? static_cast<int32_t>(std::min<sf_count_t>(s->info.frames, INT32_MAX)) : 0;
}

int32_t DecodeOggFileToBuffer(const char* path, uint8_t* buffer, int32_t* bytes, int32_t* channels, int32_t* rate) {
  if (!path || !bytes || !channels || !rate) return 0;
  Library& lib = Lib();
  std::lock_guard<std::mutex> g(lib.decodeLock);
  if (lib.decodedPath != path) {
    lib.decodedPath.clear();
    lib.decoded.clear();
    SF_INFO info{};
    SNDFILE* file = sf_open(path, SFM_READ, &info);
    if (!file) return 0;
    // Decoded to the end rather than trusting the header's frame count.
    std::vector<short> pcm;
    std::vector<short> block(static_cast<size_t>(4096) * info.channels);
    sf_count_t got;
    while ((got = sf_readf_short(file, block.data(), 4096)) > 0) {
      pcm.insert(pcm.end(), block.begin(), block.begin() + got * info.channels);
      if (pcm.size() * sizeof(short) > INT32_MAX / 2) break;  // the count must fit its 32 bits
    }
    sf_close(file);
    lib.decoded = std::move(pcm);
    lib.decodedChannels = info.channels;
    lib.decodedRate = info.samplerate;
    lib.decodedPath = path;
  }
  const int64_t need = static_cast<int64_t>(lib.decoded.size() * sizeof(short));
  const int64_t capacity = *bytes;
  *channels = lib.decodedChannels;
  *rate = lib.decodedRate;
  *bytes = static_cast<int32_t>(need);
  if (need == 0) return 0;
  if (!buffer || capacity < need) return 1;  // counts only
  std::memcpy(buffer, lib.decoded.data(), need);
  lib.decodedPath.clear();
  lib.decoded = {};
  return 1;
}

int32_t ShutdownOgg() {
  Library& lib = Lib();
  lib.StopFeeder();
  std::lock_guard<std::mutex> g(lib.lock);
  for (auto& [handle, s] : lib.streams) Release(*s);
  lib.streams.clear();
  lib.started = false;
  return 1;
}

}  // extern "C"
