#include "tools/Synth.h"

#include <sndfile.h>

#include <algorithm>
#include <cctype>
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
  // In pieces: libsndfile's Vorbis writer breaks on minutes of audio in one call.
  sf_count_t wrote = 0;
  for (sf_count_t n = 1; wrote < a.frames() && n > 0; wrote += n)
    n = sf_writef_float(f, a.samples.data() + wrote * a.channels, std::min<sf_count_t>(65536, a.frames() - wrote));
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

bool WriteSongFile(const std::string& path, const Audio& a) {
  std::string ext = std::filesystem::path(path).extension().string();
  for (char& c : ext) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  if (ext == ".mp3") return WriteMp3(path, a, 160);
  if (ext == ".wav") return WriteWav(path, a);
  if (ext == ".flac") return Write(path, a, SF_FORMAT_FLAC | SF_FORMAT_PCM_16, 0);
  if (ext == ".ogg" || ext == ".oga") return Write(path, a, SF_FORMAT_OGG | SF_FORMAT_VORBIS, 0);
  // Opus takes 48 kHz (among a few lower rates) only.
  if (ext == ".opus") return Write(path, Resample(a, 48000), SF_FORMAT_OGG | SF_FORMAT_OPUS, 0);
  return false;
}

Audio Resample(const Audio& a, int rate) {
  if (a.rate == rate || a.frames() == 0) return a;
  Audio out;
  out.channels = a.channels;
  out.rate = rate;
  const int64_t frames = a.frames() * rate / a.rate;
  out.samples.resize(static_cast<size_t>(frames * a.channels));
  for (int64_t i = 0; i < frames; ++i) {
    const double at = static_cast<double>(i) * a.rate / rate;
    const int64_t k = static_cast<int64_t>(at);
    const double f = at - static_cast<double>(k);
    const int64_t k1 = std::min(k + 1, a.frames() - 1);
    for (int c = 0; c < a.channels; ++c)
      out.samples[static_cast<size_t>(i * a.channels + c)] = static_cast<float>(
          (1 - f) * a.samples[static_cast<size_t>(k * a.channels + c)] + f * a.samples[static_cast<size_t>(k1 * a.channels + c)]);
  }
  return out;
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
