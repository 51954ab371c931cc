#include "DialogTestSupport.h"

#include <algorithm>

#include <QAccessible>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

TEST(PickSpecTest, ParsesTitleChoicesValuesAndDefault) {
  PickSpec p = ParsePickSpec("p:Select Speech Type|No Speech:0|Screen Reader:1|MS SAPI:3");
  EXPECT_EQ(p.title, "Select Speech Type");
  EXPECT_EQ(p.names, (std::vector<std::string>{"No Speech", "Screen Reader", "MS SAPI"}));
  EXPECT_EQ(p.values, (std::vector<std::string>{"0", "1", "3"}));
  EXPECT_EQ(p.defaultIndex, 0);

  p = ParsePickSpec("P:First|a:b:c||*2.5|x|*y:z|p:Second");
  EXPECT_EQ(p.title, "Second");
  EXPECT_EQ(p.names, (std::vector<std::string>{"a", "", "2.5", "x", "y"}));
  EXPECT_EQ(p.values, (std::vector<std::string>{"b:c", "", "*2.5", "x", "z"}));
  EXPECT_EQ(p.defaultIndex, 4);  // the last star wins

  EXPECT_TRUE(ParsePickSpec("p:Only a title").names.empty());

  std::string many = "p:Many";
  for (int i = 1; i <= 120; ++i) many += "|" + std::to_string(i);
  p = ParsePickSpec(many);
  ASSERT_EQ(p.names.size(), 99u);
  EXPECT_EQ(p.names.back(), "99");
}

TEST_F(DialogTest, UnderAScreenReaderThePickListSaysNothingItsTitleNamesAndLabelsTheListAndItsHintDescribesIt) {
  speech.reader = true;
  GenDialog& f = GenDialog::instance();
  const QWidget* buddy = nullptr;
  QString name, label, listHint, itemHint, windowHint;
  Driver d;
  d.then([&] {
    buddy = f.LBLControl[0]->buddy();
    name = f.LstControl[0]->accessibleName();
    listHint = f.LstControl[0]->accessibleDescription();
    if (QAccessibleInterface* list = QAccessible::queryAccessibleInterface(f.LstControl[0])) {
      if (QAccessibleInterface* item = list->child(0)) {
        itemHint = item->text(QAccessible::Description);
        EXPECT_EQ(item->parent(), list) << "the items hang under the labelled list";
      }
      // A braille line shows a list by its label, not its name.
      for (const auto& [other, relation] : list->relations(QAccessible::Label)) label += other->text(QAccessible::Name);
      EXPECT_EQ(list->role(), QAccessible::List);
      EXPECT_NE(list->tableInterface(), nullptr);
    }
    windowHint = f.accessibleDescription();
    Key(Qt::Key_Down);
    Key(Qt::Key_Return);
  });
  EXPECT_EQ(Pick("p:Select square size|*3|4|5"), "4");
  EXPECT_EQ(buddy, f.LstControl[0]);
  EXPECT_EQ(name, "Select square size");
  EXPECT_EQ(label, "Select square size");
  // The hint the game keeps quiet is left to the reader to read, after the
  // question and the item it opens on: on them, not on the window, which a
  // reader says first.
  EXPECT_EQ(listHint, "Up and Down to choose, Enter to select, Escape to cancel.");
  EXPECT_EQ(itemHint, listHint);
  EXPECT_EQ(windowHint, "");
  EXPECT_TRUE(speech.spoken().empty()) << speech.spoken().front();
  // The game's own speech still stops at a key.
  EXPECT_NE(std::find(speech.log.begin(), speech.log.end(), "<stop>"), speech.log.end());
}

TEST_F(DialogTest, PickListSpeaksTitleDefaultAndHowToAnswerThenEachItem) {
  std::vector<std::string> atShow, onArrows, atEnd;
  Driver d;
  d.then([&] {
    atShow = speech.spoken();
    speech.log.clear();
    Key(Qt::Key_Up);  // the first item: nothing above it
    Key(Qt::Key_Down);
    Key(Qt::Key_Down);
    Key(Qt::Key_Down);
    onArrows = speech.log;
    Key(Qt::Key_End);
    speech.log.clear();
    Key(Qt::Key_Down);
    atEnd = speech.log;
    Key(Qt::Key_Up);
    Key(Qt::Key_Up);
    Key(Qt::Key_Up);
    Key(Qt::Key_Return);
  });
  EXPECT_EQ(Pick("p:Select square size|3|4|5|6|7|8|9"), "6");
  EXPECT_EQ(atShow, (std::vector<std::string>{"Select square size", "3",
                                              "Up and Down to choose, Enter to select, Escape to cancel."}));
  // Each item stops what was being said and says itself; past either end, the bump.
  EXPECT_EQ(onArrows, (std::vector<std::string>{"<stop>", "<bump>", "<stop>", "<stop>", "4", "<stop>", "5", "<stop>", "6"}));
  EXPECT_EQ(std::count(atEnd.begin(), atEnd.end(), "<bump>"), 1);
  EXPECT_EQ(std::count(atEnd.begin(), atEnd.end(), "9"), 0);
  EXPECT_EQ(GenProcs().GDButton, 1);
}

TEST_F(DialogTest, PickListStarredDefaultCancelAndButtons) {
  Driver d;
  d.then([&] { Key(Qt::Key_Return); })
      .then([&] { Key(Qt::Key_Escape); })
      .then([&] {
        Key(Qt::Key_Down);
        Key(Qt::Key_Down);
        Key(Qt::Key_Tab);  // to OK
        Key(Qt::Key_Space);
      })
      .then([&] { GenDialog::instance().close(); });
  EXPECT_EQ(Pick("p:Song tile duration in seconds|1|1.5|2|*2.5|3|3.5|4|4.5|5"), "*2.5");
  EXPECT_EQ(Pick("p:Select square size|3|4|5|6|7|8|9"), "");
  EXPECT_EQ(Pick("p:Select Speech Type|No Speech:0|Screen Reader:1|MS SAPI:3"), "3");
  // Closing the window itself is no answer, not the choice of the dialog before.
  EXPECT_EQ(Pick("p:Select Speech Type|No Speech:0|Screen Reader:1|MS SAPI:3"), "");
  EXPECT_EQ(d.left(), 0u);
}

TEST_F(DialogTest, PickListGeometry) {
  GenDialog& f = GenDialog::instance();
  QRect list, ok, cancel;
  Driver d;
  d.then([&] {
    list = f.LstControl[0]->geometry();
    ok = f.CMDControl[0]->geometry();
    cancel = f.CMDControl[1]->geometry();
    Key(Qt::Key_Escape);
  });
  // Longest name 20 characters: W = 2500; title 18: T = 2250 < W, so T = W, H = 0.
  EXPECT_EQ(Pick("p:Select square size|short|twenty characters ok"), "");
  EXPECT_EQ(list, QRect(0, TwipsToPixels(401), TwipsToPixels(2500), TwipsToPixels(1500)));
  EXPECT_EQ(ok.topLeft(), QPoint(TwipsToPixels(1350), TwipsToPixels(3000)));  // B = 850
  EXPECT_EQ(cancel.topLeft(), QPoint(TwipsToPixels(1350), TwipsToPixels(3800)));
}

TEST_F(DialogTest, PickListRefusesWithoutChoicesOrWhileADialogIsUp) {
  const int before = GenDialog::instance().showCount();
  EXPECT_EQ(Pick("p:Nothing to choose"), "");
  GenProcs().GDActive = -1;
  EXPECT_EQ(Pick("p:Select square size|3|4"), "");
  GenProcs().GDActive = 0;
  EXPECT_EQ(GenDialog::instance().showCount(), before);
}

TEST_F(DialogTest, ANewDialogLeavesNoOldListItemsBehind) {
  Driver d;
  d.then([&] { Key(Qt::Key_Return); });
  EXPECT_EQ(Pick("p:Select Speech Type|No Speech:0|Screen Reader:1|MS SAPI:3"), "0");
  GenDialog& g = GenDialog::instance();
  GenDialog::instance().Form_Init("MSGBOX", "Save Game?");
  EXPECT_EQ(g.LstControl[0]->count(), 0) << "a hidden list would still be read out";
  EXPECT_TRUE(g.LstControl[0]->accessibleName().isEmpty());
  GenDialog::instance().Unload();
}
