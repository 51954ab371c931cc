#include "base/Trace.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <mutex>

namespace {

struct TraceFile {
  std::mutex lock;
  std::FILE* file = nullptr;
  bool opened = false;
  std::chrono::steady_clock::time_point start = std::chrono::steady_clock::now();

  void open() {
    if (file) std::fclose(file);
    file = nullptr;
    if (const char* path = std::getenv("TUNZLE_TRACE"); path && *path) file = std::fopen(path, "a");
    opened = true;
  }
};

TraceFile& traceFile() {
  static TraceFile t;
  return t;
}

std::string clean(const std::string& s) {
  std::string out = s;
  for (char& c : out)
    if (c == '\t' || c == '\n' || c == '\r') c = ' ';
  return out;
}

}  // namespace

namespace Trace {

bool enabled() {
  auto& t = traceFile();
  std::lock_guard g(t.lock);
  if (!t.opened) t.open();
  return t.file != nullptr;
}

void reopen() {
  auto& t = traceFile();
  std::lock_guard g(t.lock);
  t.open();
}

void write(const std::string& event, std::initializer_list<std::string> fields) {
  auto& t = traceFile();
  std::lock_guard g(t.lock);
  if (!t.opened) t.open();
  if (!t.file) return;
  auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - t.start).count();
  std::string line = std::to_string(ms) + "\t" + event;
  for (const auto& f : fields) line += "\t" + clean(f);
  line += "\n";
  std::fputs(line.c_str(), t.file);
  std::fflush(t.file);
}

}  // namespace Trace
