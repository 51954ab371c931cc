#include "common/Beep.h"

#include "base/Trace.h"

#include <QApplication>

namespace {
std::function<void()>& tone() {
  static std::function<void()> t;
  return t;
}
}  // namespace

void SetBeepTone(std::function<void()> t) { tone() = std::move(t); }

void Beep() {
  Trace::write("beep");
  if (qobject_cast<QApplication*>(QCoreApplication::instance())) QApplication::beep();
  if (tone()) tone()();
}
