// Writes the game's sounds and sample song into the folder given.
#include "tools/Synth.h"

#include <cstdio>

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s <output folder>\n", argv[0]);
    return 2;
  }
  std::string error;
  if (!synth::GenerateAssets(argv[1], error)) {
    std::fprintf(stderr, "tunzle_assets: %s\n", error.c_str());
    return 1;
  }
  return 0;
}
