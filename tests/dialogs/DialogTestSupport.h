#pragma once
// A recording speech object and a driver that acts on each showing of the
// dialog window, for tests of the dialogs.
#include "dialogs/DialogSpeech.h"
#include "dialogs/GenDialog.h"
#include "dialogs/GenProcs.h"
#include "common/Twips.h"
#include "tests/support/Await.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <string>
#include <vector>

class FakeSpeech : public DialogSpeech {
 public:
  std::vector<std::string> log;  // "text" for speech, "<stop>" for a stop
  int16_t active = 3;
  bool reader = false;  // a screen reader runs
  void speak(const std::string& text) override { log.push_back(text); }
  bool ScreenReaderRunning() const override { return reader; }
  void StopSpeech() override { log.push_back("<stop>"); }
  void Bump() override { log.push_back("<bump>"); }
  int16_t ActiveSpeechType() const override { return active; }
  std::vector<std::string> spoken() const {
    std::vector<std::string> out;
    for (const auto& s : log)
      if (s != "<stop>" && s != "<bump>") out.push_back(s);
    return out;
  }
};

// The widget that has the keyboard in the shown dialog.
inline QWidget* Focused() {
  QWidget* w = QApplication::focusWidget();
  return w ? w : GenDialog::instance().focusWidget();
}

inline void Key(Qt::Key k, Qt::KeyboardModifiers m = Qt::NoModifier) { QTest::keyClick(Focused(), k, m); }
inline void Type(const char* text) { QTest::keyClicks(Focused(), QString::fromUtf8(text)); }

// The dialogs opened and waited for, as the tests read best.
inline int16_t AskBox(const std::string& message, int16_t buttons, const std::string& title) {
  return Await<int16_t>([&](auto answered) { SpeakMsgBox(message, buttons, title, answered); });
}
inline std::string Pick(const std::string& spec) {
  return Await<std::string>([&](auto picked) { PickList(spec, picked); });
}
inline void ShowAndWait(GenDialog& f) { Await<bool>([&](auto done) { f.ShowForm(500, 500, [done] { done(true); }); }); }

// Runs one step on each new showing of the dialog. A showing with no step
// left, or a dialog still up after the time limit, fails the test and is
// closed so the test cannot hang.
class Driver {
 public:
  Driver() {
    seen_ = GenDialog::instance().showCount();
    clock_.start();
    QObject::connect(&timer_, &QTimer::timeout, [this] { tick(); });
    timer_.start(5);
  }
  ~Driver() { timer_.stop(); }
  Driver& then(std::function<void()> step) {
    steps_.push_back(std::move(step));
    return *this;
  }
  size_t left() const { return steps_.size(); }

 private:
  void tick() {
    GenDialog& f = GenDialog::instance();
    if (!f.isShownNow()) return;
    if (clock_.elapsed() > 10000) {
      ADD_FAILURE() << "dialog still up after the time limit";
      f.Unload();
      return;
    }
    if (f.showCount() == seen_ || !f.isActiveWindow() || !QApplication::focusWidget()) return;
    seen_ = f.showCount();
    if (steps_.empty()) {
      ADD_FAILURE() << "a dialog showed with no step left: " << f.windowTitle().toStdString();
      f.Unload();
      return;
    }
    auto step = std::move(steps_.front());
    steps_.pop_front();
    step();
  }
  QTimer timer_;
  QElapsedTimer clock_;
  std::deque<std::function<void()>> steps_;
  int seen_ = 0;
};

// Fresh shared state and speech for each test.
class DialogTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetGenProcs();
    GenProcs().Speech = &speech;
    GenDialog::instance();
  }
  void TearDown() override {
    GenProcs().Speech = nullptr;
    ResetGenProcs();
  }
  FakeSpeech speech;
};
