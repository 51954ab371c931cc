#pragma once
// An OpenAL loopback device rendering into memory, its context current for
// the whole process while this lives. Tests and benchmarks hear what the
// game would play through it.
#include <AL/alc.h>
#include <AL/alext.h>

#include <cstddef>

class LoopbackContext {
 public:
  // `type` is ALC_FLOAT_SOFT or ALC_SHORT_SOFT; two channels always.
  explicit LoopbackContext(ALCint rate = 44100, ALCenum type = ALC_FLOAT_SOFT) {
    previous_ = alcGetCurrentContext();
    auto open = reinterpret_cast<LPALCLOOPBACKOPENDEVICESOFT>(alcGetProcAddress(nullptr, "alcLoopbackOpenDeviceSOFT"));
    render_ = reinterpret_cast<LPALCRENDERSAMPLESSOFT>(alcGetProcAddress(nullptr, "alcRenderSamplesSOFT"));
    if (!open || !render_) return;
    device_ = open(nullptr);
    if (!device_) return;
    // No limiter or HRTF: rendered levels must be what was asked for.
    const ALCint attrs[] = {ALC_FORMAT_CHANNELS_SOFT, ALC_STEREO_SOFT, ALC_FORMAT_TYPE_SOFT, static_cast<ALCint>(type),
                            ALC_FREQUENCY, rate, ALC_HRTF_SOFT, ALC_FALSE, ALC_OUTPUT_LIMITER_SOFT, ALC_FALSE, 0};
    context_ = alcCreateContext(device_, attrs);
    if (context_) alcMakeContextCurrent(context_);
  }
  ~LoopbackContext() {
    alcMakeContextCurrent(previous_);
    if (context_) alcDestroyContext(context_);
    if (device_) alcCloseDevice(device_);
  }
  LoopbackContext(const LoopbackContext&) = delete;
  LoopbackContext& operator=(const LoopbackContext&) = delete;

  bool ok() const { return context_ != nullptr; }
  ALCdevice* device() const { return device_; }
  ALCcontext* context() const { return context_; }
  // Interleaved stereo frames of the format asked for.
  void Render(void* out, size_t frames) { render_(device_, out, static_cast<ALCsizei>(frames)); }

 private:
  ALCdevice* device_ = nullptr;
  ALCcontext* context_ = nullptr;
  ALCcontext* previous_ = nullptr;
  LPALCRENDERSAMPLESSOFT render_ = nullptr;
};
