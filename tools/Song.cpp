// The sample song: 120 beats per minute, so every tile length of 1 to 5 seconds
// in half-second steps is a whole number of beats. Sections change key, tone
// colour and groove, and the chords and melody come from seeded sequences that
// do not repeat, so any two tiles sound different.
#include "tools/Synth.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <set>

namespace synth {

namespace {

constexpr std::array<int, 7> kMajor = {0, 2, 4, 5, 7, 9, 11};
constexpr std::array<int, 7> kMinor = {0, 2, 3, 5, 7, 8, 10};

enum class Groove { Sparse, Rock, Dance, HalfTime, Busy };
enum class Comp { Hold, Stabs, Arpeggio };

struct Section {
  int bars;
  int key;  // semitones above C
  bool minor;
  Voice lead;
  Voice chords;
  Comp comp;
  Groove groove;
  double density;  // chance a beat is split into shorter notes
  uint64_t seed;
};

const Section kSections[] = {
    {4, 0, false, Voice::Flute, Voice::Pad, Comp::Hold, Groove::Sparse, 0.2, 101},
    {16, 0, false, Voice::Square, Voice::EPiano, Comp::Stabs, Groove::Rock, 0.55, 202},
    {16, 9, true, Voice::Saw, Voice::Pad, Comp::Hold, Groove::Dance, 0.45, 303},
    {12, 5, false, Voice::Organ, Voice::Pluck, Comp::Arpeggio, Groove::HalfTime, 0.35, 404},
    {16, 2, false, Voice::Bell, Voice::Organ, Comp::Hold, Groove::Busy, 0.6, 505},
    {16, 7, true, Voice::Flute, Voice::EPiano, Comp::Arpeggio, Groove::Dance, 0.5, 606},
    {10, 0, false, Voice::Square, Voice::Pad, Comp::Stabs, Groove::Rock, 0.5, 707},
};

constexpr double kBar = 4 * kBeat;

struct Key {
  int tonic;
  const std::array<int, 7>* scale;
  // Semitones above the tonic of a scale degree (any integer, octaves folded).
  int pitch(int degree) const {
    int oct = degree >= 0 ? degree / 7 : -((-degree + 6) / 7);
    int d = degree - oct * 7;
    return tonic + 12 * oct + (*scale)[d];
  }
};

// A chord every half bar. No run of four chords appears twice in a section.
std::vector<int> Progression(int slots, Rng& rng) {
  static const int kChoices[] = {0, 1, 2, 3, 3, 4, 4, 5, 5};
  std::vector<int> prog(slots, 0);
  std::set<std::array<int, 4>> seen;
  for (int i = 1; i < slots; ++i) {
    if (i == slots - 1) { prog[i] = 4; break; }
    if (i == slots - 2) { prog[i] = prog[i - 1] == 3 ? 1 : 3; continue; }
    for (int tries = 0; tries < 40; ++tries) {
      int c = kChoices[rng.below(static_cast<int>(std::size(kChoices)))];
      if (c == prog[i - 1]) continue;
      prog[i] = c;
      if (i < 3) break;
      std::array<int, 4> run = {prog[i - 3], prog[i - 2], prog[i - 1], c};
      if (!seen.count(run)) break;
    }
    if (i >= 3) seen.insert({prog[i - 3], prog[i - 2], prog[i - 1], prog[i]});
  }
  return prog;
}

void Drums(Mix& mix, const Section& s, double t0, int bar, Rng& rng) {
  const bool fill = bar % 4 == 3;
  for (int e = 0; e < 8; ++e) {  // eighths
    const double t = t0 + e * kBeat / 2;
    const bool beat = e % 2 == 0;
    const int b = e / 2;
    switch (s.groove) {
      case Groove::Sparse:
        if (e == 0) Kick(mix, t, 0.45);
        if (beat) HiHat(mix, t, 0.35, false, rng);
        break;
      case Groove::Rock:
        if (e == 0 || e == 4 || (e == 5 && bar % 2)) Kick(mix, t, 0.6);
        if (e == 2 || e == 6) Snare(mix, t, 0.45, rng);
        HiHat(mix, t, beat ? 0.4 : 0.25, false, rng);
        break;
      case Groove::Dance:
        if (beat) Kick(mix, t, 0.6);
        if (e == 2 || e == 6) Snare(mix, t, 0.35, rng);
        if (!beat) HiHat(mix, t, 0.25, true, rng);
        break;
      case Groove::HalfTime:
        if (e == 0 || (e == 3 && bar % 2 == 0)) Kick(mix, t, 0.6);
        if (e == 4) Snare(mix, t, 0.5, rng);
        if (beat) HiHat(mix, t, 0.3, b == 3, rng);
        break;
      case Groove::Busy:
        if (e == 0 || e == 3 || e == 4 || (e == 7 && bar % 2)) Kick(mix, t, 0.55);
        if (e == 2 || e == 6) Snare(mix, t, 0.45, rng);
        HiHat(mix, t, 0.3, false, rng);
        HiHat(mix, t + kBeat / 4, 0.18, false, rng);
        break;
    }
  }
  if (fill && s.groove != Groove::Sparse) {
    const int hits = 2 + rng.below(3);
    for (int h = 0; h < hits; ++h) Snare(mix, t0 + 3 * kBeat + h * kBeat / hits, 0.3 + 0.1 * h, rng);
  }
}

void Bass(Mix& mix, const Section& s, const Key& key, double t0, int chord, int next, Rng& rng) {
  auto low = [&](int degree) {
    int m = 36 + key.pitch(degree);
    while (m > 50) m -= 12;
    while (m < 31) m += 12;
    return m;
  };
  const int root = low(chord);
  switch (s.groove) {
    case Groove::Sparse:
    case Groove::HalfTime:
      Note(mix, Voice::Bass, t0, 2 * kBeat * 0.9, root, 0.55, 0.0, rng);
      break;
    case Groove::Rock:
      Note(mix, Voice::Bass, t0, kBeat * 0.9, root, 0.55, 0.0, rng);
      Note(mix, Voice::Bass, t0 + kBeat, kBeat * 0.4, rng.below(2) ? root + 12 : low(chord + 4), 0.5, 0.0, rng);
      Note(mix, Voice::Bass, t0 + 1.5 * kBeat, kBeat * 0.4, root, 0.5, 0.0, rng);
      break;
    case Groove::Dance:
      for (int e = 0; e < 4; ++e) Note(mix, Voice::Bass, t0 + e * kBeat / 2, kBeat * 0.35, e % 2 ? root + 12 : root, 0.5, 0.0, rng);
      break;
    case Groove::Busy: {
      // Walks toward the next chord.
      const int walk[4] = {root, low(chord + 2), low(chord + 4), low(next) + (rng.below(2) ? 1 : -1)};
      for (int e = 0; e < 4; ++e) Note(mix, Voice::Bass, t0 + e * kBeat / 2, kBeat * 0.45, walk[e], 0.5, 0.0, rng);
      break;
    }
  }
}

void Chords(Mix& mix, const Section& s, const Key& key, double t0, int chord, Rng& rng) {
  // Each chord gets its own colour and voicing, so a repeated chord still sounds new.
  int steps[4] = {0, 2, 4, -1};
  switch (rng.below(5)) {
    case 1: steps[3] = 6; break;   // seventh
    case 2: steps[1] = 3; break;   // suspended fourth
    case 3: steps[3] = 8; break;   // added ninth
    case 4: steps[1] = 1; steps[3] = 4; steps[2] = 2; break;  // suspended second
    default: break;
  }
  const int voices = steps[3] < 0 ? 3 : 4;
  const int low = 53 + rng.below(5);
  int tones[4];
  for (int k = 0; k < voices; ++k) {
    int m = 60 + key.pitch(chord + steps[k]);
    while (m >= low + 12) m -= 12;
    while (m < low) m += 12;
    tones[k] = m;
  }
  std::sort(tones, tones + voices);
  const double gain = (s.chords == Voice::Organ ? 0.12 : s.chords == Voice::Pad ? 0.16 : 0.2) * 3.0 / voices;
  switch (s.comp) {
    case Comp::Hold:
      for (int k = 0; k < voices; ++k) Note(mix, s.chords, t0, 2 * kBeat * 0.95, tones[k], gain, -0.5 + 0.33 * k, rng);
      break;
    case Comp::Stabs: {
      static const double kHits[][3] = {{0.0, 1.5, -1}, {0.0, 1.0, -1}, {0.5, 1.5, -1}, {0.0, 0.75, 1.5}, {0.0, 0.5, 1.0}};
      const auto& hits = kHits[rng.below(static_cast<int>(std::size(kHits)))];
      for (double h : hits)
        if (h >= 0)
          for (int k = 0; k < voices; ++k) Note(mix, s.chords, t0 + h * kBeat, kBeat * 0.4, tones[k], gain, -0.4 + 0.27 * k, rng);
      break;
    }
    case Comp::Arpeggio: {
      static const int kOrders[][4] = {{0, 1, 2, 1}, {0, 2, 1, 3}, {3, 2, 1, 0}, {0, 1, 2, 3}, {1, 0, 2, 3}, {2, 0, 3, 1}};
      const auto& order = kOrders[rng.below(static_cast<int>(std::size(kOrders)))];
      for (int e = 0; e < 4; ++e) {
        const int idx = order[e] % voices;
        const int m = tones[idx] + (order[e] >= voices ? 12 : 0);
        Note(mix, s.chords, t0 + e * kBeat / 2, kBeat * 0.4, m, gain * 0.9, -0.6 + 0.4 * e, rng);
      }
      break;
    }
  }
}

// A melody over one half bar (two beats) from a seeded walk that leans on chord tones.
void Melody(Mix& mix, const Section& s, const Key& key, double t0, int chord, int& degree, bool phraseEnd, Rng& rng) {
  static const std::vector<std::vector<double>> kRhythms = {
      {1.0}, {0.5, 0.5}, {0.75, 0.25}, {0.5, 0.25, 0.25}, {0.25, 0.25, 0.5}, {-0.5, 0.5}, {0.5, -0.5}};
  static const int kSteps[] = {-2, -1, -1, 1, 1, 2, 3, -3, 0, 4, -4};
  const double leadGain = s.lead == Voice::Bell ? 0.45 : s.lead == Voice::Organ || s.lead == Voice::Saw ? 0.5 : 0.4;
  const double pan = s.lead == Voice::Saw ? 0.25 : -0.15;
  if (phraseEnd) {
    // Phrases close on a long chord tone, reached in one of a few ways.
    static const double kEndings[][3] = {{2.0, 0, 0}, {0.5, 1.5, 0}, {1.0, 1.0, 0}, {0.25, 0.25, 1.5}, {1.5, 0.5, 0}};
    const auto& ending = kEndings[rng.below(static_cast<int>(std::size(kEndings)))];
    double t = t0;
    for (double len : ending) {
      if (len <= 0) break;
      if (len >= 1.5) {
        degree = chord + 2 * rng.below(3);
      } else {
        degree += kSteps[rng.below(static_cast<int>(std::size(kSteps)))];
      }
      while (degree < 5) degree += 7;
      while (degree > 13) degree -= 7;
      Note(mix, s.lead, t, len * kBeat * 0.9, 60 + key.pitch(degree), leadGain, pan, rng);
      t += len * kBeat;
    }
    return;
  }
  const bool splitOne = rng.below(2) == 0;  // never two plain quarter notes in a row
  for (int b = 0; b < 2; ++b) {
    const bool split = rng.uniform() < s.density || (b == 1) == splitOne;
    const auto& rhythm = split ? kRhythms[1 + rng.below(static_cast<int>(kRhythms.size()) - 1)] : kRhythms[0];
    double t = t0 + b * kBeat;
    for (size_t k = 0; k < rhythm.size(); ++k) {
      const double len = std::fabs(rhythm[k]) * kBeat;
      if (rhythm[k] > 0) {
        degree += kSteps[rng.below(static_cast<int>(std::size(kSteps)))];
        if (b == 0 && k == 0 && rng.uniform() < 0.75) {
          // Snap to the nearest chord tone on the chord change.
          int best = degree, dist = 99;
          for (int c = chord - 7; c <= chord + 14; c += 2)
            if ((c - chord) % 7 == 0 || (c - chord) % 7 == 2 || (c - chord) % 7 == 4)
              if (std::abs(c - degree) < dist) { dist = std::abs(c - degree); best = c; }
          degree = best;
        }
        if (degree < 4) degree += 3;
        if (degree > 14) degree -= 3;
        Note(mix, s.lead, t, len * 0.85, 60 + key.pitch(degree), leadGain, pan, rng);
      }
      t += len;
    }
  }
}

}  // namespace

Audio MakeSong() {
  int totalBars = 0;
  for (const auto& s : kSections) totalBars += s.bars;
  const double tail = 2.0;
  Mix mix(totalBars * kBar + tail);
  Rng crashes(99);

  double t = 0.0;
  int sectionIndex = 0;
  for (const auto& s : kSections) {
    Rng rng(s.seed);
    const Key key{s.key > 6 ? s.key - 12 : s.key, s.minor ? &kMinor : &kMajor};
    const bool last = sectionIndex == static_cast<int>(std::size(kSections)) - 1;
    const int playedBars = last ? s.bars - 2 : s.bars;  // the last two bars are the ending
    const std::vector<int> prog = Progression(playedBars * 2, rng);
    int degree = 9;
    if (sectionIndex > 0) Crash(mix, t, 0.7, crashes);
    for (int bar = 0; bar < playedBars; ++bar) {
      const double t0 = t + bar * kBar;
      Drums(mix, s, t0, bar, rng);
      for (int half = 0; half < 2; ++half) {
        const int slot = bar * 2 + half;
        const int chord = prog[slot];
        const int next = slot + 1 < static_cast<int>(prog.size()) ? prog[slot + 1] : 0;
        const double th = t0 + half * 2 * kBeat;
        Bass(mix, s, key, th, chord, next, rng);
        Chords(mix, s, key, th, chord, rng);
        const bool phraseEnd = half == 1 && bar % 4 == 3;
        Melody(mix, s, key, th, chord, degree, phraseEnd, rng);
      }
    }
    if (last) {
      // The ending: a held tonic chord under bells falling through it, one per beat, ringing out.
      Rng rng2(s.seed + 1);
      const double te = t + playedBars * kBar;
      Kick(mix, te, 0.8);
      Crash(mix, te, 1.0, crashes);
      for (int k = 0; k < 3; ++k) Note(mix, Voice::Pad, te, 3.4, 60 + key.pitch(2 * k), 0.2, -0.5 + 0.5 * k, rng2);
      Note(mix, Voice::Bass, te, 3.4, 36 + key.pitch(0), 0.6, 0.0, rng2);
      const int fall[8] = {14, 11, 9, 7, 4, 2, 0, -3};
      for (int k = 0; k < 8; ++k) Note(mix, Voice::Bell, te + k * kBeat, 0.3, 72 + key.pitch(fall[k]), 0.4, 0.5 - 0.14 * k, rng2);
      Note(mix, Voice::Square, te + 3 * kBeat, 2.5, 60 + key.pitch(7), 0.25, 0.0, rng2);
      Kick(mix, te + 6 * kBeat, 0.5);
    }
    t += s.bars * kBar;
    ++sectionIndex;
  }
  // Fade the very end to silence.
  const int64_t frames = mix.audio.frames();
  const int64_t fade = static_cast<int64_t>(1.5 * kRate);
  for (int64_t n = frames - fade; n < frames; ++n) {
    float g = static_cast<float>(frames - n) / fade;
    mix.audio.samples[n * 2] *= g;
    mix.audio.samples[n * 2 + 1] *= g;
  }
  Master(mix.audio, 0.8f);
  return mix.audio;
}

Audio LongSong(double seconds) {
  const Audio song = MakeSong();
  Audio a;
  a.channels = song.channels;
  a.rate = song.rate;
  const size_t want = static_cast<size_t>(std::llround(seconds * a.rate)) * static_cast<size_t>(a.channels);
  a.samples.reserve(want);
  while (a.samples.size() < want)
    a.samples.insert(a.samples.end(), song.samples.begin(),
                     song.samples.begin() + static_cast<long>(std::min(song.samples.size(), want - a.samples.size())));
  return a;
}

}  // namespace synth
