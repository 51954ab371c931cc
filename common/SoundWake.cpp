#include "common/SoundWake.h"

#include <atomic>

namespace soundwake {
namespace {
std::atomic<Handler> handler{nullptr};
}

void Wake(double seconds) {
  if (Handler h = handler.load(std::memory_order_acquire)) h(seconds);
}

void SetHandler(Handler h) { handler.store(h, std::memory_order_release); }

}  // namespace soundwake
