// Writes the game's sounds and sample song into the folder given.
#include "tools/Synth.h"

#include <cstdio>
#include <cstdlib>
#include <string>

int main(int argc, char** argv) {
  // --song FILE [SECONDS]: the sample song (or a longer one) in FILE's format.
  if (argc >= 3 && std::string(argv[1]) == "--song") {
    const double seconds = argc > 3 ? std::atof(argv[3]) : 0;
    const synth::Audio a = seconds > 0 ? synth::LongSong(seconds) : synth::MakeSong();
    if (synth::WriteSongFile(argv[2], a)) return 0;
    std::fprintf(stderr, "tunzle_assets: cannot write %s\n", argv[2]);
    return 1;
  }
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s <output folder> | --song <file> [seconds]\n", argv[0]);
    return 2;
  }
  std::string error;
  if (!synth::GenerateAssets(argv[1], error)) {
    std::fprintf(stderr, "tunzle_assets: %s\n", error.c_str());
    return 1;
  }
  return 0;
}
