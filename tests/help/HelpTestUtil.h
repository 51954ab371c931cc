#pragma once
// Help files and trace reading for the help tests.
#include "common/Trace.h"

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

// Writes `lines` with CR LF ends, as the format has them.
inline std::string WriteHelp(const QTemporaryDir& dir, const std::string& name, const std::vector<std::string>& lines) {
  const std::string path = dir.path().toStdString() + "/" + name;
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  for (const auto& l : lines) out << l << "\r\n";
  return path;
}

// Routes the trace into a file of the test's own and keeps system boxes silent.
class TraceCapture {
 public:
  TraceCapture() {
    path_ = dir_.path().toStdString() + "/trace.txt";
    qputenv("TUNZLE_TRACE", QByteArray::fromStdString(path_));
    qputenv("TUNZLE_NO_SYSTEM_BOX", "1");
    Trace::reopen();
  }
  ~TraceCapture() {
    qunsetenv("TUNZLE_TRACE");
    Trace::reopen();
  }
  // Every line without its time stamp: "event\tfield\t...".
  std::vector<std::string> Lines() const {
    std::ifstream in(path_);
    std::vector<std::string> out;
    for (std::string l; std::getline(in, l);) {
      const auto tab = l.find('\t');
      out.push_back(tab == std::string::npos ? l : l.substr(tab + 1));
    }
    return out;
  }
  bool Has(const std::string& line) const {
    for (const auto& l : Lines())
      if (l == line) return true;
    return false;
  }
  int Count(const std::string& line) const {
    int n = 0;
    for (const auto& l : Lines()) n += l == line;
    return n;
  }
  const std::string& path() const { return path_; }

 private:
  QTemporaryDir dir_;
  std::string path_;
};
