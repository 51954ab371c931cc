#pragma once
// Points the trace at a fresh temporary file for one test and reads it back.
#include "common/Trace.h"

#include <QTemporaryDir>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

class TraceFile {
 public:
  TraceFile() {
    path_ = dir_.filePath("trace.txt").toStdString();
    setenv("TUNZLE_TRACE", path_.c_str(), 1);
    setenv("TUNZLE_NO_SYSTEM_BOX", "1", 1);
    Trace::reopen();
  }
  ~TraceFile() {
    unsetenv("TUNZLE_TRACE");
    Trace::reopen();
  }
  // Each line without its time stamp: "event\tfield\t...".
  std::vector<std::string> lines() const {
    std::vector<std::string> out;
    std::ifstream in(path_);
    for (std::string line; std::getline(in, line);) out.push_back(line.substr(line.find('\t') + 1));
    return out;
  }

 private:
  QTemporaryDir dir_;
  std::string path_;
};
