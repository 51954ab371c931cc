#include "DialogTestSupport.h"

#include "common/Twips.h"

#include <QAccessible>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

namespace {

std::string accessibleName(QWidget* w) {
  QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
  return a ? a->text(QAccessible::Name).toStdString() : std::string();
}

}  // namespace

TEST_F(DialogTest, MakeResolvesRelativeGeometryAndWritesItBack) {
  GenDialog& f = GenDialog::instance();
  f.Form_Init("TEST", "Geometry");
  int16_t t = 500, l = 500, h = 0, w = 5000;
  f.MakeLabel(t, l, h, w, "Label");
  EXPECT_EQ(h, 0);  // nothing made before it to take a height from
  int16_t bt = -500, bl = 700, bh = 400, bw = 800;
  EXPECT_EQ(f.MakeCommand(bt, bl, bh, bw, "One", Variant(int16_t(0))), 0);
  EXPECT_EQ(bt, 1000);  // 500 + 0 + 500

  f.Form_Init("TEST", "Geometry");
  int16_t at = 500, al = 500, ah = 400, aw = 800;
  f.MakeCommand(at, al, ah, aw, "A", Variant(int16_t(0)));
  int16_t nt = 0, nl = -400, nh = 0, nw = 0;
  EXPECT_EQ(f.MakeCommand(nt, nl, nh, nw, "B", Variant(int16_t(0))), 1);
  EXPECT_EQ((std::vector<int>{nt, nl, nh, nw}), (std::vector<int>{500, 1700, 400, 800}));
  EXPECT_EQ(f.MaxRight, 2500);
  EXPECT_EQ(f.MaxBottom, 900);
  // The widget sits where the twips say.
  EXPECT_EQ(f.CMDControl[1]->geometry(),
            QRect(TwipsToPixels(1700), TwipsToPixels(500), TwipsToPixels(800), TwipsToPixels(400)));
  f.Abandon();
}

TEST_F(DialogTest, SixteenBitOverflowIsReportedToTheCaller) {
  GenDialog& f = GenDialog::instance();
  f.Form_Init("TEST", "Overflow");
  int16_t t = 31000, l = 0, h = 2000, w = 100;
  EXPECT_THROW(f.MakeLabel(t, l, h, w, "x"), DialogError);  // 31000 + 2000

  f.Form_Init("TEST", "Overflow");
  int16_t t1 = 20000, l1 = 0, h1 = 100, w1 = 100;
  f.MakeLabel(t1, l1, h1, w1, "x");
  int16_t t2 = -20000, l2 = 0, h2 = 0, w2 = 0;  // 20000 below 20100
  EXPECT_THROW(f.MakeLabel(t2, l2, h2, w2, "y"), DialogError);

  f.Form_Init("TEST", "Scroll");
  int16_t st = 100, sl = 100, sh = 300, sw = 2000;
  EXPECT_THROW(f.MakeHScroll(st, sl, sh, sw, "loud", 0, 100, 1, 10), DialogError);
  EXPECT_THROW(f.MakeHScroll(st, sl, sh, sw, "5", 0, 40000, 1, 10), DialogError);
  EXPECT_THROW(GenProcs().GDResult(26), DialogError);
  EXPECT_NO_THROW(GenProcs().GDResult(25));
  f.Abandon();
}

TEST_F(DialogTest, TagsComeFromTheLastLabelEvenOfAnEarlierDialog) {
  GenDialog::destroyInstance();
  GenDialog& f = GenDialog::instance();
  f.Form_Init("TEST", "First");
  int16_t t = 100, l = 100, h = 300, w = 2000;
  f.MakeTextBox(t, l, h, w, "abc");
  EXPECT_EQ(GenDialog::TagOf(f.TXTControl[0]), "");
  f.MakeLabel(t, l, h, w, "Player name");
  f.Abandon();

  f.Form_Init("TEST", "Second");
  int16_t t2 = 100, l2 = 100, h2 = 300, w2 = 2000;
  f.MakeTextBox(t2, l2, h2, w2, "Ann");
  EXPECT_EQ(GenDialog::TagOf(f.TXTControl[0]), "Player name");
  EXPECT_EQ(accessibleName(f.TXTControl[0]), "Player name");
  int16_t ct = -100, cl = 0, ch = 0, cw = 0;
  f.MakeCommand(ct, cl, ch, cw, "Go on", Variant(int16_t(3)));
  EXPECT_EQ(accessibleName(f.CMDControl[0]), "Go on");
  // Option 3: both the default and the cancel button.
  EXPECT_EQ(f.defaultButton(), f.CMDControl[0]);
  EXPECT_EQ(f.cancelButton(), f.CMDControl[0]);
  f.Abandon();
}

TEST_F(DialogTest, ShowFormCentresAndNeverGoesNegative) {
  GenDialog& f = GenDialog::instance();
  Driver d;
  d.then([&] { f.Unload(); }).then([&] { f.Unload(); });

  f.Form_Init("TEST", "Small");
  int16_t t = 500, l = 500, h = 400, w = 1000;
  f.MakeCommand(t, l, h, w, "Ok", Variant(int16_t(0)));
  ShowAndWait(f);
  EXPECT_EQ(f.FormWidth, 2000);
  EXPECT_EQ(f.FormHeight, 1400);
  EXPECT_EQ(f.FormLeft, (ScreenWidthTwips() - 2000) / 2);
  EXPECT_EQ(f.FormTop, (ScreenHeightTwips() - 1400) / 2);
  EXPECT_EQ(GenProcs().GDActive, 0);

  f.Form_Init("TEST", "Wide");
  int16_t wt = 500, wl = 500, wh = 400, ww = static_cast<int16_t>(ScreenWidthTwips() + 3000);
  f.MakeLabel(wt, wl, wh, ww, "A very wide label");
  int16_t bt = -100, bl = 500, bh = 400, bw = 1000;
  f.MakeCommand(bt, bl, bh, bw, "Ok", Variant(int16_t(0)));
  ShowAndWait(f);
  EXPECT_EQ(f.FormLeft, 0);
  EXPECT_GT(f.FormTop, 0);
  EXPECT_EQ(d.left(), 0u);
}

TEST_F(DialogTest, GreyedCheckBoxAndScrollBarSpeakOnFocus) {
  GenDialog& f = GenDialog::instance();
  std::vector<std::string> onCheck, onClick, onScroll;
  Driver d;
  d.then([&] {
    onCheck = speech.spoken();
    speech.log.clear();
    Key(Qt::Key_Space);
    onClick = speech.spoken();
    speech.log.clear();
    Key(Qt::Key_Tab);
    onScroll = speech.spoken();
    f.Unload();
  });
  f.Form_Init("TEST", "Settings");
  int16_t t = 500, l = 500, h = 400, w = 2000;
  f.MakeCheck(t, l, h, w, 2, "Loud");
  int16_t lt = -100, ll = 0, lh = 300, lw = 0;
  f.MakeLabel(lt, ll, lh, lw, "Volume");
  int16_t st = -100, sl = 0, sh = 0, sw = 0;
  f.MakeHScroll(st, sl, sh, sw, "25", 0, 200, 1, 10);
  int16_t ct = -100, cl = 0, ch = 0, cw = 0;
  f.MakeCommand(ct, cl, ch, cw, "Ok", Variant(int16_t(0)));
  ShowAndWait(f);
  // Setting the value while building raises its click; the focus reads the state.
  EXPECT_EQ(onCheck, (std::vector<std::string>{"Checked", "Loud", "greyed"}));
  EXPECT_EQ(onClick, (std::vector<std::string>{"Checked"}));
  EXPECT_EQ(onScroll, (std::vector<std::string>{"Volume", "12"}));  // 12.5 rounds to even
}

TEST_F(DialogTest, OptionsFormOneGroupAndTabFollowsCreationOrder) {
  GenDialog& f = GenDialog::instance();
  std::vector<std::string> atShow, onArrow, onTab;
  bool slowAfter = true, fastAfter = false;
  Driver d;
  d.then([&] {
    atShow = speech.spoken();
    speech.log.clear();
    Key(Qt::Key_Down);  // within the group, as on every desktop
    onArrow = speech.spoken();
    slowAfter = f.OPTControl[0]->isChecked();
    fastAfter = f.OPTControl[1]->isChecked();
    speech.log.clear();
    Key(Qt::Key_Tab);  // out of the group, to the next control made
    onTab = speech.spoken();
    f.Unload();
  });
  f.Form_Init("TEST", "Options");
  int16_t t = 500, l = 500, h = 300, w = 2000;
  f.MakeLabel(t, l, h, w, "Speed");
  int16_t ot = -100, ol = 0, oh = 0, ow = 0;
  f.MakeOption(ot, ol, oh, ow, true, "Slow");
  int16_t pt = -100, pl = 0, ph = 0, pw = 0;
  f.MakeOption(pt, pl, ph, pw, false, "Fast");
  int16_t bt = -100, bl = 0, bh = 900, bw = 0;
  f.MakeLabel(bt, bl, bh, bw, "Notes");
  int16_t xt = -100, xl = 0, xh = 0, xw = 0;
  f.MakeBox(xt, xl, xh, xw, "Text not read");
  ShowAndWait(f);
  EXPECT_EQ(atShow, (std::vector<std::string>{"Speed", "Slow", "selected"}));
  ASSERT_GE(onArrow.size(), 2u);
  EXPECT_EQ(std::vector<std::string>(onArrow.begin(), onArrow.begin() + 2), (std::vector<std::string>{"Speed", "Fast"}));
  EXPECT_FALSE(slowAfter);
  EXPECT_TRUE(fastAfter);
  EXPECT_EQ(onTab, (std::vector<std::string>{"Notes"}));  // a box's text is not read
}

TEST(IsOneOfTest, ListEndsAtTheFirstTerminator) {
  EXPECT_EQ(IsOneOf(5, 1, 2, 5, -9999, -9999, -9999, -9999, -9999), -1);
  EXPECT_EQ(IsOneOf(5, 1, 2, -9999, 5, -9999, -9999, -9999, -9999), 0);
  EXPECT_EQ(IsOneOf(2, 1, 2), -1);
  EXPECT_EQ(IsOneOf(8, 1, 2, 3, 4, 5, 6, 7, 8), -1);
}
