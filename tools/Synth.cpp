#include "tools/Synth.h"

#include <algorithm>
#include <cmath>

namespace synth {

namespace {

constexpr double kTwoPi = 6.283185307179586;

// Band-limited step correction, so saws and squares do not alias harshly.
double PolyBlep(double t, double dt) {
  if (t < dt) { t /= dt; return t + t - t * t - 1.0; }
  if (t > 1.0 - dt) { t = (t - 1.0) / dt; return t * t + t + t + 1.0; }
  return 0.0;
}

struct Osc {
  double phase = 0.0;
  double saw(double dt) {
    double v = 2.0 * phase - 1.0 - PolyBlep(phase, dt);
    step(dt);
    return v;
  }
  double square(double dt, double width = 0.5) {
    double v = (phase < width ? 1.0 : -1.0) + PolyBlep(phase, dt) - PolyBlep(std::fmod(phase + 1.0 - width, 1.0), dt);
    step(dt);
    return v;
  }
  double sine(double dt) {
    double v = std::sin(kTwoPi * phase);
    step(dt);
    return v;
  }
  void step(double dt) {
    phase += dt;
    phase -= std::floor(phase);
  }
};

struct LowPass {
  double y = 0.0;
  double run(double x, double cutoff, int rate) {
    double a = 1.0 - std::exp(-kTwoPi * std::min(cutoff, rate * 0.45) / rate);
    y += a * (x - y);
    return y;
  }
};

}  // namespace

double MidiToHz(double midi) { return 440.0 * std::pow(2.0, (midi - 69.0) / 12.0); }

double Envelope::at(double t, double hold) const {
  auto gate = [&](double u) {
    if (u < attack) return u / attack;
    u -= attack;
    if (u < decay) return 1.0 - (1.0 - sustain) * (u / decay);
    return sustain;
  };
  if (t < 0) return 0.0;
  if (t < hold) return gate(t);
  if (release <= 0 || t >= hold + release) return 0.0;
  return gate(hold) * (1.0 - (t - hold) / release);
}

Mix::Mix(double seconds, int channels) {
  audio.channels = channels;
  audio.samples.assign(static_cast<size_t>(std::ceil(seconds * kRate)) * channels, 0.0f);
}

void Mix::add(int64_t frame, float left, float right) {
  if (frame < 0 || frame >= audio.frames()) return;
  if (audio.channels == 1) {
    audio.samples[frame] += 0.5f * (left + right);
  } else {
    audio.samples[frame * 2] += left;
    audio.samples[frame * 2 + 1] += right;
  }
}

void Mix::addMono(int64_t frame, float v, double pan) {
  double angle = (std::clamp(pan, -1.0, 1.0) + 1.0) * 0.25 * 3.141592653589793;
  add(frame, static_cast<float>(v * std::cos(angle) * 1.4142), static_cast<float>(v * std::sin(angle) * 1.4142));
}

void Note(Mix& mix, Voice voice, double start, double hold, double midi, double gain, double pan, Rng& rng) {
  const int rate = mix.audio.rate;
  const double f = MidiToHz(midi);
  const double dt = f / rate;
  Envelope env;
  switch (voice) {
    case Voice::Pad: env = {0.25, 0.3, 0.8, 0.45}; break;
    case Voice::Square: env = {0.008, 0.12, 0.55, 0.08}; break;
    case Voice::Saw: env = {0.01, 0.2, 0.6, 0.1}; break;
    case Voice::Organ: env = {0.01, 0.05, 0.9, 0.06}; break;
    case Voice::Flute: env = {0.06, 0.1, 0.85, 0.12}; break;
    case Voice::Bass: env = {0.005, 0.25, 0.6, 0.06}; break;
    case Voice::Bell: case Voice::EPiano: case Voice::Pluck: env = {0.002, 0.0, 1.0, 0.0}; hold += 1.2; break;
  }
  const int64_t first = static_cast<int64_t>(std::llround(start * rate));
  const int64_t count = static_cast<int64_t>(env.length(hold) * rate);

  Osc a, b, c;
  a.phase = rng.uniform(); b.phase = rng.uniform(); c.phase = rng.uniform();
  LowPass lp, lp2;
  // Karplus-Strong string for the pluck.
  std::vector<double> ks;
  size_t ksPos = 0;
  if (voice == Voice::Pluck) {
    ks.resize(std::max<size_t>(2, static_cast<size_t>(rate / f)));
    for (auto& s : ks) s = rng.noise();
  }
  for (int64_t n = 0; n < count; ++n) {
    const double t = static_cast<double>(n) / rate;
    double e = env.at(t, hold);
    double v = 0.0;
    switch (voice) {
      case Voice::Pad: {
        double s = a.saw(dt * 1.003) + b.saw(dt * 0.997) + 0.5 * c.saw(dt * 0.5);
        v = 0.3 * lp.run(s, f * 3.0 + 600.0, rate);
        break;
      }
      case Voice::Square: {
        double vib = 1.0 + 0.004 * std::sin(kTwoPi * 5.5 * t) * std::min(1.0, t * 3.0);
        v = 0.5 * lp.run(a.square(dt * vib, 0.5), f * 5.0, rate);
        break;
      }
      case Voice::Saw: {
        double cutoff = f * (1.5 + 6.0 * std::exp(-t * 6.0));
        v = 0.5 * lp2.run(lp.run(a.saw(dt) + 0.6 * b.saw(dt * 1.006), cutoff, rate), cutoff, rate);
        break;
      }
      case Voice::Organ: {
        static const double weights[] = {1.0, 0.7, 0.45, 0.35, 0.0, 0.2, 0.0, 0.15};
        double ph = a.phase;
        for (int h = 0; h < 8; ++h)
          if (weights[h] > 0 && f * (h + 1) < rate * 0.45) v += weights[h] * std::sin(kTwoPi * ph * (h + 1));
        a.step(dt);
        v *= 0.28 * (1.0 + 0.08 * std::sin(kTwoPi * 6.0 * t));
        break;
      }
      case Voice::Flute: {
        double vib = 1.0 + 0.006 * std::sin(kTwoPi * 5.0 * t) * std::min(1.0, t * 2.0);
        double ph = a.phase;
        v = std::sin(kTwoPi * ph) + 0.25 * std::sin(2 * kTwoPi * ph) + 0.08 * std::sin(3 * kTwoPi * ph);
        a.step(dt * vib);
        v = 0.6 * v + 0.05 * lp.run(rng.noise(), f * 2.0, rate);
        break;
      }
      case Voice::Bass: {
        double s = 0.6 * a.saw(dt) + 0.8 * b.sine(dt);
        v = 0.8 * lp.run(s, 180.0 + 900.0 * std::exp(-t * 12.0), rate);
        break;
      }
      case Voice::Bell: {
        double idx = 3.5 * std::exp(-t * 3.0);
        double mod = std::sin(kTwoPi * b.phase) * idx;
        v = std::sin(kTwoPi * a.phase + mod);
        a.step(dt); b.step(dt * 3.5);
        e = std::exp(-t * 2.2) * std::min(1.0, t / 0.002);
        if (t > hold - 1.2) e *= std::max(0.0, 1.0 - (t - (hold - 1.2)) / 1.2);
        v *= 0.5;
        break;
      }
      case Voice::EPiano: {
        double mod = std::sin(kTwoPi * b.phase) * 1.8 * std::exp(-t * 5.0);
        double tine = std::sin(kTwoPi * c.phase) * 0.25 * std::exp(-t * 30.0);
        v = std::sin(kTwoPi * a.phase + mod) + tine;
        a.step(dt); b.step(dt); c.step(dt * 14.0);
        e = std::exp(-t * 2.5) * std::min(1.0, t / 0.003);
        if (t > hold - 1.2) e *= std::max(0.0, 1.0 - (t - (hold - 1.2)) / 1.2);
        v *= 0.45;
        break;
      }
      case Voice::Pluck: {
        size_t next = (ksPos + 1) % ks.size();
        double out = ks[ksPos];
        ks[ksPos] = 0.996 * 0.5 * (ks[ksPos] + ks[next]);
        ksPos = next;
        v = 0.6 * out;
        e = std::min(1.0, t / 0.002);
        if (t > hold - 1.2) e *= std::max(0.0, 1.0 - (t - (hold - 1.2)) / 1.2);
        break;
      }
    }
    mix.addMono(first + n, static_cast<float>(v * e * gain), pan);
  }
}

void Kick(Mix& mix, double start, double gain) {
  const int rate = mix.audio.rate;
  const int64_t first = std::llround(start * rate);
  double phase = 0.0;
  for (int64_t n = 0; n < rate * 0.35; ++n) {
    double t = static_cast<double>(n) / rate;
    double f = 45.0 + 110.0 * std::exp(-t * 28.0);
    phase += f / rate;
    double v = std::sin(kTwoPi * phase) * std::exp(-t * 9.0);
    if (n < 40) v += 0.4 * (1.0 - n / 40.0);  // beater click
    mix.addMono(first + n, static_cast<float>(v * gain), 0.0);
  }
}

void Snare(Mix& mix, double start, double gain, Rng& rng) {
  const int rate = mix.audio.rate;
  const int64_t first = std::llround(start * rate);
  double prev = 0.0, phase = 0.0;
  for (int64_t n = 0; n < rate * 0.22; ++n) {
    double t = static_cast<double>(n) / rate;
    double x = rng.noise();
    double hp = x - prev;  // brighten the rattle
    prev = x;
    phase += 185.0 / rate;
    double v = 0.55 * hp * std::exp(-t * 22.0) + 0.6 * std::sin(kTwoPi * phase) * std::exp(-t * 35.0);
    mix.addMono(first + n, static_cast<float>(v * gain), 0.1);
  }
}

void HiHat(Mix& mix, double start, double gain, bool open, Rng& rng) {
  const int rate = mix.audio.rate;
  const int64_t first = std::llround(start * rate);
  const double decay = open ? 9.0 : 60.0;
  double p1 = 0.0, p2 = 0.0;
  for (int64_t n = 0; n < rate * (open ? 0.35 : 0.08); ++n) {
    double t = static_cast<double>(n) / rate;
    double x = rng.noise();
    double hp = x - 2 * p1 + p2;  // second difference: only the top remains
    p2 = p1; p1 = x;
    mix.addMono(first + n, static_cast<float>(0.3 * hp * std::exp(-t * decay) * gain), 0.35);
  }
}

void Crash(Mix& mix, double start, double gain, Rng& rng) {
  const int rate = mix.audio.rate;
  const int64_t first = std::llround(start * rate);
  double pl = 0.0, pr = 0.0;
  for (int64_t n = 0; n < rate * 2.5; ++n) {
    double t = static_cast<double>(n) / rate;
    double l = rng.noise(), r = rng.noise();
    double e = 0.22 * std::exp(-t * 1.8) * gain;
    mix.add(first + n, static_cast<float>((l - pl) * e), static_cast<float>((r - pr) * e));
    pl = l; pr = r;
  }
}

void Master(Audio& a, float peak) {
  float top = 0.0f;
  for (float& s : a.samples) {
    if (std::fabs(s) > 0.8f) s = std::copysign(0.8f + 0.2f * std::tanh((std::fabs(s) - 0.8f) / 0.2f), s);
    top = std::max(top, std::fabs(s));
  }
  if (top <= 0.0f) return;
  const float k = peak / top;
  for (float& s : a.samples) s *= k;
}

// ---- Cue sounds ----

Audio MakeIntro() {
  // A rising bell arpeggio over a pad, I vi IV V, landing on a held I chord.
  Mix mix(6.2);
  Rng rng(11);
  const int chords[4][3] = {{60, 64, 67}, {57, 60, 64}, {53, 57, 60}, {55, 59, 62}};
  for (int c = 0; c < 4; ++c) {
    const double t0 = c * 1.0;
    for (int k = 0; k < 3; ++k) Note(mix, Voice::Pad, t0, 0.95, chords[c][k], 0.22, -0.3 + 0.3 * k, rng);
    Note(mix, Voice::Bass, t0, 0.9, chords[c][0] - 24, 0.55, 0.0, rng);
    for (int s = 0; s < 4; ++s) {
      int m = chords[c][s % 3] + 12 + (s == 3 ? 12 : 0);
      Note(mix, Voice::Bell, t0 + s * 0.25, 0.2, m, 0.35, -0.5 + 0.33 * s, rng);
    }
    Kick(mix, t0, 0.5);
  }
  for (int k = 0; k < 3; ++k) {
    Note(mix, Voice::Pad, 4.0, 1.4, 60 + 4 * k - (k == 2 ? 1 : 0), 0.25, -0.4 + 0.4 * k, rng);
    Note(mix, Voice::Bell, 4.0 + 0.06 * k, 0.6, 72 + 4 * k - (k == 2 ? 1 : 0), 0.3, -0.4 + 0.4 * k, rng);
  }
  Note(mix, Voice::Bell, 4.2, 0.6, 84, 0.3, 0.0, rng);
  Note(mix, Voice::Bass, 4.0, 1.4, 36, 0.6, 0.0, rng);
  Kick(mix, 4.0, 0.6);
  Crash(mix, 4.0, 0.6, rng);
  Master(mix.audio, 0.85f);
  return mix.audio;
}

Audio MakeNote() {
  // Bright and short: a quick grace note up to a ringing high tone, so ten in a row sparkle.
  Mix mix(0.3, 1);
  const double weights[] = {1.0, 0.5, 0.3, 0.2, 0.1, 0.05};
  const double grace = 0.028;
  double phase = 0.0;
  for (int64_t n = 0; n < mix.audio.frames(); ++n) {
    const double t = static_cast<double>(n) / kRate;
    phase += (t < grace ? 1318.5 : 1568.0) / kRate;
    double v = 0.0;
    for (int h = 0; h < 6; ++h) v += weights[h] * std::sin(kTwoPi * phase * (h + 1)) * std::exp(-t * (8.0 + 6.0 * h));
    const double tail = t > 0.2 ? std::max(0.0, 1.0 - (t - 0.2) / 0.1) : 1.0;
    const double lift = t < grace ? 0.6 : std::min(1.0, 0.6 + 0.4 * (t - grace) / 0.006);  // no click at the step
    v *= std::min(1.0, t / 0.002) * lift * tail;
    mix.add(n, static_cast<float>(v), static_cast<float>(v));
  }
  Master(mix.audio, 0.8f);
  return mix.audio;
}

Audio MakeNoTile() {
  // Breath across an empty bottle: noise through a narrow resonance, no clear attack.
  Mix mix(0.45, 1);
  Rng rng(13);
  const double f0 = 310.0, q = 25.0;
  const double w = kTwoPi * f0 / kRate, alpha = std::sin(w) / (2 * q);
  const double b0 = alpha, a0 = 1 + alpha, a1 = -2 * std::cos(w), a2 = 1 - alpha;
  double x1 = 0, x2 = 0, y1 = 0, y2 = 0;
  for (int64_t n = 0; n < mix.audio.frames(); ++n) {
    double t = static_cast<double>(n) / kRate;
    double x = rng.noise();
    double y = (b0 * x - b0 * x2 - a1 * y1 - a2 * y2) / a0;
    x2 = x1; x1 = x; y2 = y1; y1 = y;
    double e = std::sin(3.141592653589793 * std::min(1.0, t / 0.42));
    mix.add(n, static_cast<float>(y * 2.5 * e), static_cast<float>(y * 2.5 * e));
  }
  Master(mix.audio, 0.6f);
  return mix.audio;
}

Audio MakeMarker() {
  // Two inharmonic bell strikes, high then higher: unlike any instrument of the song.
  Mix mix(0.9, 1);
  const double partials[][2] = {{1.0, 1.0}, {2.76, 0.5}, {5.4, 0.25}, {8.93, 0.12}};
  const double notes[][2] = {{0.0, 880.0}, {0.14, 1175.0}};
  for (auto& nt : notes) {
    const int64_t first = std::llround(nt[0] * kRate);
    for (int64_t n = 0; first + n < mix.audio.frames(); ++n) {
      double t = static_cast<double>(n) / kRate;
      double v = 0.0;
      for (auto& p : partials) v += p[1] * std::sin(kTwoPi * nt[1] * p[0] * t) * std::exp(-t * (4.0 + 3.0 * p[0]));
      v *= std::min(1.0, t / 0.001);
      mix.add(first + n, static_cast<float>(v * 0.4), static_cast<float>(v * 0.4));
    }
  }
  Master(mix.audio, 0.75f);
  return mix.audio;
}

Audio MakeBoop() {
  // A low falling hum, soft-edged: "no".
  Mix mix(0.32, 1);
  Osc osc;
  LowPass lp;
  for (int64_t n = 0; n < mix.audio.frames(); ++n) {
    double t = static_cast<double>(n) / kRate;
    double f = 180.0 - 70.0 * (t / 0.32);
    double v = lp.run(osc.square(f / kRate), 500.0, kRate);
    double e = std::min(1.0, t / 0.01) * std::min(1.0, (0.32 - t) / 0.06);
    mix.add(n, static_cast<float>(v * e), static_cast<float>(v * e));
  }
  Master(mix.audio, 0.7f);
  return mix.audio;
}

}  // namespace synth
