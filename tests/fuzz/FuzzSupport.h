#pragma once
// What the fuzz targets share: one scratch folder for the whole run and a
// check that stops the run (a crash libFuzzer reports) when an invariant fails.
#include "tests/support/ScratchFolder.h"

#include <cstdio>
#include <cstdlib>

inline const ScratchFolder& FuzzFolder() {
  static ScratchFolder folder;
  return folder;
}

#define FUZZ_CHECK(cond)                                                      \
  do {                                                                        \
    if (!(cond)) {                                                            \
      std::fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #cond); \
      std::abort();                                                           \
    }                                                                         \
  } while (0)
