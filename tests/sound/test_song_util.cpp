#include "test_song_util.h"

#include "sound/MediaGraph.h"

#include <mpg123.h>
#include <sndfile.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <stdexcept>
#include <unistd.h>

namespace songtest {

namespace {
constexpr int kRate = 44100;
}  // namespace

std::string ReadText(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream ss;
  ss << in.rdbuf();
  return ss.str();
}

double Pitch(int tile) { return 330.0 + 110.0 * tile; }

namespace {

SNDFILE* OpenMp3(const std::string& path, bool vbr) {
  SF_INFO info{};
  info.samplerate = kRate;
  info.channels = 2;
  info.format = SF_FORMAT_MPEG | SF_FORMAT_MPEG_LAYER_III;
  SNDFILE* f = sf_open(path.c_str(), SFM_WRITE, &info);
  if (!f) throw std::runtime_error("cannot write " + path);
  int mode = vbr ? SF_BITRATE_MODE_VARIABLE : SF_BITRATE_MODE_CONSTANT;
  sf_command(f, SFC_SET_BITRATE_MODE, &mode, sizeof mode);
  return f;
}

}  // namespace

void WriteToneMp3(const std::string& path, int tiles, double tileSeconds, bool vbr, double tail) {
  SNDFILE* f = OpenMp3(path, vbr);
  int64_t perTile = std::llround(tileSeconds * kRate);
  int64_t total = perTile * tiles + std::llround(tail * kRate);
  std::vector<float> buf;
  buf.reserve(static_cast<size_t>(total) * 2);
  for (int64_t i = 0; i < total; ++i) {
    int tile = static_cast<int>(i / perTile) + 1;
    // Phase restarts each tile; a short ramp keeps the edges from splattering.
    int64_t inTile = i - (tile - 1) * perTile;
    double ramp = std::min({1.0, inTile / 200.0, (perTile - inTile) / 200.0});
    float v = static_cast<float>(0.5 * ramp * std::sin(2 * M_PI * Pitch(tile) * inTile / kRate));
    buf.push_back(v);
    buf.push_back(v);
  }
  sf_writef_float(f, buf.data(), total);
  sf_close(f);
}

void WriteBusyMp3(const std::string& path, double seconds, bool vbr) {
  SNDFILE* f = OpenMp3(path, vbr);
  int64_t total = std::llround(seconds * kRate);
  std::vector<float> buf;
  buf.reserve(static_cast<size_t>(total) * 2);
  std::mt19937 rng(7);
  std::uniform_real_distribution<float> noise(-1, 1);
  for (int64_t i = 0; i < total; ++i) {
    int64_t seg = i / 5512;  // an eighth of a second
    double t = static_cast<double>(i) / kRate;
    double f1 = 220.0 * std::pow(2.0, static_cast<double>(seg * 7 % 24) / 12.0);
    float quiet = seg % 5 == 4 ? 0.01f : 1.0f;
    float l = quiet * static_cast<float>(0.3 * std::sin(2 * M_PI * f1 * t) + 0.2 * std::sin(3 * M_PI * f1 * t));
    float r = quiet * static_cast<float>(0.3 * std::sin(2 * M_PI * f1 * 1.01 * t));
    if (i % 5512 < 400) {
      l += 0.3f * noise(rng);
      r += 0.3f * noise(rng);
    }
    buf.push_back(l);
    buf.push_back(r);
  }
  sf_writef_float(f, buf.data(), total);
  sf_close(f);
}

std::vector<float> StraightDecode(const std::string& path) {
  std::vector<float> out;
  int err = 0;
  mpg123_handle* mh = mpg123_new(nullptr, &err);
  mpg123_param(mh, MPG123_FLAGS, MPG123_GAPLESS | MPG123_FORCE_STEREO | MPG123_QUIET, 0);
  mpg123_format_none(mh);
  mpg123_format(mh, kRate, MPG123_STEREO, MPG123_ENC_FLOAT_32);
  if (mpg123_open(mh, path.c_str()) == MPG123_OK) {
    std::vector<unsigned char> b(1 << 16);
    for (;;) {
      size_t done = 0;
      int r = mpg123_read(mh, b.data(), b.size(), &done);
      const float* p = reinterpret_cast<const float*>(b.data());
      out.insert(out.end(), p, p + done / sizeof(float));
      if (r != MPG123_OK && r != MPG123_NEW_FORMAT) break;
    }
  }
  mpg123_delete(mh);
  return out;
}

std::vector<float> AsPlayed(const std::vector<float>& straight, size_t from, size_t frames, size_t runFrames,
                            int32_t rate) {
  std::vector<float> out(straight.begin() + static_cast<std::ptrdiff_t>(from * 2),
                         straight.begin() + static_cast<std::ptrdiff_t>((from + frames) * 2));
  ApplyEdgeFade(out.data(), static_cast<int64_t>(frames), 0, static_cast<int64_t>(runFrames), EdgeFadeFrames(rate));
  return out;
}

double Power(const float* stereo, size_t frames, double hz, int channel) {
  double w = 2 * M_PI * hz / kRate, c = 2 * std::cos(w), s1 = 0, s2 = 0;
  for (size_t i = 0; i < frames; ++i) {
    double s0 = stereo[2 * i + channel] + c * s1 - s2;
    s2 = s1;
    s1 = s0;
  }
  return (s1 * s1 + s2 * s2 - c * s1 * s2) / (frames * frames + 1.0);
}

int LoudestTile(const float* stereo, size_t frames, int maxTile) {
  int best = 0;
  double bestPower = 1e-6;  // below this it is silence
  for (int k = 1; k <= maxTile; ++k) {
    double p = Power(stereo, frames, Pitch(k));
    if (p > bestPower) {
      bestPower = p;
      best = k;
    }
  }
  return best;
}

std::vector<float> Loopback::Render(Mp3Graph* graph, size_t frames) {
  std::vector<float> out(frames * 2);
  constexpr size_t kBlock = 256;
  for (size_t done = 0; done < frames; done += kBlock) {
    if (graph) graph->WaitFed(std::chrono::milliseconds(2000));
    size_t n = std::min(kBlock, frames - done);
    Render(out.data() + done * 2, n);
  }
  return out;
}

}  // namespace songtest
