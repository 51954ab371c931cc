#pragma once
// Points the trace at a file of the test's own for the object's life and keeps
// the platform's message boxes silent. The one trace capture of the tests.
#include "base/Trace.h"
#include "tests/support/ScratchFolder.h"

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

class TraceCapture {
 public:
  TraceCapture() : path_((dir_ / "trace.txt").string()) {
    setenv("TUNZLE_TRACE", path_.c_str(), 1);
    setenv("TUNZLE_NO_SYSTEM_BOX", "1", 1);
    Trace::reopen();
  }
  ~TraceCapture() {
    unsetenv("TUNZLE_TRACE");
    Trace::reopen();
  }
  TraceCapture(const TraceCapture&) = delete;
  TraceCapture& operator=(const TraceCapture&) = delete;

  // Every line without its time stamp ("event\tfield\t..."); only those of
  // `event` when one is given.
  std::vector<std::string> Lines(const std::string& event = "") const {
    std::ifstream in(path_);
    std::vector<std::string> out;
    for (std::string l; std::getline(in, l);) {
      const auto tab = l.find('\t');
      if (tab != std::string::npos) l = l.substr(tab + 1);
      if (event.empty() || l.rfind(event, 0) == 0) out.push_back(l);
    }
    return out;
  }
  // The file as written, time stamps included.
  std::string Text() const {
    std::ifstream in(path_);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
  }
  bool Has(const std::string& line) const { return Count(line) > 0; }
  int Count(const std::string& line) const {
    int n = 0;
    for (const auto& l : Lines()) n += l == line;
    return n;
  }
  const std::string& path() const { return path_; }

 private:
  ScratchFolder dir_;
  std::string path_;
};
