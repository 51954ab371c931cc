#pragma once
// Help files and trace reading for the help tests.
#include "common/Trace.h"
#include "tests/support/TraceCapture.h"

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
