#include "common/Wait.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <chrono>
#include <thread>

void Wait(float Seconds, bool NoEvents) {
  using clock = std::chrono::steady_clock;
  const auto end = clock::now() + std::chrono::duration_cast<clock::duration>(std::chrono::duration<double>(Seconds));
  while (clock::now() < end) {
    if (!NoEvents && QCoreApplication::instance()) {
      auto left = std::chrono::duration_cast<std::chrono::milliseconds>(end - clock::now()).count();
      QCoreApplication::processEvents(QEventLoop::AllEvents, static_cast<int>(std::max<long long>(1, std::min<long long>(left, 10))));
    }
    // Sleep a little so a long wait does not burn a core.
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
}
