#pragma once
// A small synthesizer for the game's own cue sounds and sample song.
#include <cstdint>
#include <string>
#include <vector>

namespace synth {

constexpr int kRate = 44100;

// Interleaved float samples in -1..1.
struct Audio {
  int channels = 1;
  int rate = kRate;
  std::vector<float> samples;
  int64_t frames() const { return channels ? static_cast<int64_t>(samples.size()) / channels : 0; }
  double seconds() const { return static_cast<double>(frames()) / rate; }
};

// Deterministic noise and choices, the same on every platform (unlike <random>'s distributions).
class Rng {
 public:
  explicit Rng(uint64_t seed) : s_(seed ? seed : 0x9E3779B97F4A7C15ull) {}
  uint64_t next() {
    s_ ^= s_ << 13; s_ ^= s_ >> 7; s_ ^= s_ << 17;
    return s_;
  }
  double uniform() { return static_cast<double>(next() >> 11) * (1.0 / 9007199254740992.0); }
  int below(int n) { return static_cast<int>(next() % static_cast<uint64_t>(n)); }
  float noise() { return static_cast<float>(uniform() * 2.0 - 1.0); }

 private:
  uint64_t s_;
};

double MidiToHz(double midi);

// Attack/decay/sustain/release, all in seconds; the note's gate is `hold`.
struct Envelope {
  double attack = 0.005, decay = 0.1, sustain = 0.7, release = 0.1;
  double at(double t, double hold) const;
  double length(double hold) const { return hold + release; }
};

// Tone colours. Each renders one note into a stereo mix.
enum class Voice { Pad, Square, Saw, Organ, Bell, EPiano, Pluck, Bass, Flute };

struct Mix {
  explicit Mix(double seconds, int channels = 2);
  Audio audio;
  void add(int64_t frame, float left, float right);
  void addMono(int64_t frame, float v, double pan);  // pan -1..1, equal power
};

void Note(Mix& mix, Voice voice, double start, double hold, double midi, double gain, double pan, Rng& rng);

// Drums.
void Kick(Mix& mix, double start, double gain);
void Snare(Mix& mix, double start, double gain, Rng& rng);
void HiHat(Mix& mix, double start, double gain, bool open, Rng& rng);
void Crash(Mix& mix, double start, double gain, Rng& rng);

// Scales the mix so its peak is `peak`, with gentle soft clipping first.
void Master(Audio& a, float peak);

// The game's sounds.
Audio MakeIntro();    // about six seconds, stereo
Audio MakeNote();     // short bright note
Audio MakeNoTile();   // empty, hollow
Audio MakeMarker();   // a chime
Audio MakeBoop();     // low refusal
Audio MakeSong();     // the sample song, stereo, 120 beats per minute

constexpr double kBeat = 0.5;  // seconds at 120 beats per minute

// Writers. WAV as 16-bit PCM; MP3 at a constant bit rate from float frames.
bool WriteWav(const std::string& path, const Audio& a);
bool WriteMp3(const std::string& path, const Audio& a, int kbps);

// The song in the format its extension names: .mp3, .wav, .flac, .ogg or
// .oga (Vorbis), .opus (at 48 kHz). False for any other extension.
bool WriteSongFile(const std::string& path, const Audio& a);
// Linear interpolation: enough for test and benchmark songs.
Audio Resample(const Audio& a, int rate);
// The sample song played over and over until `seconds` long.
Audio LongSong(double seconds);

// Writes every asset into `folder`; false with `error` set on the first failure.
bool GenerateAssets(const std::string& folder, std::string& error);

}  // namespace synth
