// "sounds.ini" as the engine reads it at start-up: any text leaves counts the
// slot tables can be sized with, and the engine still plays a cue.
#include "tests/fuzz/FuzzSupport.h"

#include "sound/Sound.h"
#include "tests/support/FakeDirectSound.h"
#include "tests/support/QuietSoundHost.h"

#include <sndfile.h>

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  setenv("TUNZLE_NO_SYSTEM_BOX", "1", 1);
  // One short cue for the slots to load.
  SF_INFO info{};
  info.samplerate = 22050;
  info.channels = 1;
  info.format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
  const std::string cue = (FuzzFolder() / "cue.wav").string();
  if (SNDFILE* f = sf_open(cue.c_str(), SFM_WRITE, &info)) {
    const short samples[64] = {1000, -1000};
    sf_writef_short(f, samples, 64);
    sf_close(f);
  }
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const ScratchFolder& dir = FuzzFolder();
  dir.File("sounds.ini", std::string(reinterpret_cast<const char*>(data), size));
  QuietSoundHost host(dir.Folder());
  auto device = std::make_unique<FakeDirectSound>();
  Sound sound(host, std::move(device));
  sound.DSInit();
  FUZZ_CHECK(sound.SoundBuffers >= 20 && sound.SoundBuffers <= 100);
  FUZZ_CHECK(sound.OggBuffers >= 0 && sound.OggBuffers <= 100);
  FUZZ_CHECK(sound.MP3Buffers >= 0 && sound.MP3Buffers <= 100);
  // Every slot of the table the file asked for can be taken.
  for (int i = 0; i <= sound.SoundBuffers; ++i) sound.PlaySound("cue.wav");
  return 0;
}
