#pragma once
// Help files and trace reading for the help tests.
#include "common/Trace.h"
#include "help/FRMHelp.h"
#include "tests/support/TraceCapture.h"

#include <QApplication>
#include <QTimer>
#include <functional>

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

// Runs `step` on the modal viewer once it is shown and has the focus: a slow
// machine takes longer to get there than any fixed delay would allow.
inline void OnViewerActive(std::function<void(FRMHelp*)> step) {
  auto* poll = new QTimer;
  poll->setInterval(5);
  QObject::connect(poll, &QTimer::timeout, [poll, step] {
    auto* v = qobject_cast<FRMHelp*>(QApplication::activeModalWidget());
    if (!v || !v->isActiveWindow() || !QApplication::focusWidget()) return;
    poll->stop();
    poll->deleteLater();
    step(v);
  });
  poll->start();
}
