// FLAC, Vorbis, Opus and WAV songs: exact lengths, bit-exact seeks against a
// straight decode, truncated and odd files, and tiles heard through the graph.
#include <gtest/gtest.h>
#include <sndfile.h>

#include <cmath>
#include <cstring>

#include "sound/SongDecoder.h"
#include "sound/SongPlayers.h"
#include "test_song_util.h"

using namespace songtest;

namespace {

constexpr double kTile = 1.0;
constexpr int kTiles = 5;

// Tile k sounds Pitch(k) with a little noise, so lossy coders work for it.
std::vector<float> Source(int rate, int channels, double seconds) {
  const int64_t frames = std::llround(seconds * rate);
  std::vector<float> v(static_cast<size_t>(frames * channels));
  uint32_t seed = 1;
  for (int64_t i = 0; i < frames; ++i) {
    const int tile = static_cast<int>(static_cast<double>(i) / (kTile * rate)) + 1;
    seed = seed * 1664525u + 1013904223u;
    const double noise = (static_cast<double>(seed >> 8) / 16777216.0 - 0.5) * 0.05;
    for (int c = 0; c < channels; ++c)
      v[static_cast<size_t>(i * channels + c)] =
          static_cast<float>(0.4 * std::sin(2 * M_PI * Pitch(tile) * (c + 1) * static_cast<double>(i) / rate) + noise);
  }
  return v;
}

void Write(const std::string& path, int format, int rate, int channels, const std::vector<float>& v) {
  SF_INFO info{};
  info.samplerate = rate;
  info.channels = channels;
  info.format = format;
  SNDFILE* f = sf_open(path.c_str(), SFM_WRITE, &info);
  ASSERT_NE(f, nullptr) << sf_strerror(nullptr);
  sf_writef_float(f, v.data(), static_cast<sf_count_t>(v.size()) / channels);
  sf_close(f);
}

std::vector<float> DecodeAll(const std::string& path) {
  std::vector<float> all;
  auto d = OpenSongDecoder(path);
  if (!d) return all;
  std::vector<float> buf(8192);
  while (int64_t n = d->Decode(buf.data(), 4096)) all.insert(all.end(), buf.begin(), buf.begin() + n * 2);
  return all;
}

// Every seek lands where a straight decode has the same samples, bit for bit.
void ExpectExactSeeks(const std::string& path, const std::vector<float>& straight, int rate) {
  auto d = OpenSongDecoder(path);
  ASSERT_TRUE(d);
  const int64_t length = static_cast<int64_t>(straight.size() / 2);
  for (double at : {2.5, 0.013, 3.61, 1.0, 0.0, 4.9}) {
    const int64_t frame = std::llround(at * rate);
    if (frame >= length) continue;
    ASSERT_TRUE(d->Seek(frame)) << at;
    std::vector<float> got(4096);
    const int64_t want = std::min<int64_t>(2048, length - frame);
    ASSERT_EQ(d->Decode(got.data(), want), want) << at;
    EXPECT_EQ(std::memcmp(got.data(), straight.data() + frame * 2, static_cast<size_t>(want) * 2 * sizeof(float)), 0)
        << "seek to " << at << " s";
  }
}

std::string Cut(const TempFolder& dir, const std::string& path, const std::string& name) {
  const std::string bytes = ReadText(path);
  return dir.File(name, bytes.substr(0, bytes.size() * 11 / 20));
}

struct Format {
  const char* name;
  int format;
  int rate, channels;
  bool lossless;
};

TEST(SongFormats, EachFormatRateAndLayoutDecodesWholeAndSeeksExactlyEvenCut) {
  const Format formats[] = {
      {"s44.flac", SF_FORMAT_FLAC | SF_FORMAT_PCM_16, 44100, 2, true},
      {"m48.flac", SF_FORMAT_FLAC | SF_FORMAT_PCM_24, 48000, 1, true},
      {"m44.wav", SF_FORMAT_WAV | SF_FORMAT_PCM_16, 44100, 1, true},
      {"s48.WAV", SF_FORMAT_WAV | SF_FORMAT_FLOAT, 48000, 2, true},
      {"s44.ogg", SF_FORMAT_OGG | SF_FORMAT_VORBIS, 44100, 2, false},
      {"m48.oga", SF_FORMAT_OGG | SF_FORMAT_VORBIS, 48000, 1, false},
      {"s48.opus", SF_FORMAT_OGG | SF_FORMAT_OPUS, 48000, 2, false},
      {"m48.opus", SF_FORMAT_OGG | SF_FORMAT_OPUS, 48000, 1, false},
  };
  TempFolder dir;
  for (const Format& f : formats) {
    SCOPED_TRACE(f.name);
    const std::string path = (dir.path / f.name).string();
    const std::vector<float> src = Source(f.rate, f.channels, kTiles * kTile + 0.5);
    Write(path, f.format, f.rate, f.channels, src);
    const int64_t frames = static_cast<int64_t>(src.size()) / f.channels;

    auto d = OpenSongDecoder(path);
    ASSERT_TRUE(d);
    EXPECT_EQ(d->Rate(), f.rate);
    EXPECT_EQ(d->Length(), frames) << "exact length (Opus: its pre-skip dropped)";
    const std::vector<float> straight = DecodeAll(path);
    ASSERT_EQ(static_cast<int64_t>(straight.size()), frames * 2);
    // Channel 1 of the file lands on the left, the last (or only) one on the right; in time.
    const int64_t mid = std::llround(2.5 * f.rate);
    if (f.lossless) {
      for (int64_t i = mid; i < mid + 100; ++i) {
        EXPECT_NEAR(straight[i * 2], src[i * f.channels], 1.0 / 32768);
        EXPECT_NEAR(straight[i * 2 + 1], src[i * f.channels + f.channels - 1], 1.0 / 32768);
      }
    } else {
      int bestLag = 999;
      double best = -1e300;
      for (int lag = -400; lag <= 400; ++lag) {
        double c = 0;
        for (int64_t i = mid; i < mid + 4000; ++i) c += straight[(i + lag) * 2] * src[i * f.channels];
        if (c > best) best = c, bestLag = lag;
      }
      EXPECT_EQ(bestLag, 0) << "decoded audio lies where it was written";
    }
    ExpectExactSeeks(path, straight, f.rate);

    // A cut copy plays what decodes, and knows exactly how much that is.
    const std::string cut = Cut(dir, path, std::string("cut-") + f.name);
    auto c = OpenSongDecoder(cut);
    ASSERT_TRUE(c);
    const std::vector<float> cutStraight = DecodeAll(cut);
    EXPECT_EQ(c->Length() * 2, static_cast<int64_t>(cutStraight.size()));
    EXPECT_GT(c->Length(), frames / 3);
    EXPECT_LT(c->Length(), frames);
    ExpectExactSeeks(cut, cutStraight, f.rate);
  }
}

TEST(SongFormats, ChainedVorbisFlacWithoutLengthAndFilesThatDecodeToNothing) {
  TempFolder dir;
  // Two Vorbis streams one after the other, as a radio recording has them.
  const std::string a = (dir.path / "a.ogg").string(), b = (dir.path / "b.ogg").string();
  const std::vector<float> first = Source(44100, 2, 2.0), second = Source(44100, 2, 3.25);
  Write(a, SF_FORMAT_OGG | SF_FORMAT_VORBIS, 44100, 2, first);
  Write(b, SF_FORMAT_OGG | SF_FORMAT_VORBIS, 44100, 2, second);
  const std::string chained = dir.File("chained.ogg", ReadText(a) + ReadText(b));
  auto d = OpenSongDecoder(chained);
  ASSERT_TRUE(d);
  EXPECT_EQ(d->Length(), static_cast<int64_t>(first.size() + second.size()) / 2);
  const std::vector<float> straight = DecodeAll(chained);
  EXPECT_EQ(static_cast<int64_t>(straight.size()), d->Length() * 2);
  ExpectExactSeeks(chained, straight, 44100);  // 2.5 s and later lie in the second stream

  // A FLAC stream whose header does not say how long it is.
  const std::string flac = (dir.path / "full.flac").string();
  const std::vector<float> src = Source(44100, 2, 5.3);
  Write(flac, SF_FORMAT_FLAC | SF_FORMAT_PCM_16, 44100, 2, src);
  std::string bytes = ReadText(flac);
  ASSERT_EQ(bytes.compare(0, 4, "fLaC"), 0);
  bytes[21] = static_cast<char>(bytes[21] & 0xF0);  // the 36-bit total, after rate, channels and depth
  std::memset(&bytes[22], 0, 4);
  const std::string noLength = dir.File("nolength.flac", bytes);
  auto n = OpenSongDecoder(noLength);
  ASSERT_TRUE(n);
  EXPECT_EQ(n->Length(), static_cast<int64_t>(src.size()) / 2);
  ExpectExactSeeks(noLength, DecodeAll(flac), 44100);

  // Tagged in front, as some taggers do: still a FLAC stream.
  const std::string tag = std::string("ID3\x04\0\0\0\0\0\x0c", 10) + std::string(12, '\0');
  auto tagged = OpenSongDecoder(dir.File("tagged.flac", tag + ReadText(flac)));
  ASSERT_TRUE(tagged);
  EXPECT_EQ(tagged->Length(), static_cast<int64_t>(src.size()) / 2);

  // Nothing decodes: refused whatever the name or the first bytes say.
  for (const auto& [name, content] : std::vector<std::pair<std::string, std::string>>{
           {"empty.flac", ""},
           {"head.flac", bytes.substr(0, 42)},
           {"junk.ogg", "OggS" + std::string(3000, '\x01') + "vorbis"},
           {"junk.opus", "OggS" + std::string(60, '\0') + "OpusHead" + std::string(3000, 'x')},
           {"junk.wav", "RIFF" + std::string(3000, 'x')},
           {"text.flac", std::string(4000, 'a')}}) {
    EXPECT_FALSE(OpenSongDecoder(dir.File(name, content))) << name;
  }
}

// MPEG-2 at 22.05 kHz: after a jump the decoder settles within a few frames
// at ordinary bit rates, so a tile does not wait for seconds of pre-roll.
// (mpg123's MPEG-2 synthesis rounds by one step differently after some
// jumps; the samples are otherwise those of a straight decode.)
TEST(SongFormats, LowRateMp3SettlesAfterAShortPrerollAndLandsExactly) {
  TempFolder dir;
  const std::string path = (dir.path / "low.mp3").string();
  SF_INFO info{};
  info.samplerate = 22050;
  info.channels = 2;
  info.format = SF_FORMAT_MPEG | SF_FORMAT_MPEG_LAYER_III;
  SNDFILE* f = sf_open(path.c_str(), SFM_WRITE, &info);
  ASSERT_NE(f, nullptr);
  int mode = SF_BITRATE_MODE_CONSTANT;
  double level = 0.7;  // 48 kbit/s at this rate
  sf_command(f, SFC_SET_BITRATE_MODE, &mode, sizeof mode);
  sf_command(f, SFC_SET_COMPRESSION_LEVEL, &level, sizeof level);
  const std::vector<float> src = Source(22050, 2, 20.0);
  sf_writef_float(f, src.data(), static_cast<sf_count_t>(src.size() / 2));
  sf_close(f);

  const std::vector<float> straight = DecodeAll(path);
  auto d = OpenSongDecoder(path);
  ASSERT_TRUE(d);
  EXPECT_EQ(d->Rate(), 22050);
  ASSERT_EQ(static_cast<int64_t>(straight.size()), d->Length() * 2);
  for (double at : {1.0, 4.9, 7.77, 12.345, 18.0}) {
    SCOPED_TRACE(at);
    const int64_t frame = std::llround(at * 22050);
    ASSERT_TRUE(d->Seek(frame));
    EXPECT_LE(d->Dropped(), 22050 * 3 / 10) << "at most 0.3 s decoded before the tile";
    std::vector<float> got(4096);
    ASSERT_EQ(d->Decode(got.data(), 2048), 2048);
    for (size_t i = 0; i < got.size(); ++i) ASSERT_NEAR(got[i], straight[static_cast<size_t>(frame) * 2 + i], 2e-7);
  }
}

// Through the song player and a 48 kHz device: a FLAC (mono) and an Opus
// tile are heard exactly, on both sides, and end on their last sample.
TEST(SongFormats, StretchesOfSilenceAreFoundInEveryFormat) {
  // Tiles 1 and 2: digital silence, then dither of a few steps of 16 bits;
  // tile 3: a tone at -66 dBFS; tiles 4 and 5: a tone at -54 dBFS, then the song.
  const Format formats[] = {
      {"s.wav", SF_FORMAT_WAV | SF_FORMAT_PCM_16, 44100, 2, true},
      {"m.flac", SF_FORMAT_FLAC | SF_FORMAT_PCM_16, 48000, 1, true},
      {"s.ogg", SF_FORMAT_OGG | SF_FORMAT_VORBIS, 44100, 2, false},
      {"s.opus", SF_FORMAT_OGG | SF_FORMAT_OPUS, 48000, 2, false},
  };
  TempFolder dir;
  for (const Format& f : formats) {
    SCOPED_TRACE(f.name);
    std::vector<float> v = Source(f.rate, f.channels, 8 * kTile);
    uint32_t seed = 7;
    for (size_t i = 0; i < v.size(); ++i) {
      const double t = static_cast<double>(i / static_cast<size_t>(f.channels)) / f.rate;
      seed = seed * 1664525u + 1013904223u;
      const double dither = (static_cast<double>(seed >> 8) / 16777216.0 - 0.5) * 4.0 / 32768.0;
      const double tone = std::sin(2 * M_PI * 440.0 * t);
      if (t < 1.0) v[i] = 0.0f;
      else if (t < 2.0) v[i] = static_cast<float>(dither);
      else if (t < 3.0) v[i] = static_cast<float>(0.0005 * tone);
      else if (t < 5.0) v[i] = static_cast<float>(0.002 * tone);
    }
    const std::string path = (dir.path / f.name).string();
    Write(path, f.format, f.rate, f.channels, v);
    FakeHost host;
    SongPlayers players(host);
    const int16_t index = players.PlayMP3Sound(path, 0, -1, 0, dsflags::NoPlay);
    ASSERT_GT(index, 200);
    players.UseSong(static_cast<int16_t>(index - 200));
    EXPECT_TRUE(players.IsStretchSilent(0, 1));
    EXPECT_TRUE(players.IsStretchSilent(1, 2));
    EXPECT_TRUE(players.IsStretchSilent(0.2, 1.9)) << "asked again, across what was asked";
    // Lossy coders smear a tone's start a little way back: the quiet tone
    // and the louder one are told apart away from their edges.
    EXPECT_TRUE(players.IsStretchSilent(2.1, 2.9));
    EXPECT_FALSE(players.IsStretchSilent(3.1, 3.9));
    EXPECT_FALSE(players.IsStretchSilent(5, 6));
    EXPECT_FALSE(players.IsStretchSilent(1, 8)) << "any sound in a stretch is sound";
    EXPECT_TRUE(players.IsStretchSilent(8, 9)) << "past the end";
    EXPECT_FALSE(players.IsStretchSilent(7.5, 9)) << "the song's last half second";
  }
}

TEST(SongFormats, TilesOfOtherFormatsAreHeardExactly) {
  TempFolder dir;
  const std::string flac = (dir.path / "Mono.FLAC").string(), opus = (dir.path / "s.opus").string();
  Write(flac, SF_FORMAT_FLAC | SF_FORMAT_PCM_16, 48000, 1, Source(48000, 1, kTiles * kTile));
  Write(opus, SF_FORMAT_OGG | SF_FORMAT_OPUS, 48000, 2, Source(48000, 2, kTiles * kTile));
  LoopbackContext loop(48000);
  ASSERT_TRUE(loop.ok());
  for (const std::string& path : {flac, opus}) {
    SCOPED_TRACE(path);
    FakeHost host;
    SongPlayers players(host);
    const int16_t index = players.PlayMP3Sound(path, 0, -1, 0, 0);
    ASSERT_GT(index, 200);
    const int16_t slot = static_cast<int16_t>(index - 200);
    players.UseSong(slot);
    auto* g = dynamic_cast<Mp3Graph*>(players.Graph(slot));
    ASSERT_TRUE(g && g->HasDevice());
    EXPECT_DOUBLE_EQ(g->StopTime(), kTiles * kTile);
    const std::vector<float> straight = DecodeAll(path);
    players.PlayTile(3, 3, static_cast<float>(kTile));
    const size_t tile = 48000, tail = 4800;
    std::vector<float> out((tile + tail) * 2);
    for (size_t done = 0; done < tile + tail; done += 256) {
      g->WaitFed(std::chrono::milliseconds(2000));
      loop.Render(out.data() + done * 2, std::min<size_t>(256, tile + tail - done));
    }
    EXPECT_EQ(std::memcmp(out.data(), AsPlayed(straight, 2 * tile, tile, tile, 48000).data(), tile * 2 * sizeof(float)), 0);
    for (size_t i = tile * 2; i < out.size(); ++i) ASSERT_EQ(out[i], 0.0f) << "silent after the tile";
  }
}

}  // namespace
