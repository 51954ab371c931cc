#include "tools/Synth.h"

#include <sndfile.h>

#include <filesystem>

namespace synth {

namespace {

bool Write(const std::string& path, const Audio& a, int format, int kbps) {
  SF_INFO info{};
  info.samplerate = a.rate;
  info.channels = a.channels;
  info.format = format;
  // Written beside the target and renamed, so an interrupted build never leaves half a file.
  const std::string temp = path + ".part";
  SNDFILE* f = sf_open(temp.c_str(), SFM_WRITE, &info);
  if (!f) return false;
  if (kbps > 0) {
    int mode = SF_BITRATE_MODE_CONSTANT;
    sf_command(f, SFC_SET_BITRATE_MODE, &mode, sizeof mode);
    // The encoder maps 0..1 onto its bit rates from 320 down to 32 kbit/s.
    double level = (320.0 - kbps) / (320.0 - 32.0);
    sf_command(f, SFC_SET_COMPRESSION_LEVEL, &level, sizeof level);
  }
  int clip = SF_TRUE;
  sf_command(f, SFC_SET_CLIPPING, &clip, sizeof clip);
  // Float frames: the MP3 writer garbles 16-bit integer input.
  const sf_count_t wrote = sf_writef_float(f, a.samples.data(), a.frames());
  const bool ok = wrote == a.frames() && sf_close(f) == 0;
  std::error_code ec;
  if (!ok) {
    std::filesystem::remove(temp, ec);
    return false;
  }
  std::filesystem::rename(temp, path, ec);
  return !ec;
}

}  // namespace

bool WriteWav(const std::string& path, const Audio& a) { return Write(path, a, SF_FORMAT_WAV | SF_FORMAT_PCM_16, 0); }

bool WriteMp3(const std::string& path, const Audio& a, int kbps) {
  return Write(path, a, SF_FORMAT_MPEG | SF_FORMAT_MPEG_LAYER_III, kbps);
}

bool GenerateAssets(const std::string& folder, std::string& error) {
  std::error_code ec;
  std::filesystem::create_directories(folder, ec);
  const std::filesystem::path dir(folder);
  struct Cue { const char* name; Audio (*make)(); };
  const Cue cues[] = {{"intro0.wav", MakeIntro}, {"note.wav", MakeNote}, {"noTile.wav", MakeNoTile},
                      {"marker.wav", MakeMarker}, {"boop2.wav", MakeBoop}};
  for (const auto& c : cues) {
    if (!WriteWav((dir / c.name).string(), c.make())) {
      error = std::string("cannot write ") + (dir / c.name).string();
      return false;
    }
  }
  if (!WriteMp3((dir / "sample.mp3").string(), MakeSong(), 160)) {
    error = "cannot write " + (dir / "sample.mp3").string();
    return false;
  }
  return true;
}

}  // namespace synth
