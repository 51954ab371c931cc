#include "common/MsgBox.h"

#include "base/Trace.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMessageBox>
#include <QTimer>
#include <vector>

namespace {

struct Button {
  QMessageBox::StandardButton qt;
  int16_t answer;
};

std::vector<Button> buttonsOf(int32_t set) {
  switch (set) {
    case msgbox::OkCancel: return {{QMessageBox::Ok, msgbox::Ok}, {QMessageBox::Cancel, msgbox::Cancel}};
    case msgbox::AbortRetryIgnore:
      return {{QMessageBox::Abort, msgbox::Abort}, {QMessageBox::Retry, msgbox::Retry}, {QMessageBox::Ignore, msgbox::Ignore}};
    case msgbox::YesNoCancel:
      return {{QMessageBox::Yes, msgbox::Yes}, {QMessageBox::No, msgbox::No}, {QMessageBox::Cancel, msgbox::Cancel}};
    case msgbox::YesNo: return {{QMessageBox::Yes, msgbox::Yes}, {QMessageBox::No, msgbox::No}};
    case msgbox::RetryCancel: return {{QMessageBox::Retry, msgbox::Retry}, {QMessageBox::Cancel, msgbox::Cancel}};
    default: return {{QMessageBox::Ok, msgbox::Ok}};
  }
}

// A question without Cancel cannot be dismissed: Escape and the close button
// would otherwise answer No for the player.
class QuestionBox : public QMessageBox {
 public:
  bool dismissable = true;

 protected:
  void keyPressEvent(QKeyEvent* e) override {
    if (!dismissable && e->matches(QKeySequence::Cancel)) {
      e->accept();
      return;
    }
    QMessageBox::keyPressEvent(e);
  }
  void closeEvent(QCloseEvent* e) override {
    if (!dismissable) {
      e->ignore();
      return;
    }
    QMessageBox::closeEvent(e);
  }
};

}  // namespace

void SystemMsgBox(const std::string& text, int32_t style, const std::string& title,
                  std::function<void(int16_t)> answered) {
  const auto buttons = buttonsOf(style & 7);
  // 256 and 512 make the second or third button the default.
  size_t def = (style & 512) ? 2 : (style & 256) ? 1 : 0;
  if (def >= buttons.size()) def = 0;
  const int32_t icon = style & 0x70;
  const std::string shownTitle = title.empty() ? std::string("Music Tunzle") : title;
  Trace::write("msgbox", {shownTitle, text});

  auto reply = [answered = std::move(answered)](int16_t answer) {
    Trace::write("answer", {std::to_string(answer)});
    if (answered) answered(answer);
  };
  if (!qobject_cast<QApplication*>(QCoreApplication::instance()) || qEnvironmentVariableIsSet("TUNZLE_NO_SYSTEM_BOX")) {
    const int16_t answer = buttons[def].answer;
    if (QCoreApplication::instance()) QTimer::singleShot(0, QCoreApplication::instance(), [reply, answer] { reply(answer); });
    else reply(answer);  // no event loop to answer from
    return;
  }
  {
    auto* box = new QuestionBox;
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowTitle(QString::fromStdString(shownTitle));
    box->setText(QString::fromStdString(text));
    // A braille display shows the focused button after its window's name:
    // with the question in that name it shows the question too. A reader
    // still says the question once, leaving out a label its window's name holds.
    box->setAccessibleName(QString::fromStdString(shownTitle + " " + text));
    box->setIcon(icon == msgbox::Critical ? QMessageBox::Critical
                : icon == msgbox::Question ? QMessageBox::Question
                : icon == msgbox::Exclamation ? QMessageBox::Warning
                : icon == msgbox::Information ? QMessageBox::Information
                                              : QMessageBox::NoIcon);
    QMessageBox::StandardButtons all;
    for (const auto& b : buttons) all |= b.qt;
    box->setStandardButtons(all);
    box->setDefaultButton(buttons[def].qt);
    // Escape gives Cancel, the only button, or No when No is the default.
    QMessageBox::StandardButton escape = QMessageBox::NoButton;
    for (const auto& b : buttons)
      if (b.answer == msgbox::Cancel) escape = b.qt;
    if (escape == QMessageBox::NoButton && buttons.size() == 1) escape = buttons.front().qt;
    if (escape == QMessageBox::NoButton && buttons[def].answer == msgbox::No) escape = QMessageBox::No;
    if (escape != QMessageBox::NoButton) box->setEscapeButton(escape);
    box->dismissable = escape != QMessageBox::NoButton;
    QObject::connect(box, &QMessageBox::finished, box, [reply, buttons](int r) {
      int16_t answer = 0;
      bool known = false;
      for (const auto& b : buttons)
        if (r == b.qt) { answer = b.answer; known = true; }
      // Ended without a button: Cancel where there is one, the only button, else no answer.
      if (!known) {
        answer = buttons.size() == 1 ? buttons.front().answer : int16_t(0);
        for (const auto& b : buttons)
          if (b.answer == msgbox::Cancel) answer = msgbox::Cancel;
      }
      reply(answer);
    });
    // Over every window of the program, as the modal box was.
    box->setWindowModality(Qt::ApplicationModal);
    box->show();
  }
}
