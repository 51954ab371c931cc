// The generated sounds and sample song: format, length, and whether they can be told apart.
#include "tools/Synth.h"

#include <gtest/gtest.h>
#include <QCoreApplication>
#include <sndfile.h>

#include <algorithm>
#include <cmath>
#include <complex>
#include <cstdlib>
#include <filesystem>
#include <map>

namespace {

// The build writes the assets beside the programs, this test program included.
std::string DataFolder() {
  const char* d = std::getenv("TUNZLE_TEST_DATA");
  if (d && *d) return d;
  return QCoreApplication::applicationDirPath().toStdString();
}

struct Loaded {
  SF_INFO info{};
  std::vector<float> samples;  // interleaved
  double seconds() const { return info.channels ? double(samples.size()) / info.channels / info.samplerate : 0; }
};

// Decodes the whole file; frame counts in an MP3 header are only an estimate.
bool Load(const std::string& path, Loaded& out) {
  SNDFILE* f = sf_open(path.c_str(), SFM_READ, &out.info);
  if (!f) return false;
  std::vector<float> block(4096 * out.info.channels);
  sf_count_t got;
  while ((got = sf_readf_float(f, block.data(), 4096)) > 0)
    out.samples.insert(out.samples.end(), block.begin(), block.begin() + got * out.info.channels);
  sf_close(f);
  return true;
}

std::vector<float> Mono(const std::vector<float>& s, int channels) {
  std::vector<float> m(s.size() / channels);
  for (size_t i = 0; i < m.size(); ++i) {
    float sum = 0;
    for (int c = 0; c < channels; ++c) sum += s[i * channels + c];
    m[i] = sum / channels;
  }
  return m;
}

void Fft(std::vector<std::complex<double>>& a) {
  const size_t n = a.size();
  for (size_t i = 1, j = 0; i < n; ++i) {
    size_t bit = n >> 1;
    for (; j & bit; bit >>= 1) j ^= bit;
    j ^= bit;
    if (i < j) std::swap(a[i], a[j]);
  }
  for (size_t len = 2; len <= n; len <<= 1) {
    const std::complex<double> w = std::polar(1.0, -2 * M_PI / len);
    for (size_t i = 0; i < n; i += len) {
      std::complex<double> wn = 1;
      for (size_t k = 0; k < len / 2; ++k, wn *= w) {
        auto u = a[i + k], v = a[i + k + len / 2] * wn;
        a[i + k] = u + v;
        a[i + k + len / 2] = u - v;
      }
    }
  }
}

// Magnitude per semitone (MIDI lo..hi) over a stretch of mono
// samples: a pitch profile, which a listener hears as the notes and chords played.
std::vector<double> Profile(const std::vector<float>& mono, size_t begin, size_t end, int rate, int lo = 28, int hi = 120) {
  const size_t n = 4096;
  std::vector<double> bins(hi - lo + 1, 0.0);
  for (size_t at = begin; at + n <= end; at += n / 2) {
    std::vector<std::complex<double>> a(n);
    for (size_t i = 0; i < n; ++i) a[i] = mono[at + i] * (0.5 - 0.5 * std::cos(2 * M_PI * i / n));
    Fft(a);
    for (size_t k = 1; k < n / 2; ++k) {
      const double hz = double(k) * rate / n;
      const int b = static_cast<int>(std::lround(69 + 12 * std::log2(hz / 440.0))) - lo;
      if (b >= 0 && b <= hi - lo) bins[b] += std::abs(a[k]);
    }
  }
  return bins;
}

// Profiles of the melody and chord range for each quarter second, one after another:
// the same notes in another order still sound different.
std::vector<double> TileFeature(const std::vector<float>& mono, size_t begin, size_t end, int rate) {
  std::vector<double> out;
  const size_t step = rate / 4;
  for (size_t at = begin; at + step <= end; at += step) {
    for (double v : Profile(mono, at, at + step, rate, 55, 100)) out.push_back(std::sqrt(v));
  }
  return out;
}

double Distance(const std::vector<double>& a, const std::vector<double>& b) {
  double ab = 0, aa = 0, bb = 0;
  for (size_t i = 0; i < a.size(); ++i) { ab += a[i] * b[i]; aa += a[i] * a[i]; bb += b[i] * b[i]; }
  return aa > 0 && bb > 0 ? 1.0 - ab / std::sqrt(aa * bb) : 1.0;
}

double Peak(const std::vector<float>& s) {
  float p = 0;
  for (float v : s) p = std::max(p, std::fabs(v));
  return p;
}

const char* const kCues[] = {"intro0.wav", "note.wav", "noTile.wav", "marker.wav", "boop2.wav"};

class GeneratedAssets : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(std::filesystem::exists(Path("sample.mp3"))) << "no assets in " << DataFolder(); }
  static std::string Path(const char* name) { return (std::filesystem::path(DataFolder()) / name).string(); }
};

TEST_F(GeneratedAssets, CuesAre16BitWavesAtCdRateAudibleAndUnclipped) {
  for (const char* name : kCues) {
    SCOPED_TRACE(name);
    Loaded w;
    ASSERT_TRUE(Load(Path(name), w));
    EXPECT_EQ(w.info.format, SF_FORMAT_WAV | SF_FORMAT_PCM_16);
    EXPECT_EQ(w.info.samplerate, 44100);
    EXPECT_TRUE(w.info.channels == 1 || w.info.channels == 2);
    const double peak = Peak(w.samples);
    EXPECT_GT(peak, 0.3);
    EXPECT_LT(peak, 0.99);
    if (std::string(name) == "intro0.wav") {
      EXPECT_GT(w.seconds(), 5.0);
      EXPECT_LT(w.seconds(), 8.0);
    } else {
      // Cues follow one another quickly in play; a long tail would blur them.
      EXPECT_GT(w.seconds(), 0.1);
      EXPECT_LT(w.seconds(), 1.0);
    }
  }
}

TEST_F(GeneratedAssets, CuesSoundDifferentFromEachOther) {
  std::map<std::string, std::vector<double>> profiles;
  for (const char* name : kCues) {
    Loaded w;
    ASSERT_TRUE(Load(Path(name), w));
    auto mono = Mono(w.samples, w.info.channels);
    mono.resize(std::max<size_t>(mono.size(), 8192), 0.0f);
    profiles[name] = Profile(mono, 0, mono.size(), w.info.samplerate);
  }
  for (auto a = profiles.begin(); a != profiles.end(); ++a)
    for (auto b = std::next(a); b != profiles.end(); ++b)
      EXPECT_GT(Distance(a->second, b->second), 0.3) << a->first << " vs " << b->first;
}

TEST_F(GeneratedAssets, SampleSongIsLongStereoMp3) {
  Loaded song;
  ASSERT_TRUE(Load(Path("sample.mp3"), song));
  EXPECT_EQ(song.info.format & SF_FORMAT_TYPEMASK, SF_FORMAT_MPEG);
  EXPECT_EQ(song.info.samplerate, 44100);
  EXPECT_EQ(song.info.channels, 2);
  EXPECT_GE(song.seconds(), 170.0);
  EXPECT_LT(Peak(song.samples), 1.0);
}

// A board is only solvable by ear when no two tiles sound alike. For scale: the same tile
// started 20 ms later measures about 0.001 here.
TEST_F(GeneratedAssets, NoTwoTilesOfTheSongSoundAlike) {
  Loaded song;
  ASSERT_TRUE(Load(Path("sample.mp3"), song));
  const auto mono = Mono(song.samples, song.info.channels);
  const int rate = song.info.samplerate;
  for (double tile : {1.0, 1.5, 2.0, 3.0, 5.0}) {
    SCOPED_TRACE(tile);
    const size_t len = static_cast<size_t>(tile * rate);
    const size_t count = std::min(mono.size() / len, static_cast<size_t>(176.0 / tile));
    std::vector<std::vector<double>> p;
    for (size_t i = 0; i < count; ++i) p.push_back(TileFeature(mono, i * len, (i + 1) * len, rate));
    for (size_t i = 0; i < count; ++i)
      for (size_t j = i + 1; j < count; ++j) {
        const double d = Distance(p[i], p[j]);
        // Neighbours are compared most often while solving, so they must differ more.
        EXPECT_GT(d, j == i + 1 ? 0.08 : 0.04) << "tiles at " << i * tile << " s and " << j * tile << " s";
      }
  }
}

// The MP3 writer is known to garble some inputs; the decoded song must still be the synthesized one.
TEST_F(GeneratedAssets, DecodedSongMatchesTheSynthesis) {
  Loaded song;
  ASSERT_TRUE(Load(Path("sample.mp3"), song));
  const synth::Audio made = synth::MakeSong();
  const auto a = Mono(made.samples, 2), b = Mono(song.samples, 2);
  // Encoders add a delay of a few frames; find it in the first seconds.
  const size_t from = 10 * 44100, span = 44100;
  ASSERT_GT(b.size(), from + span + 4000);
  double best = -1.0;
  for (int lag = 0; lag < 4000; ++lag) {
    double ab = 0, aa = 0, bb = 0;
    for (size_t i = from; i < from + span; i += 3) {
      ab += a[i] * b[i + lag]; aa += a[i] * a[i]; bb += b[i + lag] * b[i + lag];
    }
    best = std::max(best, ab / std::sqrt(aa * bb));
  }
  EXPECT_GT(best, 0.95);
}

}  // namespace

// Synthesis is deterministic, so the generator's output never changes without a code change.
TEST(Synth, SameSoundEveryRun) {
  const auto a = synth::MakeMarker(), b = synth::MakeMarker();
  EXPECT_EQ(a.samples, b.samples);
  EXPECT_EQ(synth::MakeNote().samples, synth::MakeNote().samples);
}
