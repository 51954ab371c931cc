#pragma once
// Help files and trace reading for the help tests.
#include "common/Trace.h"
#include "help/FRMHelp.h"

#include <QApplication>
#include <QByteArray>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <QString>
#include <QTemporaryDir>
#include <fstream>
#include <gtest/gtest.h>
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

// Runs `steps` inside the modal viewer's loop once the viewer is up and active
// (a busy machine is slow to activate it), then closes it if the steps left it
// open, so a failing step is reported instead of hanging the loop.
template <class Steps>
void WhenViewerActive(Steps steps) {
  QTimer::singleShot(0, [steps] {
    QPointer<FRMHelp> v;
    (void)QTest::qWaitFor([&] { return (v = qobject_cast<FRMHelp*>(QApplication::activeModalWidget())) != nullptr; });
    if (!v) {
      ADD_FAILURE() << "no modal help viewer came up";
      return;
    }
    (void)QTest::qWaitForWindowActive(v);
    steps(v.data());
    if (v && v->isVisible()) v->close();
  });
}
