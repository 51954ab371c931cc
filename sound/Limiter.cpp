#include "sound/Limiter.h"

#include <algorithm>
#include <cmath>

namespace {
// The loudest frame rules the gain for longer than half a cycle of the lowest
// note, so a loud tone is turned down whole rather than flattened at each peak;
// then the gain comes back within about a twentieth of a second.
constexpr double kHoldSeconds = 0.02;
constexpr double kReleaseSeconds = 0.05;
}  // namespace

PeakLimiter::PeakLimiter(int rate, int channels)
    : channels_(std::max(channels, 1)),
      holdFrames_(static_cast<int>(kHoldSeconds * std::max(rate, 1))),
      decay_(static_cast<float>(std::exp(-1.0 / (kReleaseSeconds * std::max(rate, 1))))) {}

void PeakLimiter::Process(float* frames, int count) {
  for (int f = 0; f < count; ++f) {
    float* x = frames + static_cast<long>(f) * channels_;
    float level = 0.0f;
    for (int c = 0; c < channels_; ++c) level = std::max(level, std::abs(x[c]));
    if (level >= peak_) {
      peak_ = level;
      hold_ = holdFrames_;
    } else if (hold_ > 0) {
      --hold_;
    } else {
      peak_ = std::max(level, peak_ * decay_);
    }
    if (peak_ <= 1.0f) continue;
    // No look-ahead, so no latency: the gain drops at once to what this frame needs.
    const float gain = 1.0f / peak_;
    for (int c = 0; c < channels_; ++c) x[c] = std::clamp(x[c] * gain, -1.0f, 1.0f);
  }
}
