// The help file format: index lines, outline numbers, topics and the limits.
#include "HelpTestUtil.h"
#include "help/FRMHelp.h"
#include "help/HelpFile.h"

#include <QListWidget>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(HelpFile, IndexHoldsHeadingsAndTopicsWithTheirLines) {
  QTemporaryDir dir;
  const auto path = WriteHelp(dir, "A.TXT", {
      "Preamble, never shown",
      "++1 Start",
      "text",
      "+2 Keys",
      "++2.1 Moving",
  });
  HelpIndex idx;
  ASSERT_EQ(idx.Load(path), 0);
  ASSERT_EQ(idx.IndexCount, 3);
  EXPECT_EQ(idx.IndexTitle[0], "1 Start");
  EXPECT_EQ(idx.IndexLine[0], 2);
  EXPECT_EQ(idx.IndexTitle[1], "2 Keys");
  EXPECT_EQ(idx.IndexLine[1], 0);
  EXPECT_EQ(idx.IndexTitle[2], "2.1 Moving");
  EXPECT_EQ(idx.IndexLine[2], 5);
}

TEST(HelpFile, LineEndsOfEveryKindAndEightBitText) {
  QTemporaryDir dir;
  const std::string path = dir.path().toStdString() + "/B.TXT";
  {
    std::ofstream out(path, std::ios::binary);
    // LF only, a lone CR, a last line without an end, and Windows-1252 text:
    // an e acute, curly quotes and the euro sign.
    out << "++1 Caf\xe9 \x93\x80\x94\nline one\rline two\r\n++2 Next";
  }
  HelpIndex idx;
  ASSERT_EQ(idx.Load(path), 0);
  ASSERT_EQ(idx.IndexCount, 2);
  EXPECT_EQ(idx.IndexTitle[0], QString::fromUtf8("1 Caf\u00e9 \u201c\u20ac\u201d"));
  EXPECT_EQ(idx.IndexLine[1], 4);
  QString text;
  ASSERT_TRUE(ReadTopic(path, 1, text));
  EXPECT_EQ(text, "line one \nline two \n");
}

TEST(HelpFile, LimitsOfIndexLinesAndFileLines) {
  QTemporaryDir dir;
  std::vector<std::string> lines;
  for (int i = 1; i <= 200; ++i) lines.push_back("++" + std::to_string(i) + " Topic");
  HelpIndex idx;
  EXPECT_EQ(idx.Load(WriteHelp(dir, "OK.TXT", lines)), 0);
  EXPECT_EQ(idx.IndexCount, 200);

  lines.push_back("++201 One too many");
  EXPECT_EQ(idx.Load(WriteHelp(dir, "BIG.TXT", lines)), helpfile::SubscriptRange);
  EXPECT_EQ(idx.IndexCount, 0);

  std::vector<std::string> longFile{"++1 Long"};
  longFile.resize(32767, "x");
  EXPECT_EQ(idx.Load(WriteHelp(dir, "LONG.TXT", longFile)), 0);
  longFile.push_back("x");
  EXPECT_EQ(idx.Load(WriteHelp(dir, "LONGER.TXT", longFile)), helpfile::Overflow);

  EXPECT_EQ(idx.Load(dir.path().toStdString() + "/NONE.TXT"), helpfile::FileNotFound);
  EXPECT_EQ(idx.Load(dir.path().toStdString()), helpfile::FileAccess);
}

TEST(HelpFile, OutlineNumbersAndWhatStandsUnderAHeading) {
  EXPECT_EQ(OutlineLevel("2 Keys"), 0);
  EXPECT_EQ(OutlineLevel("2.3.1 Deep. With. Periods"), 2);
  EXPECT_EQ(OutlineLevel("2.3.1"), 2);  // no space: every period counts
  EXPECT_EQ(OutlineLevel(""), 0);

  EXPECT_TRUE(MatchesPrefix("2.1 Moving", "2"));
  EXPECT_FALSE(MatchesPrefix("21.1 Extra", "2"));
  EXPECT_TRUE(MatchesPrefix("2 Keys", "2"));
  EXPECT_FALSE(MatchesPrefix("2", "2"));  // nothing after the number
  EXPECT_TRUE(MatchesPrefix("anything", ""));

  QString p;
  ASSERT_TRUE(ParentPrefix("2.3.1 Deep", p));
  EXPECT_EQ(p, "2");
  ASSERT_TRUE(ParentPrefix("10.20.30.40 Deeper", p));
  EXPECT_EQ(p, "10.20");
  ASSERT_TRUE(ParentPrefix("2.3.1", p));
  EXPECT_EQ(p, "2");
  EXPECT_FALSE(ParentPrefix("2.1 Shallow", p));
}

TEST(HelpFile, TopicTextEndsAtTheNextIndexLine) {
  QTemporaryDir dir;
  const auto path = WriteHelp(dir, "T.TXT", {
      "++1 First", "one", "", "two",
      "+2 Heading", "hidden under a heading",
      "++2.1 Second", "three",
  });
  QString text;
  ASSERT_TRUE(ReadTopic(path, 1, text));
  EXPECT_EQ(text, "one \n \ntwo \n");
  ASSERT_TRUE(ReadTopic(path, 7, text));
  EXPECT_EQ(text, "three \n");
  EXPECT_FALSE(ReadTopic(dir.path().toStdString() + "/GONE.TXT", 1, text));
}

// The help texts that ship with the programs: within the limits, every
// heading opens a list and every topic has text.
class ShippedHelpText : public ::testing::TestWithParam<const char*> {};

TEST_P(ShippedHelpText, LoadsAndEveryEntryOpens) {
  const std::string path = std::string(HELP_TEXT_DIR) + "/" + GetParam();
  int error = -1;
  const QStringList lines = helpfile::ReadLines(path, error);
  ASSERT_EQ(error, 0) << path;
  EXPECT_LE(lines.size(), helpfile::MaxFileLines);

  std::vector<std::string> messages;
  HelpOptions o;
  o.readerPause = 0;
  o.message = [&](const std::string& text, const std::string&) { messages.push_back(text); };
  FRMHelp viewer(o);
  ASSERT_EQ(viewer.Load(path), FRMHelp::Closed);
  ASSERT_GT(viewer.Index.IndexCount, 0);
  EXPECT_LE(viewer.Index.IndexCount, helpfile::MaxIndexLines);

  int listed = 0;
  for (int i = 0; i < viewer.Index.IndexCount; ++i) {
    const QString& title = viewer.Index.IndexTitle[i];
    EXPECT_TRUE(title.contains(' ')) << title.toStdString();
    if (viewer.Index.IndexLine[i] == 0) {
      viewer.ShowIndex(title, true);
      EXPECT_GT(viewer.LSTIndex->count(), 0) << "empty heading " << title.toStdString();
    } else {
      QString text;
      ASSERT_TRUE(ReadTopic(path, viewer.Index.IndexLine[i], text));
      EXPECT_FALSE(text.trimmed().isEmpty()) << "empty topic " << title.toStdString();
    }
    // Every entry is on the top list or under a heading of the file.
    bool reachable = OutlineLevel(title) == 0;
    for (int h = 0; h < viewer.Index.IndexCount && !reachable; ++h) {
      const QString& head = viewer.Index.IndexTitle[h];
      reachable = viewer.Index.IndexLine[h] == 0 && OutlineLevel(head) + 1 == OutlineLevel(title) &&
                  MatchesPrefix(title, FirstWord(head));
    }
    EXPECT_TRUE(reachable) << "unreachable " << title.toStdString();
    listed += reachable;
  }
  EXPECT_EQ(listed, viewer.Index.IndexCount);
  EXPECT_TRUE(messages.empty());
}

INSTANTIATE_TEST_SUITE_P(Texts, ShippedHelpText, ::testing::Values("MT.TXT", "DRV.TXT"));
