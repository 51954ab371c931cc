#include "DialogTestSupport.h"

#include <QPushButton>
#include <cstdlib>

namespace {
std::string focusedCaption() {
  auto* b = qobject_cast<QPushButton*>(Focused());
  return b ? b->text().toStdString() : std::string();
}
}  // namespace

TEST_F(DialogTest, MessageBoxSpeaksTitleMessageAndButtonOnce) {
  std::vector<std::string> atShow;
  Driver d;
  d.then([&] {
    atShow = speech.spoken();
    Key(Qt::Key_Return);
  });
  EXPECT_EQ(AskBox("Song Too Short", 0, "Warning"), 1);
  EXPECT_EQ(atShow, (std::vector<std::string>{"Warning", "Song Too Short", "Ok"}));
  EXPECT_EQ(d.left(), 0u);
  EXPECT_EQ(GenProcs().FocusDone, 0);  // ready for the next box
}

TEST_F(DialogTest, MessageBoxButtonsPlacedAndNamed) {
  GenDialog& f = GenDialog::instance();
  std::vector<std::string> captions, names;
  std::vector<int> lefts;
  Driver d;
  d.then([&] {
    for (int i = 0; i <= f.LastCMD; ++i) {
      captions.push_back(f.CMDControl[i]->text().toStdString());
      names.push_back(f.CMDControl[i]->accessibleName().toStdString());
      lefts.push_back(f.CMDControl[i]->x());
    }
    Key(Qt::Key_Escape);
  });
  EXPECT_EQ(AskBox("Would you like to play your saved game?", 3, "Save Game?"), 2);
  EXPECT_EQ(captions, (std::vector<std::string>{"Yes", "no", "Cancel", "Repeat Message"}));
  // A screen reader hears the answers as words.
  EXPECT_EQ(names, (std::vector<std::string>{"Yes", "No", "Cancel", "Repeat Message"}));
  EXPECT_EQ(lefts, (std::vector<int>{TwipsToPixels(1150), TwipsToPixels(2600), TwipsToPixels(4050), TwipsToPixels(2000)}));
}

TEST_F(DialogTest, LetterMovesFocusWithoutPressingThenEnterAnswers) {
  std::string afterN, spokenAfterN;
  bool stillUp = false;
  Driver d;
  d.then([&] {
    speech.log.clear();
    Type("n");
    afterN = focusedCaption();
    stillUp = GenDialog::instance().isShownNow();
    spokenAfterN = speech.spoken().empty() ? "" : speech.spoken().back();
    Key(Qt::Key_Return);
  });
  EXPECT_EQ(AskBox("Would you like another game?", 3, "Game Over"), 7);
  EXPECT_EQ(afterN, "no");
  EXPECT_TRUE(stillUp);
  EXPECT_EQ(spokenAfterN, "no");
}

TEST_F(DialogTest, EscapeWithoutCancelButtonDoesNothing) {
  bool upAfterEscape = false;
  std::string startFocus;
  Driver d;
  d.then([&] {
    startFocus = focusedCaption();
    Key(Qt::Key_Escape);
    upAfterEscape = GenDialog::instance().isShownNow();
    Key(Qt::Key_Return);
  });
  EXPECT_EQ(AskBox("Delete it?", 4, "Delete"), 6);
  EXPECT_TRUE(upAfterEscape);
  EXPECT_EQ(startFocus, "yes");
}

TEST_F(DialogTest, ClosingAQuestionIsCancelOrNothingNeverAnAnswerOfItsOwn) {
  bool upAfterClose = false;
  std::string deleteFocus;
  Driver d;
  d.then([&] {
     GenDialog::instance().close();  // the close button, Alt+F4
     upAfterClose = GenDialog::instance().isShownNow();
     Key(Qt::Key_Return);
   })
      .then([&] { GenDialog::instance().close(); })
      .then([&] {
        deleteFocus = focusedCaption();
        Key(Qt::Key_Escape);
      });
  EXPECT_EQ(AskBox("Would you like another game?", 4, "Congratulations"), 6);
  EXPECT_TRUE(upAfterClose) << "a question without Cancel cannot be dismissed";
  EXPECT_EQ(AskBox("Would you like to save your game?", 3, "Save Game?"), 2);
  // A question whose default is No takes Escape as that No.
  EXPECT_EQ(AskBox("Delete it?", 4 + 256, "Delete"), 7);
  EXPECT_EQ(deleteFocus, "No");
  EXPECT_EQ(d.left(), 0u);
}

TEST_F(DialogTest, SecondButtonDefaultAndRepeatNeverCloses) {
  std::string startFocus;
  bool upAfterRepeat = false;
  std::vector<std::string> repeatSpoken, atShow;
  Driver d;
  d.then([&] {
    startFocus = focusedCaption();
    atShow = speech.spoken();
    GenDialog& f = GenDialog::instance();
    f.CMDControl[f.LastCMD]->setFocus();
    speech.log.clear();
    Key(Qt::Key_Space);
    upAfterRepeat = f.isShownNow();
    repeatSpoken = speech.spoken();
    f.CMDControl[0]->setFocus();
    Key(Qt::Key_Space);
  });
  EXPECT_EQ(AskBox("Keep going?", 4 + 256, "Question"), 6);
  EXPECT_EQ(startFocus, "No");
  // The first button, passed on the way to the default, is not named.
  EXPECT_EQ(atShow, (std::vector<std::string>{"Question", "Keep going?", "No"}));
  EXPECT_TRUE(upAfterRepeat);
  EXPECT_EQ(repeatSpoken, (std::vector<std::string>{"Keep going?"}));
}

TEST_F(DialogTest, TabSilencesThenSpeaksShiftAloneDoesNot) {
  std::vector<std::string> onTab, onShift;
  Driver d;
  d.then([&] {
    speech.log.clear();
    QTest::keyPress(Focused(), Qt::Key_Shift);
    QTest::keyRelease(Focused(), Qt::Key_Shift, Qt::ShiftModifier);
    onShift = speech.log;
    speech.log.clear();
    Key(Qt::Key_Tab);
    onTab = speech.log;
    Key(Qt::Key_Escape);
  });
  EXPECT_EQ(AskBox("Pick one", 1, "Choose"), 2);
  EXPECT_TRUE(onShift.empty());
  EXPECT_EQ(onTab, (std::vector<std::string>{"<stop>", "Cancel"}));
}

TEST_F(DialogTest, WithoutTheVoiceThePlatformBoxAnswers) {
  qputenv("TUNZLE_NO_SYSTEM_BOX", "1");
  speech.active = 1;
  const int before = GenDialog::instance().showCount();
  EXPECT_EQ(AskBox("Would you like another game?", 4, "Game Over"), 6);
  EXPECT_EQ(GenDialog::instance().showCount(), before);
  EXPECT_EQ(speech.log, (std::vector<std::string>{"<stop>"}));
  qunsetenv("TUNZLE_NO_SYSTEM_BOX");
}

TEST_F(DialogTest, UnderAScreenReaderThePlatformBoxAsksEvenWithTheVoice) {
  qputenv("TUNZLE_NO_SYSTEM_BOX", "1");
  speech.reader = true;
  const int before = GenDialog::instance().showCount();
  EXPECT_EQ(AskBox("Would you like another game?", 4, "Game Over"), 6);
  EXPECT_EQ(GenDialog::instance().showCount(), before);
  EXPECT_TRUE(speech.spoken().empty());
  qunsetenv("TUNZLE_NO_SYSTEM_BOX");
}

TEST_F(DialogTest, AnOverlongMessageStillGetsAnAnswer) {
  qputenv("TUNZLE_NO_SYSTEM_BOX", "1");
  const int before = GenDialog::instance().showCount();
  EXPECT_EQ(AskBox(std::string(5000, 'x'), 1, "Long"), 1);
  EXPECT_EQ(GenDialog::instance().showCount(), before);
  EXPECT_EQ(GenProcs().GDActive, 0);
  qunsetenv("TUNZLE_NO_SYSTEM_BOX");
}

TEST_F(DialogTest, MessageBoxWaitsForTheDialogThatIsUpAndAnswersFromTheLoop) {
  std::vector<std::string> order;
  Driver d;
  d.then([&] { Key(Qt::Key_Return); }).then([&] { Key(Qt::Key_Return); });
  PickList("p:Select square size|3|4", [&](const std::string& v) { order.push_back("pick " + v); });
  SpeakMsgBox("Error copying sample.mp3 to user's game folder", 0, "Warning",
              [&](int16_t a) { order.push_back("box " + std::to_string(a)); });
  EXPECT_TRUE(order.empty());
  EXPECT_EQ(GenDialog::instance().windowTitle(), "Select") << "the box waits for the list";
  EXPECT_TRUE(QTest::qWaitFor([&] { return order.size() == 2; }));
  EXPECT_EQ(order, (std::vector<std::string>{"pick 3", "box 1"}));
  EXPECT_EQ(d.left(), 0u);
}
