#include "game/Startup.h"

#include <cstdio>
#include <unistd.h>

int main(int argc, char** argv) {
  const int code = TunzleMain(argc, argv);
  // Every object of the program has closed down. exit() would flush every
  // stream under its lock, and a thread stuck on a hung speech server may
  // hold one for good: leave without it.
  std::fflush(stdout);
  std::fflush(stderr);
  _exit(code);
}
