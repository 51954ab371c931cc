#include "sound/OpenALDirectSound.h"

#include "base/Files.h"
#include "common/SoundWake.h"
#include "sound/Limiter.h"
#include "sound/ServerOutput.h"

#include <AL/alext.h>
#include <AL/efx.h>
#include <sndfile.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <fstream>
#include <sstream>
#include <vector>

namespace {

LPALCLOOPBACKOPENDEVICESOFT loopbackOpen() {
  return reinterpret_cast<LPALCLOOPBACKOPENDEVICESOFT>(alcGetProcAddress(nullptr, "alcLoopbackOpenDeviceSOFT"));
}
LPALCRENDERSAMPLESSOFT renderSamples() {
  return reinterpret_cast<LPALCRENDERSAMPLESSOFT>(alcGetProcAddress(nullptr, "alcRenderSamplesSOFT"));
}

std::string ReadWhole(const std::filesystem::path& p) {
  std::ifstream in(p, std::ios::binary);
  std::stringstream ss;
  ss << in.rdbuf();
  return ss.str();
}

// OpenAL Soft 1.19 ignores ALC_REFRESH; its period settings come only from
// its configuration files, read in this order, the last named by ALSOFT_CONF.
// Must run before the library's first call to take effect. Returns the
// player's files' texts, in that order.
std::vector<std::string> AskShortMixAhead() {
  auto env = [](const char* name) -> std::string {
    const char* v = std::getenv(name);
    return v ? v : "";
  };
  std::vector<std::filesystem::path> files = {"/etc/openal/alsoft.conf"};
  std::string dirs = env("XDG_CONFIG_DIRS");
  if (dirs.empty()) dirs = "/etc/xdg";
  for (size_t at = 0; at <= dirs.size();) {
    size_t colon = std::min(dirs.find(':', at), dirs.size());
    if (colon > at) files.push_back(std::filesystem::path(dirs.substr(at, colon - at)) / "alsoft.conf");
    at = colon + 1;
  }
  const std::string home = env("HOME");
  if (!home.empty()) files.push_back(std::filesystem::path(home) / ".alsoftrc");
  if (!env("XDG_CONFIG_HOME").empty()) files.push_back(std::filesystem::path(env("XDG_CONFIG_HOME")) / "alsoft.conf");
  else if (!home.empty()) files.push_back(std::filesystem::path(home) / ".config" / "alsoft.conf");
  const std::string named = env("ALSOFT_CONF");

  std::vector<std::string> texts;
  std::error_code ec;
  for (const auto& f : files)
    if (std::filesystem::is_regular_file(f, ec)) texts.push_back(ReadWhole(f));
  const std::string namedText = named.empty() ? std::string() : ReadWhole(named);
  if (!named.empty()) texts.push_back(namedText);
  const std::string text = OpenALDirectSound::GameAlsoftConf(texts, namedText);
  if (text.empty() || text == namedText) return texts;

  ec.clear();
  const char* runtime = std::getenv("XDG_RUNTIME_DIR");
  std::filesystem::path dir = runtime && *runtime ? std::filesystem::path(runtime)
                                                  : std::filesystem::temp_directory_path(ec);
  if (ec || dir.empty()) return texts;
  const auto file = dir / ("tunzle-alsoft-" + std::to_string(getuid()) + ".conf");
  // Ours replaces the player's named file in the search, so it carries it whole.
  if (WriteFileAtomic(file, text)) setenv("ALSOFT_CONF", file.c_str(), 1);
  return texts;
}

// What the sound server shows of OpenAL Soft's own stream (used when ours is
// not): the game's name and icon, not the program file's name. Its role it
// blanks itself. libpulse reads these when OpenAL Soft connects; they
// are taken back afterwards, so programs started later (a speech server) do not
// claim our name. A player's own setting of one is left alone.
class StreamIdentity {
 public:
  StreamIdentity() {
    for (const auto& [key, value] : kProps)
      if (!std::getenv(key) && setenv(key, value, 1) == 0) ours_.push_back(key);
  }
  ~StreamIdentity() {
    for (const char* key : ours_) unsetenv(key);
  }

 private:
  static constexpr std::pair<const char*, const char*> kProps[] = {
      {"PULSE_PROP_OVERRIDE_application.name", "Music Tunzle"},
      {"PULSE_PROP_OVERRIDE_application.icon_name", "io.github.musictunzle.Tunzle"},
  };
  std::vector<const char*> ours_;
};

// Hundredths of a decibel to a linear gain; -10000 and below are silence.
float GainOf(int32_t hundredthsDb) {
  if (hundredthsDb <= -10000) return 0.0f;
  if (hundredthsDb >= 0) return 1.0f;
  return static_cast<float>(std::pow(10.0, hundredthsDb / 2000.0));
}

// The sound, held by AL buffers shared between a buffer and its duplicates.
struct SoundData {
  WaveFormat format;
  int32_t frames = 0;
  bool is3D = false;
  ALuint left = 0, right = 0;  // plain buffers: left-only and right-only stereo copies
  ALuint mono = 0;             // 3D buffers
  ~SoundData() {
    ALuint ids[3] = {left, right, mono};
    for (ALuint id : ids)
      if (id) alDeleteBuffers(1, &id);
    alGetError();
  }
};

// Interleaved 16-bit samples into AL buffers.
std::shared_ptr<SoundData> Upload(const std::vector<int16_t>& pcm, const WaveFormat& fmt, bool is3D) {
  const int ch = std::max<int>(1, fmt.Channels);
  auto d = std::make_shared<SoundData>();
  d->format = fmt;
  d->frames = static_cast<int32_t>(pcm.size() / ch);
  d->is3D = is3D;
  const ALsizei rate = fmt.SamplesPerSec;
  alGetError();
  if (is3D) {
    if (ch != 1) return nullptr;
    alGenBuffers(1, &d->mono);
    alBufferData(d->mono, AL_FORMAT_MONO16, pcm.data(), static_cast<ALsizei>(pcm.size() * 2), rate);
  } else {
    std::vector<int16_t> l(static_cast<size_t>(d->frames) * 2, 0), r(static_cast<size_t>(d->frames) * 2, 0);
    for (int32_t i = 0; i < d->frames; ++i) {
      l[2 * i] = pcm[static_cast<size_t>(i) * ch];
      r[2 * i + 1] = pcm[static_cast<size_t>(i) * ch + (ch > 1 ? 1 : 0)];
    }
    alGenBuffers(1, &d->left);
    alGenBuffers(1, &d->right);
    const auto bytes = static_cast<ALsizei>(l.size() * 2);
    alBufferData(d->left, AL_FORMAT_STEREO16, l.data(), bytes, rate);
    alBufferData(d->right, AL_FORMAT_STEREO16, r.data(), bytes, rate);
  }
  if (alGetError() != AL_NO_ERROR) return nullptr;
  return d;
}

class ALBuffer : public DSBuffer, public DS3DBuffer {
 public:
  ALBuffer(OpenALDirectSound& dev, const BufferDesc& desc) : dev_(dev), desc_(desc) {}
  ~ALBuffer() override { DropSources(); }

  // Makes this buffer's sources on `data`.
  bool Attach(std::shared_ptr<SoundData> data) {
    DropSources();
    data_ = std::move(data);
    alGetError();
    n_ = data_->is3D ? 1 : 2;
    alGenSources(n_, src_);
    if (alGetError() != AL_NO_ERROR) {
      n_ = 0;
      return false;
    }
    if (data_->is3D) {
      alSourcei(src_[0], AL_SOURCE_RELATIVE, AL_FALSE);
      alSource3f(src_[0], AL_POSITION, 0, 0, 0);
      alSourcef(src_[0], AL_ROLLOFF_FACTOR, dev_.RolloffFactor());
      alSourcei(src_[0], AL_BUFFER, static_cast<ALint>(data_->mono));
    } else {
      const ALuint bufs[2] = {data_->left, data_->right};
      for (int i = 0; i < 2; ++i) {
        alSourcei(src_[i], AL_SOURCE_RELATIVE, AL_TRUE);
        alSource3f(src_[i], AL_POSITION, 0, 0, 0);
        alSourcef(src_[i], AL_ROLLOFF_FACTOR, 0);
        alSourcei(src_[i], AL_DIRECT_CHANNELS_SOFT, AL_TRUE);
        alSourcei(src_[i], AL_BUFFER, static_cast<ALint>(bufs[i]));
      }
    }
    ApplyGain();
    ApplyPitch();
    return alGetError() == AL_NO_ERROR;
  }

  const std::shared_ptr<SoundData>& Data() const { return data_; }
  const BufferDesc& Desc() const { return desc_; }
  void CopySettings(const ALBuffer& o) {
    volume_ = o.volume_;
    pan_ = o.pan_;
    frequency_ = o.frequency_;
    ApplyGain();
    ApplyPitch();
  }

  void Play(bool looping) override {
    if (!n_) return;
    for (int i = 0; i < n_; ++i) alSourcei(src_[i], AL_LOOPING, looping ? AL_TRUE : AL_FALSE);
    // Play on a playing buffer goes on from where it is; in AL it would restart.
    if (!GetStatus()) {
      soundwake::Wake();
      alSourcePlayv(n_, src_);
    }
    alGetError();
  }
  void Stop() override {
    if (n_) alSourcePausev(n_, src_);
    alGetError();
  }
  int32_t GetStatus() override {
    if (!n_) return 0;
    ALint state = AL_STOPPED;
    alGetSourcei(src_[0], AL_SOURCE_STATE, &state);
    return state == AL_PLAYING ? 1 : 0;
  }
  void SetCurrentPosition(int32_t bytes) override {
    if (!n_ || bytes < 0) return;
    const int32_t frame = bytes / std::max<int16_t>(1, data_->format.BlockAlign);
    if (frame >= data_->frames) return;
    // Held while both sides move, so the mixer never runs them apart.
    const bool playing = GetStatus() != 0;
    if (playing) alSourcePausev(n_, src_);
    for (int i = 0; i < n_; ++i) alSourcei(src_[i], AL_SAMPLE_OFFSET, frame);
    if (playing) alSourcePlayv(n_, src_);
    alGetError();
  }
  void SetVolume(int32_t v) override {
    volume_ = std::clamp(v, -10000, 0);
    ApplyGain();
  }
  void SetPan(int32_t p) override {
    pan_ = std::clamp(p, -10000, 10000);
    ApplyGain();
  }
  void SetFrequency(int32_t hz) override {
    frequency_ = hz <= 0 ? 0 : std::clamp(hz, 100, 200000);
    ApplyPitch();
  }
  int32_t GetFrequency() override { return frequency_ ? frequency_ : Format().SamplesPerSec; }
  WaveFormat GetFormat() override { return Format(); }
  bool WriteBuffer(const void* bytes, int32_t count) override {
    const WaveFormat& f = desc_.Format;
    if (count < 0 || f.Channels < 1 || f.SamplesPerSec < 1) return false;
    std::vector<int16_t> pcm;
    if (f.BitsPerSample == 8) {
      const auto* p = static_cast<const uint8_t*>(bytes);
      pcm.resize(static_cast<size_t>(count));
      for (int32_t i = 0; i < count; ++i) pcm[i] = static_cast<int16_t>((p[i] - 128) << 8);
    } else {
      pcm.assign(static_cast<const int16_t*>(bytes), static_cast<const int16_t*>(bytes) + count / 2);
    }
    pcm.resize(pcm.size() - pcm.size() % f.Channels);
    auto data = Upload(pcm, f, (desc_.Flags & dsbcaps::Ctrl3D) != 0);
    return data && Attach(std::move(data));
  }
  DS3DBuffer* GetDirectSound3DBuffer() override { return data_ && data_->is3D ? this : nullptr; }
  void SetConeAngles(int32_t inside, int32_t outside) override {
    if (!n_) return;
    alSourcef(src_[0], AL_CONE_INNER_ANGLE, static_cast<float>(inside));
    alSourcef(src_[0], AL_CONE_OUTER_ANGLE, static_cast<float>(outside));
    alGetError();
  }

 private:
  WaveFormat Format() const { return data_ ? data_->format : desc_.Format; }

  void ApplyGain() {
    if (!n_) return;
    const float g = GainOf(volume_);
    if (data_->is3D) {
      alSourcef(src_[0], AL_GAIN, g);
    } else {
      // Pan attenuates one side only: positive pan quietens the left.
      alSourcef(src_[0], AL_GAIN, g * (pan_ > 0 ? GainOf(-pan_) : 1.0f));
      alSourcef(src_[1], AL_GAIN, g * (pan_ < 0 ? GainOf(pan_) : 1.0f));
    }
    alGetError();
  }
  void ApplyPitch() {
    if (!n_) return;
    const float base = static_cast<float>(std::max(1, Format().SamplesPerSec));
    const float pitch = frequency_ ? frequency_ / base : 1.0f;
    for (int i = 0; i < n_; ++i) alSourcef(src_[i], AL_PITCH, pitch);
    alGetError();
  }
  void DropSources() {
    if (n_) {
      alSourceStopv(n_, src_);
      for (int i = 0; i < n_; ++i) alSourcei(src_[i], AL_BUFFER, 0);
      alDeleteSources(n_, src_);
      alGetError();
    }
    n_ = 0;
  }

  OpenALDirectSound& dev_;
  BufferDesc desc_;
  std::shared_ptr<SoundData> data_;
  ALuint src_[2] = {0, 0};
  int n_ = 0;
  int32_t volume_ = 0, pan_ = 0, frequency_ = 0;
};

}  // namespace

std::map<std::string, std::string> OpenALDirectSound::GeneralSettings(const std::vector<std::string>& texts) {
  std::map<std::string, std::string> out;
  for (const std::string& text : texts) {
    std::istringstream in(text);
    std::string section, line;
    while (std::getline(in, line)) {
      line = line.substr(0, line.find('#'));
      auto first = line.find_first_not_of(" \t\r");
      if (first == std::string::npos) continue;
      line = line.substr(first, line.find_last_not_of(" \t\r") - first + 1);
      if (line.front() == '[') {
        section = line.substr(1, line.find(']') - 1);
        std::transform(section.begin(), section.end(), section.begin(), ::tolower);
        continue;
      }
      if (!section.empty() && section != "general") continue;
      const auto eq = line.find('=');
      std::string key = line.substr(0, eq);
      key = key.substr(0, key.find_last_not_of(" \t") + 1);
      std::transform(key.begin(), key.end(), key.begin(), ::tolower);
      std::string value = eq == std::string::npos ? std::string() : line.substr(eq + 1);
      const auto v = value.find_first_not_of(" \t");
      value = v == std::string::npos ? std::string() : value.substr(v);
      out[key] = value;
    }
  }
  return out;
}

std::string OpenALDirectSound::GameAlsoftConf(const std::vector<std::string>& texts, const std::string& named) {
  const auto settings = GeneralSettings(texts);
  const bool periodSet = settings.count("period_size") || settings.count("periods");
  const bool channelsSet = settings.count("channels") != 0;
  std::string add;
  // Either period key of the player's means they chose their own latency.
  if (!periodSet)
    add += "period_size = " + std::to_string(kPeriodFrames) + "\nperiods = " + std::to_string(kPeriods) + "\n";
  // A mono device drops the left and right channels our sources play on; a
  // stereo stream is folded to mono by the sound server instead.
  if (!channelsSet) add += "channels = stereo\n";
  if (add.empty()) return named;
  std::string out = named;
  if (!out.empty() && out.back() != '\n') out += '\n';
  return out + "[general]\n" + add;
}

OpenALDirectSound::OpenALDirectSound() = default;

std::unique_ptr<OpenALDirectSound> OpenALDirectSound::Loopback(int rate) {
  auto d = std::make_unique<OpenALDirectSound>();
  d->loopback_ = true;
  d->loopbackRate_ = rate;
  return d;
}

OpenALDirectSound::~OpenALDirectSound() { Release(); }

// Linked at build time, so the library is always there.
bool OpenALDirectSound::LoadLibrary() { return true; }

bool OpenALDirectSound::OpenDevice() {
  if (device_) return true;
  if (loopback_) {
    auto open = loopbackOpen();
    device_ = open ? open(nullptr) : nullptr;
  } else {
    const auto texts = AskShortMixAhead();
    if (OwnStreamWanted(texts)) {
      server_ = ServerOutput::Connect();
      if (server_ && !periodFrames_) {
        // Ours. PulseAudio's timer-driven sinks dropped 256-frame periods,
        // and two of 512, on a busy 2-core machine; three of 400 stayed clean
        // and keep the stream's buffer under 25 ms. PipeWire calls us in its
        // cycle, so 512 costs no latency there, and a 256-frame quantum forced
        // on the whole graph dropped quanta even for PipeWire's own player.
        periodFrames_ = server_->PipeWire() ? kPipeWirePeriodFrames : kPulsePeriodFrames;
        periods_ = kPeriods;
      }
      auto open = loopbackOpen();
      device_ = server_ && open ? open(nullptr) : nullptr;
      if (!device_) server_.reset();
    }
    if (!device_) {
      StreamIdentity identity;
      device_ = alcOpenDevice(nullptr);
    }
  }
  return device_ != nullptr;
}

bool OpenALDirectSound::OwnStreamWanted(const std::vector<std::string>& texts) {
  auto settings = GeneralSettings(texts);
  if (const char* env = std::getenv("ALSOFT_DRIVERS")) settings["drivers"] = env;
  // The player's choice of another output wins; their periods, if any, are
  // what our stream asks of the server.
  const std::string drivers = settings.count("drivers") ? settings["drivers"] : "";
  const auto first = drivers.substr(0, drivers.find(','));
  if (!drivers.empty() && first.find("pulse") == std::string::npos) return false;
  periodFrames_ = 0;
  periods_ = 0;
  if (settings.count("period_size") || settings.count("periods")) {
    // OpenAL Soft's own defaults for the one not given.
    periodFrames_ = std::clamp(std::atoi(settings.count("period_size") ? settings["period_size"].c_str() : "1024"), 64, 8192);
    periods_ = std::clamp(std::atoi(settings.count("periods") ? settings["periods"].c_str() : "3"), 2, 16);
  }
  return true;
}

bool OpenALDirectSound::CreatePrimary() {
  if (!device_) return false;
  if (!context_) {
    std::vector<ALCint> attrs;
    if (loopback_) {
      // Float output without OpenAL Soft's limiter, whose look-ahead delays
      // everything: ours (below) passes what stays within full scale unchanged.
      attrs = {ALC_FORMAT_CHANNELS_SOFT, ALC_STEREO_SOFT, ALC_FORMAT_TYPE_SOFT, ALC_FLOAT_SOFT,
               ALC_FREQUENCY, loopbackRate_, ALC_HRTF_SOFT, ALC_FALSE, ALC_OUTPUT_LIMITER_SOFT, ALC_FALSE};
    } else if (server_) {
      attrs = {ALC_FORMAT_CHANNELS_SOFT, ALC_STEREO_SOFT, ALC_FORMAT_TYPE_SOFT, ALC_FLOAT_SOFT,
               ALC_FREQUENCY, server_->Rate(), ALC_OUTPUT_LIMITER_SOFT, ALC_FALSE};
    } else {
      attrs = {ALC_REFRESH, 44100 / kPeriodFrames};  // for libraries that honour it
    }
    attrs.push_back(0);
    context_ = alcCreateContext(device_, attrs.data());
    if (!context_) return false;
    // What OpenAL Soft mixes into memory, for the server or for a test.
    if (loopback_ || server_) limiter_ = std::make_shared<PeakLimiter>(loopback_ ? loopbackRate_ : server_->Rate(), 2);
    if (server_) {
      static const auto render = renderSamples();
      ALCdevice* dev = device_;
      auto mix = [dev, limiter = limiter_](float* out, int frames) {
        render(dev, out, frames);
        limiter->Process(out, frames);
      };
      const bool open = render && server_->Open(mix, periodFrames_, periods_);
      if (!open) {
        // The server took no stream: OpenAL Soft's own output, as without one.
        Release();
        StreamIdentity identity;
        device_ = alcOpenDevice(nullptr);
        return device_ && CreatePrimary();
      }
    }
  }
  return alcMakeContextCurrent(context_) == ALC_TRUE;
}

bool OpenALDirectSound::TakeListener() {
  if (!context_) return false;
  alGetError();
  alListener3f(AL_POSITION, 0, 0, 0);
  return alGetError() == AL_NO_ERROR;
}

void OpenALDirectSound::SetListenerDistanceFactor(float v) {
  if (context_ && alcIsExtensionPresent(device_, "ALC_EXT_EFX")) alListenerf(AL_METERS_PER_UNIT, v);
  alGetError();
}

// OpenAL rolls off per source: new 3D buffers take this value.
void OpenALDirectSound::SetListenerRolloffFactor(float v) { rolloff_ = v; }

void OpenALDirectSound::Release() {
  // The server's thread mixes from the device: it stops first.
  server_.reset();
  limiter_.reset();
  if (context_) {
    if (alcGetCurrentContext() == context_) alcMakeContextCurrent(nullptr);
    alcDestroyContext(context_);
    context_ = nullptr;
  }
  if (device_) {
    alcCloseDevice(device_);
    device_ = nullptr;
  }
}

std::unique_ptr<DSBuffer> OpenALDirectSound::CreateSoundBufferFromFile(const std::string& path,
                                                                       const BufferDesc& desc) {
  if (!context_) return nullptr;
  SF_INFO info{};
  SNDFILE* f = sf_open(path.c_str(), SFM_READ, &info);
  if (!f) return nullptr;
  const bool is3D = (desc.Flags & dsbcaps::Ctrl3D) != 0;
  if (info.channels < 1 || info.samplerate < 1 || info.frames < 1 || (is3D && info.channels != 1)) {
    sf_close(f);
    return nullptr;
  }
  std::vector<int16_t> pcm(static_cast<size_t>(info.frames) * info.channels);
  const sf_count_t got = sf_readf_short(f, pcm.data(), info.frames);
  sf_close(f);
  if (got < 1) return nullptr;
  pcm.resize(static_cast<size_t>(got) * info.channels);

  // Offsets are in the file's own bytes.
  WaveFormat fmt;
  const int sub = info.format & SF_FORMAT_SUBMASK;
  fmt.Channels = static_cast<int16_t>(info.channels);
  fmt.SamplesPerSec = info.samplerate;
  fmt.BitsPerSample = (sub == SF_FORMAT_PCM_U8 || sub == SF_FORMAT_PCM_S8) ? 8 : 16;
  fmt.BlockAlign = static_cast<int16_t>(fmt.Channels * fmt.BitsPerSample / 8);
  fmt.AvgBytesPerSec = fmt.SamplesPerSec * fmt.BlockAlign;

  auto data = Upload(pcm, fmt, is3D);
  if (!data) return nullptr;
  BufferDesc d = desc;
  d.Format = fmt;
  d.BufferBytes = static_cast<int32_t>(got) * fmt.BlockAlign;
  auto b = std::make_unique<ALBuffer>(*this, d);
  if (!b->Attach(std::move(data))) return nullptr;
  return b;
}

std::unique_ptr<DSBuffer> OpenALDirectSound::CreateSoundBuffer(const BufferDesc& desc) {
  if (!context_) return nullptr;
  if ((desc.Flags & dsbcaps::Ctrl3D) && desc.Format.Channels != 1) return nullptr;
  return std::make_unique<ALBuffer>(*this, desc);
}

std::unique_ptr<DSBuffer> OpenALDirectSound::DuplicateSoundBuffer(DSBuffer& original) {
  auto* o = dynamic_cast<ALBuffer*>(&original);
  if (!context_ || !o || !o->Data()) return nullptr;
  auto b = std::make_unique<ALBuffer>(*this, o->Desc());
  if (!b->Attach(o->Data())) return nullptr;
  b->CopySettings(*o);
  return b;
}

bool OpenALDirectSound::CanPauseOutput() const {
  if (server_) return true;
  return device_ && !loopback_ && alcIsExtensionPresent(device_, "ALC_SOFT_pause_device");
}

void OpenALDirectSound::PauseOutput(bool paused) {
  if (server_) {
    server_->SetCorked(paused);
    return;
  }
  if (!CanPauseOutput()) return;
  // OpenAL Soft stops its mixer and corks the server's stream; playing
  // sources hold their place until the device runs again.
  static const auto pause = reinterpret_cast<LPALCDEVICEPAUSESOFT>(alcGetProcAddress(device_, "alcDevicePauseSOFT"));
  static const auto resume = reinterpret_cast<LPALCDEVICERESUMESOFT>(alcGetProcAddress(device_, "alcDeviceResumeSOFT"));
  if (paused && pause) pause(device_);
  if (!paused && resume) resume(device_);
}

bool OpenALDirectSound::RenderSamples(float* out, int frames) {
  if (!loopback_ || !device_ || !context_) return false;
  static const auto render = renderSamples();
  if (!render) return false;
  render(device_, out, frames);
  limiter_->Process(out, frames);
  return true;
}

int OpenALDirectSound::OutputRate() const {
  if (!device_) return 0;
  ALCint rate = 0;
  alcGetIntegerv(device_, ALC_FREQUENCY, 1, &rate);
  return rate;
}

int OpenALDirectSound::MixAheadFrames() const {
  if (!device_) return 0;
  if (loopback_) return 0;
  if (server_) return server_->BufferFrames();
  ALCint refresh = 0;
  alcGetIntegerv(device_, ALC_REFRESH, 1, &refresh);
  return refresh > 0 ? OutputRate() / refresh * kPeriods : 0;
}
