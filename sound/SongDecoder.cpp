#include "sound/SongDecoder.h"

#include <FLAC/stream_decoder.h>
#include <mpg123.h>
#include <opusfile.h>
#include <sndfile.h>
#include <vorbis/vorbisfile.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <functional>
#include <mutex>
#include <vector>

void ToStereo(const float* in, int channels, int64_t frames, float* out) {
  for (int64_t i = 0; i < frames; ++i) {
    const float* f = in + i * channels;
    out[2 * i] = f[0];
    out[2 * i + 1] = channels > 1 ? f[1] : f[0];
  }
}

namespace {

constexpr int64_t kScratch = 4096;

}  // namespace

bool SongDecoder::SeekWithPreroll(int64_t frame, int64_t preroll, const std::function<int64_t(int64_t)>& jump) {
  const int64_t at = jump(std::max<int64_t>(0, frame - preroll));
  if (at < 0 || at > frame) return false;
  dropped_ = frame - at;
  std::vector<float> scratch(static_cast<size_t>(kScratch) * 2);
  for (int64_t skip = frame - at; skip > 0;) {
    const int64_t n = Decode(scratch.data(), std::min(skip, kScratch));
    if (n <= 0) return false;
    skip -= n;
  }
  return true;
}

namespace {

// ------------------------------------------------------------------- MP3

class Mp3Decoder : public SongDecoder {
 public:
  ~Mp3Decoder() override {
    if (mh_) {
      mpg123_close(mh_);
      mpg123_delete(mh_);
    }
  }

  bool Open(const std::string& path) {
    static std::once_flag once;
    std::call_once(once, [] { mpg123_init(); });
    int err = 0;
    mh_ = mpg123_new(nullptr, &err);
    if (!mh_) return false;
    mpg123_param(mh_, MPG123_FLAGS, MPG123_GAPLESS | MPG123_FORCE_STEREO | MPG123_QUIET, 0);
    // A growing index holds every frame after the scan, so any seek is a jump.
    mpg123_param(mh_, MPG123_INDEX_SIZE, -1000, 0);
    mpg123_format_none(mh_);
    const long* rates = nullptr;
    size_t nrates = 0;
    mpg123_rates(&rates, &nrates);
    for (size_t i = 0; i < nrates; ++i) mpg123_format(mh_, rates[i], MPG123_STEREO, MPG123_ENC_FLOAT_32);
    long rate = 0;
    int channels = 0, encoding = 0;
    if (mpg123_open(mh_, path.c_str()) != MPG123_OK || mpg123_scan(mh_) != MPG123_OK ||
        mpg123_getformat(mh_, &rate, &channels, &encoding) != MPG123_OK || channels != 2 ||
        encoding != MPG123_ENC_FLOAT_32 || rate <= 0)
      return false;
    length_ = mpg123_length(mh_);
    rate_ = static_cast<int32_t>(rate);
    const int spf = mpg123_spf(mh_);
    spf_ = spf > 0 ? spf : 1152;
    mpg123_frameinfo info{};
    if (mpg123_info(mh_, &info) == MPG123_OK) {
      layer3_ = info.layer == 3;
      reservoir_ = info.version == MPG123_1_0 ? 511 : 255;
      sideInfo_ = info.version == MPG123_1_0 ? (info.mode == MPG123_M_MONO ? 17 : 32)
                                             : (info.mode == MPG123_M_MONO ? 9 : 17);
      sideInfo_ += 4 + ((info.flags & MPG123_CRC) ? 2 : 0);
    }
    return length_ > 0;
  }

  bool Seek(int64_t frame) override {
    return SeekWithPreroll(frame, Preroll(frame), [this](int64_t from) {
      return static_cast<int64_t>(mpg123_seek(mh_, static_cast<off_t>(from), SEEK_SET));
    });
  }

  int64_t Decode(float* out, int64_t frames) override {
    auto* bytes = reinterpret_cast<unsigned char*>(out);
    const size_t want = static_cast<size_t>(frames) * 2 * sizeof(float);
    size_t got = 0;
    while (got < want) {
      size_t done = 0;
      const int r = mpg123_read(mh_, bytes + got, want - got, &done);
      got += done;
      if (r == MPG123_NEW_FORMAT) continue;
      if (r != MPG123_OK || done == 0) break;  // the end, or a damaged stretch we cannot get past
    }
    return static_cast<int64_t>(got / (2 * sizeof(float)));
  }

 private:
  // After a jump, Layer III output is exact once the decoder holds every byte
  // of the bit reservoir the first wanted frames reach back into, plus a frame
  // for the filter bank's overlap. How far that is in time depends on the
  // frames' sizes, so it is measured on this file's own frames (from the
  // index the scan built) rather than assumed for the smallest frames.
  int64_t Preroll(int64_t frame) {
    if (!layer3_) return 2 * spf_;
    const int64_t worst = (reservoir_ == 511 ? 10 : 54) * spf_;
    off_t* offsets = nullptr;
    off_t step = 0;
    size_t fill = 0;
    if (mpg123_index(mh_, &offsets, &step, &fill) != MPG123_OK || step != 1 || fill < 2) return worst;
    const int64_t first = frame / spf_;
    if (first >= static_cast<int64_t>(fill)) return worst;
    // The frame before the first wanted one feeds its overlap, and gapless
    // trimming shifts samples against frames by up to two frames.
    int64_t start = first;
    for (int64_t k = std::max<int64_t>(0, first - 1); k <= first + 2 && k < static_cast<int64_t>(fill); ++k) {
      int64_t need = reservoir_, j = k;
      while (need > 0 && j > 0) {
        --j;
        need -= static_cast<int64_t>(offsets[j + 1] - offsets[j]) - sideInfo_;
      }
      start = std::min(start, j);
    }
    return std::min(worst, (first - start + 1) * spf_ + frame % spf_);
  }

  mpg123_handle* mh_ = nullptr;
  int64_t spf_ = 1152;
  bool layer3_ = false;
  int64_t reservoir_ = 511;
  int64_t sideInfo_ = 36;
};

// ------------------------------------------------------------------ FLAC

class FlacDecoder : public SongDecoder {
 public:
  ~FlacDecoder() override {
    if (dec_) FLAC__stream_decoder_delete(dec_);
    if (file_) std::fclose(file_);
  }

  bool Open(const std::string& path) {
    file_ = std::fopen(path.c_str(), "rb");
    dec_ = FLAC__stream_decoder_new();
    if (!file_ || !dec_ || !Start()) return false;
    int64_t hi = static_cast<int64_t>(FLAC__stream_decoder_get_total_samples(dec_));
    if (hi <= 0) {
      // Without a total in the header every jump is a slow search: count the
      // stream once, then read the header again with the count in it.
      hi = CountFrom(0);
      if (hi <= 0 || !FindTotal()) return false;
      total_ = hi;
      FLAC__stream_decoder_finish(dec_);
      if (!Start()) return false;
    }
    // The header may promise more than a cut file holds: the end is where a
    // jump still lands, and from there what decodes. (A jump into the short
    // last frame itself takes libFLAC most of a second, so the check starts
    // earlier.)
    int64_t lo = std::max<int64_t>(0, hi - 4 * kScratch);
    if (CountFrom(lo) != hi) {
      lo = 0;
      if (!Reaches(0)) return false;
      while (hi - lo > kScratch) {
        const int64_t mid = lo + (hi - lo) / 2;
        (Reaches(mid) ? lo : hi) = mid;
      }
      length_ = CountFrom(lo);
    } else {
      length_ = hi;
    }
    return length_ > 0 && Seek(0);
  }

  bool Seek(int64_t frame) override {
    pending_.clear();
    at_ = 0;
    if (FLAC__stream_decoder_get_state(dec_) == FLAC__STREAM_DECODER_SEEK_ERROR) FLAC__stream_decoder_flush(dec_);
    if (!FLAC__stream_decoder_seek_absolute(dec_, static_cast<FLAC__uint64>(frame))) {
      FLAC__stream_decoder_flush(dec_);
      return false;
    }
    return true;
  }

  int64_t Decode(float* out, int64_t frames) override {
    int64_t got = 0;
    while (got < frames) {
      if (static_cast<size_t>(at_) * 2 >= pending_.size()) {
        pending_.clear();
        at_ = 0;
        const auto state = FLAC__stream_decoder_get_state(dec_);
        if (state == FLAC__STREAM_DECODER_END_OF_STREAM || state > FLAC__STREAM_DECODER_END_OF_STREAM) break;
        if (!FLAC__stream_decoder_process_single(dec_)) break;
        if (pending_.empty()) {
          if (FLAC__stream_decoder_get_state(dec_) >= FLAC__STREAM_DECODER_END_OF_STREAM) break;
          continue;  // metadata, or a damaged frame skipped
        }
      }
      const int64_t n = std::min<int64_t>(frames - got, static_cast<int64_t>(pending_.size() / 2) - at_);
      std::memcpy(out + got * 2, pending_.data() + at_ * 2, static_cast<size_t>(n) * 2 * sizeof(float));
      at_ += n;
      got += n;
    }
    return got;
  }

 private:
  // The frame where decoding from `from` stops; `from` when it cannot start there.
  int64_t CountFrom(int64_t from) {
    if (!Seek(from)) return from;
    std::vector<float> scratch(static_cast<size_t>(kScratch) * 2);
    while (int64_t n = Decode(scratch.data(), kScratch)) from += n;
    return from;
  }
  bool Reaches(int64_t frame) {
    return Seek(frame) && FLAC__stream_decoder_get_state(dec_) != FLAC__STREAM_DECODER_END_OF_STREAM;
  }

  bool Start() {
    std::rewind(file_);
    return FLAC__stream_decoder_init_stream(dec_, &Read, &SeekTo, &Tell, &Size, &Eof, &Write, &Metadata, &Error, this) ==
               FLAC__STREAM_DECODER_INIT_STATUS_OK &&
           FLAC__stream_decoder_process_until_end_of_metadata(dec_) && rate_ > 0;
  }

  // Where the header's 36-bit total lies: after "fLaC" (perhaps behind an ID3
  // tag), the block header, and 13 bytes of the stream information.
  bool FindTotal() {
    unsigned char h[10] = {};
    std::rewind(file_);
    if (std::fread(h, 1, sizeof h, file_) != sizeof h) return false;
    long at = 0;
    if (std::memcmp(h, "ID3", 3) == 0)
      at = 10 + ((h[6] & 0x7F) << 21 | (h[7] & 0x7F) << 14 | (h[8] & 0x7F) << 7 | (h[9] & 0x7F)) + ((h[5] & 0x10) ? 10 : 0);
    unsigned char magic[4] = {};
    if (std::fseek(file_, at, SEEK_SET) != 0 || std::fread(magic, 1, 4, file_) != 4 || std::memcmp(magic, "fLaC", 4) != 0)
      return false;
    totalAt_ = at + 4 + 4 + 13;
    return true;
  }

  static FLAC__StreamDecoderReadStatus Read(const FLAC__StreamDecoder*, FLAC__byte buffer[], size_t* bytes, void* data) {
    auto* self = static_cast<FlacDecoder*>(data);
    const long from = std::ftell(self->file_);
    *bytes = std::fread(buffer, 1, *bytes, self->file_);
    // The counted total goes into the header as it is read.
    if (self->total_ > 0)
      for (long i = 0; i < 5; ++i) {
        const long at = self->totalAt_ + i - from;
        if (at < 0 || at >= static_cast<long>(*bytes)) continue;
        const int shift = 8 * (4 - static_cast<int>(i));
        const auto v = static_cast<FLAC__byte>((static_cast<uint64_t>(self->total_) >> shift) & 0xFF);
        buffer[at] = i == 0 ? static_cast<FLAC__byte>((buffer[at] & 0xF0) | (v & 0x0F)) : v;
      }
    if (*bytes > 0) return FLAC__STREAM_DECODER_READ_STATUS_CONTINUE;
    return std::ferror(self->file_) ? FLAC__STREAM_DECODER_READ_STATUS_ABORT : FLAC__STREAM_DECODER_READ_STATUS_END_OF_STREAM;
  }
  static FLAC__StreamDecoderSeekStatus SeekTo(const FLAC__StreamDecoder*, FLAC__uint64 offset, void* data) {
    return std::fseek(static_cast<FlacDecoder*>(data)->file_, static_cast<long>(offset), SEEK_SET) == 0
               ? FLAC__STREAM_DECODER_SEEK_STATUS_OK
               : FLAC__STREAM_DECODER_SEEK_STATUS_ERROR;
  }
  static FLAC__StreamDecoderTellStatus Tell(const FLAC__StreamDecoder*, FLAC__uint64* offset, void* data) {
    const long at = std::ftell(static_cast<FlacDecoder*>(data)->file_);
    if (at < 0) return FLAC__STREAM_DECODER_TELL_STATUS_ERROR;
    *offset = static_cast<FLAC__uint64>(at);
    return FLAC__STREAM_DECODER_TELL_STATUS_OK;
  }
  static FLAC__StreamDecoderLengthStatus Size(const FLAC__StreamDecoder*, FLAC__uint64* length, void* data) {
    FILE* f = static_cast<FlacDecoder*>(data)->file_;
    const long at = std::ftell(f);
    if (at < 0 || std::fseek(f, 0, SEEK_END) != 0) return FLAC__STREAM_DECODER_LENGTH_STATUS_ERROR;
    *length = static_cast<FLAC__uint64>(std::ftell(f));
    std::fseek(f, at, SEEK_SET);
    return FLAC__STREAM_DECODER_LENGTH_STATUS_OK;
  }
  static FLAC__bool Eof(const FLAC__StreamDecoder*, void* data) {
    return std::feof(static_cast<FlacDecoder*>(data)->file_) != 0;
  }

  static FLAC__StreamDecoderWriteStatus Write(const FLAC__StreamDecoder*, const FLAC__Frame* frame,
                                              const FLAC__int32* const buffer[], void* data) {
    auto* self = static_cast<FlacDecoder*>(data);
    const unsigned n = frame->header.blocksize, ch = frame->header.channels;
    const float scale = 1.0f / static_cast<float>(1u << (frame->header.bits_per_sample - 1));
    const size_t base = self->pending_.size();
    self->pending_.resize(base + static_cast<size_t>(n) * 2);
    float* p = self->pending_.data() + base;
    for (unsigned i = 0; i < n; ++i) {
      p[2 * i] = static_cast<float>(buffer[0][i]) * scale;
      p[2 * i + 1] = static_cast<float>(buffer[ch > 1 ? 1 : 0][i]) * scale;
    }
    return FLAC__STREAM_DECODER_WRITE_STATUS_CONTINUE;
  }
  static void Metadata(const FLAC__StreamDecoder*, const FLAC__StreamMetadata* m, void* data) {
    if (m->type == FLAC__METADATA_TYPE_STREAMINFO)
      static_cast<FlacDecoder*>(data)->rate_ = static_cast<int32_t>(m->data.stream_info.sample_rate);
  }
  static void Error(const FLAC__StreamDecoder*, FLAC__StreamDecoderErrorStatus, void*) {}

  FLAC__StreamDecoder* dec_ = nullptr;
  FILE* file_ = nullptr;
  int64_t total_ = 0;   // counted length written into the header as it is read; 0: none
  long totalAt_ = 0;    // file offset of the header byte holding the total's top bits
  std::vector<float> pending_;  // stereo frames decoded but not yet handed out
  int64_t at_ = 0;
};

// ---------------------------------------------------------------- Vorbis

class VorbisDecoder : public SongDecoder {
 public:
  ~VorbisDecoder() override {
    if (open_) ov_clear(&vf_);
  }

  // Chained streams play one after the other at the first stream's rate.
  bool Open(const std::string& path) {
    open_ = ov_fopen(path.c_str(), &vf_) == 0;
    if (!open_ || !ov_seekable(&vf_)) return false;
    const vorbis_info* vi = ov_info(&vf_, 0);
    if (!vi || vi->rate <= 0) return false;
    rate_ = static_cast<int32_t>(vi->rate);
    length_ = ov_pcm_total(&vf_, -1);
    return length_ > 0;
  }

  // vorbisfile primes the overlap from the packet before, so a jump is exact.
  bool Seek(int64_t frame) override { return ov_pcm_seek(&vf_, frame) == 0; }

  int64_t Decode(float* out, int64_t frames) override {
    int64_t got = 0;
    int faults = 0;
    while (got < frames) {
      float** pcm = nullptr;
      int link = 0;
      const long n = ov_read_float(&vf_, &pcm, static_cast<int>(std::min<int64_t>(frames - got, kScratch)), &link);
      if (n == OV_HOLE && ++faults < 8) continue;  // a gap in the data: go on after it
      if (n <= 0) break;
      const vorbis_info* vi = ov_info(&vf_, link);
      const int ch = vi ? vi->channels : 1;
      // Vorbis puts the centre second in layouts of 3, 5 and more channels.
      const int right = ch == 1 ? 0 : (ch == 3 || ch >= 5) ? 2 : 1;
      for (long i = 0; i < n; ++i) {
        out[2 * (got + i)] = pcm[0][i];
        out[2 * (got + i) + 1] = pcm[right][i];
      }
      got += n;
    }
    return got;
  }

 private:
  OggVorbis_File vf_{};
  bool open_ = false;
};

// ------------------------------------------------------------------ Opus

class OpusFileDecoder : public SongDecoder {
 public:
  ~OpusFileDecoder() override {
    if (of_) op_free(of_);
  }

  bool Open(const std::string& path) {
    int err = 0;
    of_ = op_open_file(path.c_str(), &err);
    if (!of_ || !op_seekable(of_)) return false;
    rate_ = 48000;  // Opus always decodes at 48 kHz; the pre-skip is already dropped
    length_ = op_pcm_total(of_, -1);
    return length_ > 0;
  }

  // opusfile lands 80 ms early, but the decoder's state only matches a
  // straight decode about half a second after a jump (measured); a second
  // of pre-roll keeps every tile bit-exact.
  bool Seek(int64_t frame) override {
    return SeekWithPreroll(frame, rate_, [this](int64_t from) -> int64_t { return op_pcm_seek(of_, from) == 0 ? from : -1; });
  }

  int64_t Decode(float* out, int64_t frames) override {
    int64_t got = 0;
    int faults = 0;
    while (got < frames) {
      const int n = op_read_float_stereo(of_, out + got * 2, static_cast<int>(std::min<int64_t>(frames - got, kScratch) * 2));
      if (n == OP_HOLE && ++faults < 8) continue;
      if (n <= 0) break;
      got += n;
    }
    return got;
  }

 private:
  OggOpusFile* of_ = nullptr;
};

// ------------------------------------------------------------- libsndfile

class SndfileDecoder : public SongDecoder {
 public:
  ~SndfileDecoder() override {
    if (sf_) sf_close(sf_);
  }

  bool Open(const std::string& path) {
    SF_INFO info{};
    sf_ = sf_open(path.c_str(), SFM_READ, &info);
    if (!sf_ || info.channels < 1 || info.samplerate <= 0 || !info.seekable) return false;
    channels_ = info.channels;
    rate_ = info.samplerate;
    length_ = info.frames;
    if (length_ <= 0 || length_ == SF_COUNT_MAX) {
      // No trustworthy count in the header: count what decodes.
      length_ = 0;
      std::vector<float> scratch(static_cast<size_t>(kScratch) * 2);
      while (int64_t n = Decode(scratch.data(), kScratch)) length_ += n;
    }
    return length_ > 0 && Seek(0);
  }

  bool Seek(int64_t frame) override { return sf_seek(sf_, frame, SEEK_SET) == frame; }

  int64_t Decode(float* out, int64_t frames) override {
    buf_.resize(static_cast<size_t>(std::min(frames, kScratch)) * static_cast<size_t>(channels_));
    int64_t got = 0;
    while (got < frames) {
      const sf_count_t n = sf_readf_float(sf_, buf_.data(), std::min(frames - got, kScratch));
      if (n <= 0) break;
      ToStereo(buf_.data(), channels_, n, out + got * 2);
      got += n;
    }
    return got;
  }

 private:
  SNDFILE* sf_ = nullptr;
  int channels_ = 1;
  std::vector<float> buf_;
};

enum class Kind { Mp3, Flac, Vorbis, Opus, Sndfile };

// Ogg files name their codec in the first packet, right after the first page header.
Kind Sniff(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  char head[64] = {};
  in.read(head, sizeof head);
  std::string h(head, static_cast<size_t>(in.gcount()));
  // Taggers put ID3 tags before FLAC streams too: look past one.
  if (h.size() >= 10 && h.compare(0, 3, "ID3") == 0) {
    const auto b = [&](size_t i) { return static_cast<std::streamoff>(static_cast<unsigned char>(h[i]) & 0x7F); };
    const std::streamoff size = 10 + (b(6) << 21 | b(7) << 14 | b(8) << 7 | b(9)) + ((h[5] & 0x10) ? 10 : 0);
    in.clear();
    in.seekg(size);
    in.read(head, sizeof head);
    h.assign(head, static_cast<size_t>(std::max<std::streamsize>(0, in.gcount())));
    if (h.compare(0, 4, "fLaC") == 0) return Kind::Flac;
    return Kind::Mp3;
  }
  if (h.compare(0, 4, "fLaC") == 0) return Kind::Flac;
  if (h.compare(0, 4, "OggS") == 0) {
    if (h.find("\x01vorbis") != std::string::npos) return Kind::Vorbis;
    if (h.find("OpusHead") != std::string::npos) return Kind::Opus;
    return Kind::Sndfile;
  }
  if (h.compare(0, 4, "RIFF") == 0 || h.compare(0, 4, "RF64") == 0 || h.compare(0, 4, "FORM") == 0 ||
      h.compare(0, 4, "wvpk") == 0 || h.compare(0, 4, ".snd") == 0)
    return Kind::Sndfile;
  return Kind::Mp3;
}

template <class D>
std::unique_ptr<SongDecoder> Try(const std::string& path) {
  auto d = std::make_unique<D>();
  if (!d->Open(path)) return nullptr;
  return d;
}

}  // namespace

std::unique_ptr<SongDecoder> OpenSongDecoder(const std::string& path) {
  switch (Sniff(path)) {
    case Kind::Flac: return Try<FlacDecoder>(path);
    case Kind::Vorbis: return Try<VorbisDecoder>(path);
    case Kind::Opus: return Try<OpusFileDecoder>(path);
    case Kind::Sndfile: return Try<SndfileDecoder>(path);
    case Kind::Mp3: break;
  }
  return Try<Mp3Decoder>(path);
}
