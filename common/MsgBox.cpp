#include "common/MsgBox.h"

#include "common/Trace.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

namespace {

int16_t firstAnswer(int32_t buttons) {
  switch (buttons) {
    case msgbox::OkCancel: return msgbox::Ok;
    case msgbox::AbortRetryIgnore: return msgbox::Abort;
    case msgbox::YesNoCancel: case msgbox::YesNo: return msgbox::Yes;
    case msgbox::RetryCancel: return msgbox::Retry;
    default: return msgbox::Ok;
  }
}

}  // namespace

int16_t SystemMsgBox(const std::string& text, int32_t style, const std::string& title) {
  const int32_t buttons = style & 7;
  const int32_t icon = style & 0x70;
  const std::string shownTitle = title.empty() ? std::string("Music Tunzle") : title;
  Trace::write("msgbox", {shownTitle, text});

  int16_t answer = firstAnswer(buttons);
  if (qobject_cast<QApplication*>(QCoreApplication::instance()) && !qEnvironmentVariableIsSet("TUNZLE_NO_SYSTEM_BOX")) {
    QMessageBox box;
    box.setWindowTitle(QString::fromStdString(shownTitle));
    box.setText(QString::fromStdString(text));
    box.setIcon(icon == msgbox::Critical ? QMessageBox::Critical
                : icon == msgbox::Question ? QMessageBox::Question
                : icon == msgbox::Exclamation ? QMessageBox::Warning
                : icon == msgbox::Information ? QMessageBox::Information
                                              : QMessageBox::NoIcon);
    struct B { QMessageBox::StandardButton b; int16_t a; };
    std::vector<B> set;
    switch (buttons) {
      case msgbox::OkCancel: set = {{QMessageBox::Ok, msgbox::Ok}, {QMessageBox::Cancel, msgbox::Cancel}}; break;
      case msgbox::AbortRetryIgnore: set = {{QMessageBox::Abort, msgbox::Abort}, {QMessageBox::Retry, msgbox::Retry}, {QMessageBox::Ignore, msgbox::Ignore}}; break;
      case msgbox::YesNoCancel: set = {{QMessageBox::Yes, msgbox::Yes}, {QMessageBox::No, msgbox::No}, {QMessageBox::Cancel, msgbox::Cancel}}; break;
      case msgbox::YesNo: set = {{QMessageBox::Yes, msgbox::Yes}, {QMessageBox::No, msgbox::No}}; break;
      case msgbox::RetryCancel: set = {{QMessageBox::Retry, msgbox::Retry}, {QMessageBox::Cancel, msgbox::Cancel}}; break;
      default: set = {{QMessageBox::Ok, msgbox::Ok}}; break;
    }
    QMessageBox::StandardButtons all;
    for (auto& b : set) all |= b.b;
    box.setStandardButtons(all);
    box.setDefaultButton(set.front().b);
    int r = box.exec();
    for (auto& b : set)
      if (r == b.b) answer = b.a;
    if (r == QMessageBox::Escape || r == 0) {
      // Escape answers Cancel where there is one, else the only button.
      bool hasCancel = buttons == msgbox::OkCancel || buttons == msgbox::YesNoCancel || buttons == msgbox::RetryCancel;
      if (hasCancel) answer = msgbox::Cancel;
    }
  }
  Trace::write("answer", {std::to_string(answer)});
  return answer;
}
