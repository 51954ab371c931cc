#pragma once
// Decoders for the song: MP3 through mpg123, FLAC through libFLAC, Vorbis
// through vorbisfile, Opus through opusfile, and WAV (and whatever else
// libsndfile reads) through libsndfile. Every one yields interleaved stereo
// float frames, knows the exact length a full decode gives, and seeks so that
// what follows is bit for bit what a straight decode has there.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

class SongDecoder {
 public:
  virtual ~SongDecoder() = default;

  // Frames per second of the decoded output (Opus: 48000, or its own rate).
  int32_t Rate() const { return rate_; }
  // Frames a full decode yields; a truncated file counts what decodes.
  int64_t Length() const { return length_; }

  // The next Decode starts at this frame. False when the decoder cannot get there.
  virtual bool Seek(int64_t frame) = 0;
  // Up to `frames` stereo frames; fewer at the end or where the data stops.
  virtual int64_t Decode(float* out, int64_t frames) = 0;

  // Frames decoded and dropped by the last Seek to settle the decoder.
  int64_t Dropped() const { return dropped_; }

 protected:
  int32_t rate_ = 0;
  int64_t length_ = 0;
  int64_t dropped_ = 0;

  // Lands somewhat before `frame` and decodes forward, for decoders whose
  // output only settles some way after a jump. `jump` returns where it
  // landed (which may differ from where it was sent), or -1.
  bool SeekWithPreroll(int64_t frame, int64_t preroll, const std::function<int64_t(int64_t)>& jump);
};

// The decoder for the file, chosen by its content (the extension may lie or
// be missing); null when nothing in it decodes.
std::unique_ptr<SongDecoder> OpenSongDecoder(const std::string& path);

// Interleaved `channels`-channel frames to stereo: mono on both sides; of
// more channels the first two (front left and right) are kept.
void ToStereo(const float* in, int channels, int64_t frames, float* out);
