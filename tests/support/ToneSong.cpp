// Writes a song for the listening tests: tile k (1-based) is a steady tone of
// 330 + 110 k Hz, so what is heard tells which tile played and for how long.
// The phase runs on across tiles and the level never dips, so a tile's edges
// are where the player cuts it, not in the song.
#include <sndfile.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: %s <out.mp3|out.flac> <tiles> <tile seconds>\n", argv[0]);
    return 2;
  }
  const int rate = 44100, tiles = std::atoi(argv[2]);
  const double tileSeconds = std::atof(argv[3]);
  const long perTile = std::lround(tileSeconds * rate);
  SF_INFO info{};
  info.samplerate = rate;
  info.channels = 2;
  const char* dot = std::strrchr(argv[1], '.');
  const bool flac = dot && std::strcmp(dot, ".flac") == 0;
  info.format = flac ? SF_FORMAT_FLAC | SF_FORMAT_PCM_16 : SF_FORMAT_MPEG | SF_FORMAT_MPEG_LAYER_III;
  SNDFILE* f = sf_open(argv[1], SFM_WRITE, &info);
  if (!f || tiles < 1 || perTile < 1) return 1;
  int mode = SF_BITRATE_MODE_CONSTANT;
  if (!flac) sf_command(f, SFC_SET_BITRATE_MODE, &mode, sizeof mode);
  std::vector<float> buf(static_cast<size_t>(perTile) * 2);
  double phase = 0;
  for (int t = 1; t <= tiles; ++t) {
    const double step = 2 * M_PI * (330.0 + 110.0 * t) / rate;
    for (long i = 0; i < perTile; ++i, phase += step) buf[2 * i] = buf[2 * i + 1] = static_cast<float>(0.5 * std::sin(phase));
    sf_writef_float(f, buf.data(), perTile);
  }
  return sf_close(f) == 0 ? 0 : 1;
}
