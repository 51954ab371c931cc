#include "sound/MediaGraph.h"

#include "sound/SongDecoder.h"

#include "common/SoundWake.h"
#include "base/Trace.h"

#include <AL/al.h>
#include <AL/alc.h>
#include <AL/alext.h>

#include <algorithm>
#include <cmath>

namespace {

// Six buffers of 1024 frames: about 140 ms queued at 44.1 kHz, enough to ride
// out a busy machine; pause, seek and volume act on the source at once, so
// the depth adds no latency to them.
constexpr int64_t kChunk = 1024;
constexpr int kBuffers = 6;
// The feeder sleeps until its front buffer has played, within these bounds:
// never a busy loop, never so long that the queue runs dry.
constexpr auto kMinSleep = std::chrono::milliseconds(2);
constexpr auto kMaxSleep = std::chrono::milliseconds(50);

using SetThreadContextFn = ALCboolean(ALC_APIENTRY*)(ALCcontext*);

}  // namespace

int64_t EdgeFadeFrames(int32_t rate) { return rate / 250; }

void ApplyEdgeFade(float* stereo, int64_t frames, int64_t fromStart, int64_t toEnd, int64_t fade) {
  auto scale = [&](int64_t i) {
    const int64_t k = std::min(fromStart + i + 1, toEnd - i);
    if (k > fade) return;
    const float g = static_cast<float>(std::max<int64_t>(k, 0)) / static_cast<float>(fade + 1);
    stereo[2 * i] *= g;
    stereo[2 * i + 1] *= g;
  };
  for (int64_t i = 0; i < std::min(frames, fade - fromStart); ++i) scale(i);
  for (int64_t i = std::max<int64_t>({0, toEnd - fade, fade - fromStart}); i < frames; ++i) scale(i);
}

std::unique_ptr<MediaGraph> MakeMediaGraph() { return std::make_unique<Mp3Graph>(); }

Mp3Graph::Mp3Graph() = default;

Mp3Graph::~Mp3Graph() {
  {
    std::lock_guard<std::mutex> lk(mu_);
    quit_ = true;
  }
  cv_.notify_all();
  if (feeder_.joinable()) feeder_.join();
  // The sources belong to the context; only touch them while it is current.
  if (source_ && alcGetCurrentContext() == static_cast<ALCcontext*>(context_)) {
    alSourceStop(source_);
    alSourcei(source_, AL_BUFFER, 0);
    alDeleteSources(1, &source_);
    for (auto& q : queued_) freeBuffers_.push_back(q.first);
    if (!freeBuffers_.empty()) alDeleteBuffers(static_cast<ALsizei>(freeBuffers_.size()), freeBuffers_.data());
  }
}

bool Mp3Graph::RenderFile(const std::string& path) {
  if (decoder_) return false;  // one file per graph
  decoder_ = OpenSongDecoder(path);
  if (!decoder_) return false;
  rate_ = decoder_->Rate();
  length_ = decoder_->Length();
  path_ = path;

  ALCcontext* ctx = alcGetCurrentContext();
  if (ctx) {
    alGetError();
    ALuint src = 0;
    alGenSources(1, &src);
    std::vector<ALuint> bufs(kBuffers);
    if (alGetError() == AL_NO_ERROR) alGenBuffers(kBuffers, bufs.data());
    if (alGetError() == AL_NO_ERROR && src) {
      source_ = src;
      context_ = ctx;
      freeBuffers_.assign(bufs.begin(), bufs.end());
      floatFormat_ = alIsExtensionPresent("AL_EXT_FLOAT32");
      alSourcei(source_, AL_SOURCE_RELATIVE, AL_TRUE);
      alSourcef(source_, AL_ROLLOFF_FACTOR, 0.0f);
      // Left stays left: balance is applied to the samples we feed.
      if (alIsExtensionPresent("AL_SOFT_direct_channels")) alSourcei(source_, AL_DIRECT_CHANNELS_SOFT, AL_TRUE);
      alGetError();
      feeder_ = std::thread([this] { FeedLoop(); });
    } else if (src) {
      alDeleteSources(1, &src);
      alGetError();
    }
  }
  return true;
}

bool Mp3Graph::IsQuiet(double from, double to, float peak) {
  const int64_t first = ToSample(from), end = ToSample(to);
  if (first >= end) return true;
  const auto key = std::make_tuple(first, end, peak);
  if (const auto found = quiet_.find(key); found != quiet_.end()) return found->second;
  if (!probe_) probe_ = OpenSongDecoder(path_);
  if (!probe_ || !probe_->Seek(first)) return false;
  bool quiet = true;
  std::vector<float> block(2 * 4096);
  for (int64_t at = first; quiet && at < end;) {
    const int64_t got = probe_->Decode(block.data(), std::min<int64_t>(4096, end - at));
    if (got <= 0) break;  // the data stops early: what follows is silence
    quiet = std::all_of(block.begin(), block.begin() + 2 * got, [peak](float v) { return std::fabs(v) <= peak; });
    at += got;
  }
  quiet_[key] = quiet;
  return quiet;
}

int64_t Mp3Graph::ToSample(double seconds) const {
  if (!(seconds > 0)) return 0;  // also NaN
  double s = seconds * rate_;
  if (s >= static_cast<double>(length_)) return length_;
  return std::llround(s);
}

int64_t Mp3Graph::EndLocked() const { return stopAt_ >= 0 ? std::min(stopAt_, length_) : length_; }

int64_t Mp3Graph::PositionLocked() {
  if (!running_) return pos_;
  int64_t end = std::max(EndLocked(), runStart_);
  if (!source_) {
    double elapsed = std::chrono::duration<double>(std::chrono::steady_clock::now() - runClock_).count();
    int64_t p = runStart_ + static_cast<int64_t>(elapsed * speed_ * rate_);
    return std::min(p, end);
  }
  if (fedGeneration_ != generation_ || queued_.empty()) {
    // Not started yet, or every buffer already taken back.
    return fedGeneration_ == generation_ ? feedPos_ : runStart_;
  }
  ALint state = 0, offset = 0;
  alGetSourcei(source_, AL_SOURCE_STATE, &state);
  alGetSourcei(source_, AL_SAMPLE_OFFSET, &offset);
  if (state != AL_PLAYING) {
    // Drained: the run's end, or an underrun being mended, where what was
    // queued since waits to be heard.
    int64_t waiting = 0;
    for (size_t i = queued_.size() - std::min(unplayed_, queued_.size()); i < queued_.size(); ++i)
      waiting += queued_[i].second;
    return feedPos_ - waiting;
  }
  return std::min(queueStart_ + offset, feedPos_);
}

void Mp3Graph::DropPlayedLocked() {
  ALint state = 0, processed = 0;
  alGetSourcei(source_, AL_SOURCE_STATE, &state);
  if (state == AL_PLAYING) {
    alGetSourcei(source_, AL_BUFFERS_PROCESSED, &processed);
  } else {
    // A stopped source counts every buffer as processed, even those queued
    // after it ran dry: only the ones before them were played.
    processed = static_cast<ALint>(queued_.size() - std::min(unplayed_, queued_.size()));
  }
  while (processed-- > 0 && !queued_.empty()) {
    ALuint b = 0;
    alSourceUnqueueBuffers(source_, 1, &b);
    queueStart_ += queued_.front().second;
    queued_.erase(queued_.begin());
    freeBuffers_.push_back(b);
  }
  unplayed_ = std::min(unplayed_, queued_.size());
}

void Mp3Graph::Run() {
  // The device wakes while the feeder decodes the first chunk.
  if (source_) soundwake::Wake();
  std::lock_guard<std::mutex> lk(mu_);
  if (running_ || !decoder_) return;
  running_ = true;
  runStart_ = pos_;
  runClock_ = std::chrono::steady_clock::now();
  ++generation_;
  cv_.notify_all();
}

void Mp3Graph::Pause() {
  std::lock_guard<std::mutex> lk(mu_);
  if (!running_) return;
  pos_ = PositionLocked();
  running_ = false;
  ++generation_;
  if (source_) alSourceStop(source_);
  cv_.notify_all();
}

void Mp3Graph::Stop() { Pause(); }

void Mp3Graph::SetVolume(int32_t hundredthsDb) {
  int32_t v = std::clamp<int32_t>(hundredthsDb, -10000, 0);
  std::lock_guard<std::mutex> lk(mu_);
  if (source_) alSourcef(source_, AL_GAIN, static_cast<ALfloat>(std::pow(10.0, v / 2000.0)));
}

void Mp3Graph::SetBalance(int32_t balance) {
  int32_t b = std::clamp<int32_t>(balance, -10000, 10000);
  std::lock_guard<std::mutex> lk(mu_);
  gainLeft_ = b > 0 ? static_cast<float>(std::pow(10.0, -b / 2000.0)) : 1.0f;
  gainRight_ = b < 0 ? static_cast<float>(std::pow(10.0, b / 2000.0)) : 1.0f;
}

void Mp3Graph::SetCurrentPosition(double seconds) {
  int64_t p = ToSample(seconds);
  std::lock_guard<std::mutex> lk(mu_);
  if (!running_) {
    pos_ = p;
    return;
  }
  runStart_ = p;
  runClock_ = std::chrono::steady_clock::now();
  ++generation_;
  if (source_) alSourceStop(source_);  // the old audio stops now, not when the new is ready
  cv_.notify_all();
}

double Mp3Graph::CurrentPosition() {
  std::lock_guard<std::mutex> lk(mu_);
  return rate_ > 0 ? static_cast<double>(PositionLocked()) / rate_ : 0.0;
}

double Mp3Graph::StopTime() { return rate_ > 0 ? static_cast<double>(length_) / rate_ : 0.0; }

void Mp3Graph::SetRate(double rate) {
  if (!(rate > 0)) return;
  std::lock_guard<std::mutex> lk(mu_);
  if (running_ && !source_) {
    runStart_ = PositionLocked();
    runClock_ = std::chrono::steady_clock::now();
  }
  speed_ = rate;
  if (source_) alSourcef(source_, AL_PITCH, static_cast<ALfloat>(rate));
}

void Mp3Graph::SetStopAt(double seconds) {
  int64_t v = seconds < 0 ? -1 : ToSample(seconds);
  std::lock_guard<std::mutex> lk(mu_);
  if (running_) {
    // Queued audio may already lie past the new end: restart from here.
    runStart_ = PositionLocked();
    runClock_ = std::chrono::steady_clock::now();
    ++generation_;
    if (source_) alSourceStop(source_);
    cv_.notify_all();
  }
  stopAt_ = v;
}

double Mp3Graph::RunLeft() {
  std::lock_guard<std::mutex> lk(mu_);
  if (!running_ || rate_ <= 0) return 0.0;
  int64_t end = EndLocked();
  // A file that ended early drains where its data ran out.
  if (source_ && fedGeneration_ == generation_ && endOfData_) end = std::min(end, feedPos_);
  int64_t left = end - PositionLocked();
  return left > 0 ? static_cast<double>(left) / (rate_ * speed_) : 0.0;
}

std::chrono::microseconds Mp3Graph::FrontBufferLeftLocked() {
  if (queued_.empty() || rate_ <= 0) return std::chrono::microseconds(0);
  ALint offset = 0;
  alGetSourcei(source_, AL_SAMPLE_OFFSET, &offset);
  int64_t left = std::max<int64_t>(0, queued_.front().second - offset);
  return std::chrono::microseconds(static_cast<int64_t>(static_cast<double>(left) * 1e6 / (rate_ * speed_)));
}

bool Mp3Graph::WaitFed(std::chrono::milliseconds timeout) {
  std::unique_lock<std::mutex> lk(mu_);
  if (!source_) return true;
  cv_.notify_all();  // a hand-rendered device plays faster than the feeder's sleep assumes
  return fedCv_.wait_for(lk, timeout, [this] {
    if (!running_) return true;
    if (fedGeneration_ != generation_) return false;
    ALint processed = 0;
    alGetSourcei(source_, AL_BUFFERS_PROCESSED, &processed);
    if (processed > 0) return false;
    return freeBuffers_.empty() || feedPos_ >= EndLocked() || endOfData_;
  });
}

bool Mp3Graph::SeekDecoder(int64_t sample) { return decoder_->Seek(sample); }

int64_t Mp3Graph::Decode(float* out, int64_t frames) { return decoder_->Decode(out, frames); }

void Mp3Graph::PlayQueuedLocked() {
  if (sourceStarted_) Trace::write("songstarved", {std::to_string(feedPos_)});
  sourceStarted_ = true;
  unplayed_ = 0;
  soundwake::Wake();
  alSourcePlay(source_);
}

void Mp3Graph::FeedLoop() {
  auto setThread = reinterpret_cast<SetThreadContextFn>(alcGetProcAddress(nullptr, "alcSetThreadContext"));
  if (setThread) setThread(static_cast<ALCcontext*>(context_));
  std::vector<float> pcm(static_cast<size_t>(kChunk) * 2);
  std::vector<int16_t> pcm16;
  std::unique_lock<std::mutex> lk(mu_);
  while (!quit_) {
    if (!running_) {
      fedCv_.notify_all();
      cv_.wait(lk);
      continue;
    }
    if (fedGeneration_ != generation_) {
      alSourceStop(source_);
      alSourcei(source_, AL_BUFFER, 0);
      for (auto& q : queued_) freeBuffers_.push_back(q.first);
      queued_.clear();
      fedGeneration_ = generation_;
      sourceStarted_ = false;
      queueStart_ = feedPos_ = runStart_;
      decoderAt_ = false;
      endOfData_ = false;
      unplayed_ = 0;
    }
    DropPlayedLocked();

    int64_t end = EndLocked();
    if (feedPos_ < end && !endOfData_ && !freeBuffers_.empty()) {
      uint64_t gen = generation_;
      int64_t target = feedPos_;
      int64_t want = std::min(kChunk, end - feedPos_);
      bool seek = !decoderAt_;
      lk.unlock();
      int64_t got = (!seek || SeekDecoder(target)) ? Decode(pcm.data(), want) : 0;
      lk.lock();
      if (quit_ || generation_ != gen) continue;  // a newer command won; restart handles it
      decoderAt_ = true;
      if (got < want) endOfData_ = true;
      if (got > 0) {
        ApplyEdgeFade(pcm.data(), got, target - runStart_, end - target, EdgeFadeFrames(rate_));
        if (gainLeft_ != 1.0f || gainRight_ != 1.0f)
          for (int64_t i = 0; i < got; ++i) {
            pcm[2 * i] *= gainLeft_;
            pcm[2 * i + 1] *= gainRight_;
          }
        ALuint b = freeBuffers_.back();
        freeBuffers_.pop_back();
        if (floatFormat_) {
          alBufferData(b, AL_FORMAT_STEREO_FLOAT32, pcm.data(), static_cast<ALsizei>(got * 2 * sizeof(float)), rate_);
        } else {
          pcm16.resize(static_cast<size_t>(got) * 2);
          for (size_t i = 0; i < pcm16.size(); ++i)
            pcm16[i] = static_cast<int16_t>(std::lrint(std::clamp(pcm[i], -1.0f, 1.0f) * 32767.0f));
          alBufferData(b, AL_FORMAT_STEREO16, pcm16.data(), static_cast<ALsizei>(pcm16.size() * 2), rate_);
        }
        ALint state = 0;
        alGetSourcei(source_, AL_SOURCE_STATE, &state);
        alSourceQueueBuffers(source_, 1, &b);
        queued_.emplace_back(b, got);
        feedPos_ += got;
        if (state != AL_PLAYING) {
          ++unplayed_;
          DropPlayedLocked();
          // Two chunks before the first play: a server that asks for a whole
          // buffer at once would otherwise mix past the first while the second
          // is still being decoded, and the run would stop for a moment.
          if (queued_.size() >= 2 || feedPos_ >= end || endOfData_ || freeBuffers_.empty()) PlayQueuedLocked();
        }
      }
      fedCv_.notify_all();
      continue;
    }
    // An underrun stops the source with buffers still waiting: go on.
    if (unplayed_ > 0) PlayQueuedLocked();
    fedCv_.notify_all();
    if (queued_.empty()) {
      // Fed to the end and played out: nothing to do until the next command.
      cv_.wait(lk);
    } else {
      auto sleep = FrontBufferLeftLocked() + std::chrono::milliseconds(1);
      cv_.wait_for(lk, std::clamp<std::chrono::microseconds>(sleep, kMinSleep, kMaxSleep));
    }
  }
  lk.unlock();
  if (setThread) setThread(nullptr);
}
