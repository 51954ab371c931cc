#pragma once
// Help files and trace reading for the help tests.
#include "base/Trace.h"
#include "help/FRMHelp.h"
#include "tests/support/Await.h"
#include "tests/support/TraceCapture.h"

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

// Runs `steps` once the viewer is up and active
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
    (void)QTest::qWaitFor([&] { return !v || QApplication::focusWidget() != nullptr; });
    if (!v) return;
    steps(v.data());
    if (v && v->isVisible()) v->close();
  });
}
