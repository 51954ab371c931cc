#include "common/SoundWake.h"

#include <atomic>

namespace soundwake {
namespace {
std::atomic<Handler> handler{nullptr};
std::atomic<LinkHandler> linkHandler{nullptr};
}

void Wake(double seconds) {
  if (Handler h = handler.load(std::memory_order_acquire)) h(seconds);
}

void SetHandler(Handler h) { handler.store(h, std::memory_order_release); }

void LinkChanged(bool up) {
  if (LinkHandler h = linkHandler.load(std::memory_order_acquire)) h(up);
}

void SetLinkHandler(LinkHandler h) { linkHandler.store(h, std::memory_order_release); }

}  // namespace soundwake
