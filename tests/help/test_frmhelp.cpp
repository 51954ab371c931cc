// The help window: walking the outline, opening topics, the reading blocks
// and the ways it closes.
#include "HelpTestUtil.h"
#include "help/FRMHelp.h"

#include <QAccessible>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

struct Message {
  std::string text, title;
};

class HelpWindow : public ::testing::Test {
 protected:
  // A viewer in the game's mode without pauses and whose
  // messages are recorded.
  HelpOptions Options(HelpOptions::Mode mode = HelpOptions::Mode::Game) {
    HelpOptions o;
    o.mode = mode;
    o.readerPause = 0;
    o.message = [this](const std::string& text, const std::string& title) { messages.push_back({text, title}); };
    return o;
  }
  // Shows the loaded viewer and makes it the active window, as a player has it.
  static void ShowActive(FRMHelp& v) {
    v.show();
    v.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&v));
  }
  // The game's help command, waited for.
  static FRMHelp::Result Help(const std::string& file, const HelpOptions& o) {
    return Await<FRMHelp::Result>([&](auto closed) { ShowHelpFile(file, nullptr, o, closed); });
  }
  static QStringList ListLines(const FRMHelp& v) {
    QStringList out;
    for (int i = 0; i < v.LSTIndex->count(); ++i) out << v.LSTIndex->item(i)->text();
    return out;
  }
  static QString Selected(const FRMHelp& v) {
    return v.TXTHelp->textCursor().selectedText().replace(QChar(0x2029), '\n');
  }

  QTemporaryDir dir;
  TraceCapture trace;
  std::vector<Message> messages;
};

}  // namespace

TEST_F(HelpWindow, SingleTopicOpensIntoThePaneAndIsSelectedAfterTheReadersPause) {
  HelpOptions o = Options();
  o.readerPause = 0.3f;
  FRMHelp v(o);
  ASSERT_EQ(v.Load(WriteHelp(dir, "ONE.TXT", {"++1 Start", "first", "second", "third"})), FRMHelp::Closed);
  ShowActive(v);
  EXPECT_TRUE(trace.Has("window\tHELP"));
  EXPECT_EQ(ListLines(v), QStringList{"1 Start"});
  EXPECT_TRUE(v.LSTIndex->hasFocus());

  QTest::keyClick(v.LSTIndex, Qt::Key_Return);
  EXPECT_EQ(v.TXTHelp->toPlainText(), "first \nsecond \nthird \n");
  EXPECT_TRUE(v.TXTHelp->hasFocus());
  EXPECT_TRUE(Selected(v).isEmpty()) << "the screen reader hears the focus first";
  EXPECT_TRUE(QTest::qWaitFor([&] { return !Selected(v).isEmpty(); }));
  EXPECT_EQ(Selected(v), "first \nsecond \nthird ");
}

TEST_F(HelpWindow, HeadingOpensItsTopicsAndLeftGoesBackToIt) {
  const auto file = WriteHelp(dir, "KEYS.TXT", {
      "++1 Start", "text",
      "+2 Keys", "never shown",
      "++2.1 Moving", "arrows",
      "++2.2 Listening", "ears",
      "++21.1 Extra", "not under 2",
      "++3 End", "bye",
  });
  FRMHelp v(Options());
  ASSERT_EQ(v.Load(file), FRMHelp::Closed);
  ShowActive(v);
  EXPECT_EQ(ListLines(v), (QStringList{"1 Start", "2 Keys", "3 End"}));

  QTest::keyClick(v.LSTIndex, Qt::Key_Down);
  QTest::keyClick(v.LSTIndex, Qt::Key_Right);
  EXPECT_EQ(ListLines(v), (QStringList{"2.1 Moving", "2.2 Listening"}));
  EXPECT_EQ(v.LSTIndex->currentRow(), 0);
  EXPECT_EQ(v.HistoryDepth, 1);

  QTest::keyClick(v.LSTIndex, Qt::Key_Down);
  QTest::keyClick(v.LSTIndex, Qt::Key_Space);
  EXPECT_EQ(v.TXTHelp->toPlainText(), "ears \n");

  v.LSTIndex->setFocus();
  QTest::keyClick(v.LSTIndex, Qt::Key_Left);
  EXPECT_EQ(ListLines(v), (QStringList{"1 Start", "2 Keys", "3 End"}));
  EXPECT_EQ(v.LSTIndex->currentItem()->text(), "2 Keys");
  EXPECT_EQ(v.HistoryDepth, 0);

  // At the top, Left only beeps.
  QTest::keyClick(v.LSTIndex, Qt::Key_Left);
  EXPECT_EQ(trace.Count("beep"), 1);
  EXPECT_EQ(v.LSTIndex->currentItem()->text(), "2 Keys");
  EXPECT_TRUE(v.isVisible());
  EXPECT_TRUE(messages.empty());
}

TEST_F(HelpWindow, StandaloneGoesBackToTheFirstLine) {
  FRMHelp v(Options(HelpOptions::Mode::Standalone));
  ASSERT_EQ(v.Load(WriteHelp(dir, "S.TXT", {"++1 A", "a", "+2 B", "++2.1 C", "c"})), FRMHelp::Closed);
  v.LSTIndex->setCurrentRow(1);
  v.OpenSelected();
  EXPECT_EQ(ListLines(v), QStringList{"2.1 C"});
  EXPECT_EQ(v.HistoryDepth, 0);
  v.GoBack();
  EXPECT_EQ(v.LSTIndex->currentRow(), 0);
}

TEST_F(HelpWindow, DeepOutlineGoesBackLevelByLevel) {
  // Twelve nested headings, two more than the history holds, each second
  // on its list.
  std::vector<std::string> lines;
  std::string number;
  for (int level = 0; level < 12; ++level) {
    const std::string parent = number;
    number = parent.empty() ? "2" : parent + ".2";
    lines.push_back("++" + (parent.empty() ? std::string("1") : parent + ".1") + " Sibling");
    lines.push_back("text");
    lines.push_back("+" + number + " Level " + std::to_string(level));
  }
  lines.push_back("++" + number + ".1 Bottom");
  lines.push_back("the bottom");
  FRMHelp v(Options());
  ASSERT_EQ(v.Load(WriteHelp(dir, "DEEP.TXT", lines)), FRMHelp::Closed);
  for (int level = 0; level < 12; ++level) {
    ASSERT_EQ(v.LSTIndex->count(), 2) << level;
    v.LSTIndex->setCurrentRow(1);
    v.OpenSelected();
  }
  EXPECT_EQ(ListLines(v), QStringList{QString::fromStdString(number + ".1 Bottom")});
  EXPECT_EQ(v.HistoryDepth, 12);
  for (int level = 11; level >= 0; --level) {
    v.GoBack();
    ASSERT_EQ(v.LSTIndex->count(), 2) << level;
    // Within the history the opened heading is selected again; beyond it, the first line.
    EXPECT_EQ(v.LSTIndex->currentRow(), level < FRMHelp::MaxHistory ? 1 : 0) << level;
  }
  EXPECT_EQ(v.HistoryDepth, 0);
  EXPECT_TRUE(messages.empty());
}

TEST_F(HelpWindow, EmptyListsCloseTheViewerWithTheirMessage) {
  {
    FRMHelp v(Options());
    ASSERT_EQ(v.Load(WriteHelp(dir, "E.TXT", {"++1 A", "a", "+3 Empty", "++4 B"})), FRMHelp::Closed);
    ShowActive(v);
    v.LSTIndex->setCurrentRow(1);
    QTest::keyClick(v.LSTIndex, Qt::Key_Return);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, "Help file error loading indexes subordinate to 3");
    EXPECT_EQ(messages[0].title, "Help");
    EXPECT_TRUE(v.IsClosed());
    EXPECT_FALSE(v.isVisible());
  }
  messages.clear();
  {
    // No level-0 line at all: the top list is empty.
    FRMHelp v(Options());
    EXPECT_EQ(v.Load(WriteHelp(dir, "NOTOP.TXT", {"++1.1 Orphan", "text"})), FRMHelp::EmptyList);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, "Help file error loading indexes subordinate to ");
    EXPECT_TRUE(v.IsClosed());
  }
}

TEST_F(HelpWindow, LoadingErrorsCloseOnlyTheViewer) {
  // In the game a missing file is reported and the caller goes on.
  const std::string missing = dir.path().toStdString() + "/MT.TXT";
  EXPECT_EQ(Help(missing, Options()), FRMHelp::LoadFailed);
  EXPECT_EQ(trace.Count("msgbox\tError! \tError loading help.  Error number :53 file " + missing), 1);
  EXPECT_FALSE(trace.Has("window\tHELP"));
  EXPECT_TRUE(messages.empty());
}

TEST_F(HelpWindow, EscapeInThePaneEndsTheModalViewer) {
  const auto file = WriteHelp(dir, "MT.TXT", {"++1 Start", "text"});
  bool paneFocused = false;
  WhenViewerActive([&](FRMHelp* v) {
    QTest::keyClick(v->LSTIndex, Qt::Key_Return);
    paneFocused = QTest::qWaitFor([&] { return v->TXTHelp->hasFocus(); });
    QTest::keyClick(v->TXTHelp, Qt::Key_Escape);
  });
  EXPECT_EQ(Help(file, Options()), FRMHelp::Closed);
  EXPECT_TRUE(paneFocused);
  EXPECT_EQ(trace.Count("window\tHELP"), 1);
}

TEST_F(HelpWindow, ControlsCarryAccessibleNames) {
  FRMHelp v(Options());
  for (QWidget* w : {static_cast<QWidget*>(v.LSTIndex), static_cast<QWidget*>(v.TXTHelp), static_cast<QWidget*>(v.CMDOk)}) {
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
    ASSERT_NE(a, nullptr);
    EXPECT_FALSE(a->text(QAccessible::Name).isEmpty()) << w->objectName().toStdString();
  }
  EXPECT_EQ(v.CMDOk->text(), "&Close");
}

// Reading blocks of 21 lines.
namespace {

std::vector<std::string> NumberedLines(int n) {
  std::vector<std::string> lines{"++1 Long"};
  for (int i = 1; i <= n; ++i) lines.push_back("L" + std::to_string(i));
  return lines;
}

QString Block(int first, int last) {
  QStringList l;
  for (int i = first; i <= last; ++i) l << QString("L%1 ").arg(i);
  return l.join('\n');
}

struct SelectionEvent {
  QObject* object;
  int start, end;
};
std::vector<SelectionEvent> selectionEvents;
void RecordSelection(QAccessibleEvent* e) {
  if (e->type() != QAccessible::TextSelectionChanged) return;
  auto* s = static_cast<QAccessibleTextSelectionEvent*>(e);
  selectionEvents.push_back({s->object(), s->selectionStart(), s->selectionEnd()});
}

}  // namespace

TEST_F(HelpWindow, ArrowsReadLineByLineLeftGoesBackAndTheEndIsSaid) {
  HelpOptions o = Options();
  std::vector<std::string> said;
  o.speak = [&](const std::string& text) { said.push_back(text); };
  FRMHelp v(o);
  ASSERT_EQ(v.Load(WriteHelp(dir, "R.TXT", {"++1 Start", "first", "second", "third", "++2 Keys", "arrows"})),
            FRMHelp::Closed);
  ShowActive(v);
  QTest::keyClick(v.LSTIndex, Qt::Key_Return);
  ASSERT_TRUE(v.TXTHelp->hasFocus());
  said.clear();
  QTest::keyClick(v.TXTHelp, Qt::Key_PageDown);  // the whole topic was the first page
  // Once read, the topic is walked from its first line.
  for (int i = 0; i < 4; ++i) QTest::keyClick(v.TXTHelp, Qt::Key_Down);
  for (int i = 0; i < 3; ++i) QTest::keyClick(v.TXTHelp, Qt::Key_Up);
  EXPECT_EQ(said, (std::vector<std::string>{"End of the topic.", "first", "second", "third", "End of the topic.", "second",
                                            "first", "Start of the topic."}));
  // Up, too, starts on the first line of what was read.
  QTest::keyClick(v.TXTHelp, Qt::Key_PageUp);
  said.clear();
  QTest::keyClick(v.TXTHelp, Qt::Key_Up);
  EXPECT_EQ(said, (std::vector<std::string>{"first"}));
  QTest::keyClick(v.TXTHelp, Qt::Key_Left);
  EXPECT_TRUE(v.LSTIndex->hasFocus());
  EXPECT_EQ(said.back(), "1 Start") << "back on the topic read";
}

TEST_F(HelpWindow, PageKeysSelectBlocksOf21Lines) {
  FRMHelp v(Options());
  ASSERT_EQ(v.Load(WriteHelp(dir, "LONG.TXT", NumberedLines(60))), FRMHelp::Closed);
  ShowActive(v);
  QTest::keyClick(v.LSTIndex, Qt::Key_Return);
  EXPECT_EQ(Selected(v), Block(1, 21));
  QTest::keyClick(v.TXTHelp, Qt::Key_PageDown);
  EXPECT_EQ(Selected(v), Block(22, 42));
  QTest::keyClick(v.TXTHelp, Qt::Key_PageDown);
  EXPECT_EQ(Selected(v), Block(43, 60));
  QTest::keyClick(v.TXTHelp, Qt::Key_PageDown);
  EXPECT_EQ(Selected(v), Block(43, 60));
  QTest::keyClick(v.TXTHelp, Qt::Key_PageUp);
  EXPECT_EQ(Selected(v), Block(22, 42));
  QTest::keyClick(v.TXTHelp, Qt::Key_PageUp);
  EXPECT_EQ(Selected(v), Block(1, 21));
  QTest::keyClick(v.TXTHelp, Qt::Key_PageUp);
  EXPECT_EQ(Selected(v), Block(1, 21));

  // After reading lines 1 and 2 one by one, the next block starts below them.
  QTest::keyClick(v.TXTHelp, Qt::Key_Down);
  QTest::keyClick(v.TXTHelp, Qt::Key_Down);
  QTest::keyClick(v.TXTHelp, Qt::Key_PageDown);
  EXPECT_EQ(Selected(v), Block(3, 23));

  // Coming back to the pane selects from the caret's line.
  v.LSTIndex->setFocus(Qt::TabFocusReason);
  QTextCursor c = v.TXTHelp->textCursor();
  c.setPosition(v.TXTHelp->document()->findBlockByNumber(9).position());
  v.TXTHelp->setTextCursor(c);
  v.TXTHelp->setFocus(Qt::TabFocusReason);
  EXPECT_EQ(Selected(v), Block(10, 30));
}

TEST_F(HelpWindow, BlocksFollowDisplayLinesOfWrappedText) {
  // One paragraph that wraps into many display lines.
  std::string para;
  for (int i = 0; i < 900; ++i) para += "word" + std::to_string(i) + " ";
  FRMHelp v(Options());
  ASSERT_EQ(v.Load(WriteHelp(dir, "WRAP.TXT", {"++1 Wrapped", para})), FRMHelp::Closed);
  ShowActive(v);
  QTest::keyClick(v.LSTIndex, Qt::Key_Return);
  const QTextLayout* layout = v.TXTHelp->document()->firstBlock().layout();
  ASSERT_GT(layout->lineCount(), 2 * FRMHelp::BlockLines);

  // The blocks follow each other without a gap or an overlap, each of 21
  // display lines, and together they hold the whole paragraph.
  QString all;
  int expectStart = 0;
  for (int b = 0; b * FRMHelp::BlockLines < layout->lineCount(); ++b) {
    if (b > 0) QTest::keyClick(v.TXTHelp, Qt::Key_PageDown);
    const QTextCursor c = v.TXTHelp->textCursor();
    ASSERT_EQ(c.selectionStart(), expectStart) << b;
    const int lastLine = std::min((b + 1) * FRMHelp::BlockLines, layout->lineCount()) - 1;
    const QTextLine line = layout->lineAt(lastLine);
    EXPECT_EQ(c.selectionEnd(), line.textStart() + line.textLength()) << b;
    all += c.selectedText();
    expectStart = c.selectionEnd();
  }
  EXPECT_EQ(all, QString::fromStdString(para + " "));

  // Down reads the paragraph whole, from its first word, not a wrapped line of it.
  std::vector<std::string> said;
  HelpOptions o = Options();
  o.speak = [&](const std::string& text) { said.push_back(text); };
  FRMHelp w(o);
  ASSERT_EQ(w.Load(WriteHelp(dir, "WRAP2.TXT", {"++1 Wrapped", para, "after"})), FRMHelp::Closed);
  ShowActive(w);
  QTest::keyClick(w.LSTIndex, Qt::Key_Return);
  QTest::keyClick(w.TXTHelp, Qt::Key_PageDown);
  said.clear();
  QTest::keyClick(w.TXTHelp, Qt::Key_Down);
  QTest::keyClick(w.TXTHelp, Qt::Key_Down);
  EXPECT_EQ(said, (std::vector<std::string>{QString::fromStdString(para).trimmed().toStdString(), "after"}));
}

TEST_F(HelpWindow, TheScreenReaderSeesEachBlock) {
  FRMHelp v(Options());
  ASSERT_EQ(v.Load(WriteHelp(dir, "LONG.TXT", NumberedLines(30))), FRMHelp::Closed);
  ShowActive(v);
  selectionEvents.clear();
  QAccessible::UpdateHandler old = QAccessible::installUpdateHandler(RecordSelection);
  QTest::keyClick(v.LSTIndex, Qt::Key_Return);
  QTest::keyClick(v.TXTHelp, Qt::Key_PageDown);
  QAccessible::installUpdateHandler(old);

  // What the reader reads: the pane's accessible selection is the block.
  QAccessibleInterface* a = QAccessible::queryAccessibleInterface(v.TXTHelp);
  ASSERT_NE(a, nullptr);
  QAccessibleTextInterface* text = a->textInterface();
  ASSERT_NE(text, nullptr);
  ASSERT_EQ(text->selectionCount(), 1);
  int start = -1, end = -1;
  text->selection(0, &start, &end);
  EXPECT_EQ(QString(text->text(start, end)).replace(QChar(0x2029), '\n'), Block(22, 30));
  EXPECT_EQ(text->cursorPosition(), end);

  // The change event itself reaches only a platform with an accessibility
  // bridge (Xvfb, QT_QPA_PLATFORM=xcb, QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 and a
  // D-Bus session with the accessibility bus).
  if (QAccessible::isActive()) {
    ASSERT_FALSE(selectionEvents.empty());
    EXPECT_EQ(selectionEvents.back().object, v.TXTHelp);
    EXPECT_EQ(selectionEvents.back().start, start);
    EXPECT_EQ(selectionEvents.back().end, end);
  }
}

TEST_F(HelpWindow, PlayerReadsTheGameHelpByKeyboardAndReturns) {
  bool sawKeys = false, backOnKeys = false;
  WhenViewerActive([&](FRMHelp* v) {
    QTest::keyClick(v->LSTIndex, Qt::Key_Down);    // 2 Keys
    QTest::keyClick(v->LSTIndex, Qt::Key_Return);  // its topics
    QTest::keyClick(v->LSTIndex, Qt::Key_Return);  // 2.1 Moving the cursor
    sawKeys = QTest::qWaitFor([&] { return v->TXTHelp->hasFocus(); }) && Selected(*v).contains("Arrow");
    QTest::keyClick(v->TXTHelp, Qt::Key_Backtab);
    QTest::keyClick(v->LSTIndex, Qt::Key_Left);
    backOnKeys = v->LSTIndex->currentItem()->text().startsWith("2 Keys");
    QTest::keyClick(v->LSTIndex, Qt::Key_Escape);
  });
  HelpOptions o = Options();
  EXPECT_EQ(Help(std::string(HELP_TEXT_DIR) + "/MT.TXT", o), FRMHelp::Closed);
  EXPECT_TRUE(sawKeys);
  EXPECT_TRUE(backOnKeys);
  EXPECT_TRUE(messages.empty());
}

TEST_F(HelpWindow, TheGamesOwnVoiceHearsWhatAScreenReaderWouldRead) {
  HelpOptions o = Options();
  std::vector<std::string> said;
  o.speak = [&](const std::string& text) { said.push_back(text); };
  FRMHelp v(o);
  ASSERT_EQ(v.Load(WriteHelp(dir, "V.TXT", {"++1 Start", "first", "second", "++2 Keys", "arrows"})), FRMHelp::Closed);
  ShowActive(v);
  // The window's name with the first item, once, though the focus comes twice (shown, then activated).
  ASSERT_EQ(said, std::vector<std::string>{"Help. 1 Start"});
  QTest::keyClick(v.LSTIndex, Qt::Key_Down);
  EXPECT_EQ(said.back(), "2 Keys");
  QTest::keyClick(v.LSTIndex, Qt::Key_Return);
  EXPECT_EQ(said.back(), "arrows ");
  v.CMDOk->setFocus();
  EXPECT_EQ(said.back(), "Close button");
}
