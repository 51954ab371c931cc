#include "DialogTestSupport.h"

#include "base/Trace.h"
#include "dialogs/SelectFile.h"

#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <algorithm>
#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

TEST(LikeMatchTest, WildcardsAreCaseSensitive) {
  EXPECT_TRUE(LikeMatch("a.mp3", "*.mp3"));
  EXPECT_FALSE(LikeMatch("b.MP3", "*.mp3"));
  EXPECT_TRUE(LikeMatch(".mp3", "*.mp3"));
  EXPECT_FALSE(LikeMatch("a.mp3x", "*.mp3"));
  EXPECT_TRUE(LikeMatch("track07.ogg", "track##.ogg"));
  EXPECT_FALSE(LikeMatch("trackA7.ogg", "track##.ogg"));
  EXPECT_TRUE(LikeMatch("cat", "c?t"));
  EXPECT_FALSE(LikeMatch("ct", "c?t"));
  EXPECT_TRUE(LikeMatch("b1", "[a-c]#"));
  EXPECT_FALSE(LikeMatch("d1", "[a-c]#"));
  EXPECT_TRUE(LikeMatch("d1", "[!a-c]#"));
  EXPECT_FALSE(LikeMatch("b1", "[!a-c]#"));
  EXPECT_TRUE(LikeMatch("a*b", "a[*]b"));
  EXPECT_FALSE(LikeMatch("axb", "a[*]b"));
  EXPECT_TRUE(LikeMatch("ab", "a[]b"));
  EXPECT_FALSE(LikeMatch("ab", "a[b"));
  EXPECT_TRUE(LikeMatch("Ünïcödé.mp3", "?n?c?d?.mp3"));
  EXPECT_TRUE(LikeMatch("a.b.mp3", "*.*.mp3"));
  EXPECT_TRUE(LikeMatch("", "*"));
  EXPECT_FALSE(LikeMatch("", "?"));
  EXPECT_TRUE(LikeMatch("abcabd", "*ab?"));
  // Many stars against a long near-miss must still answer at once.
  EXPECT_FALSE(LikeMatch(std::string(250, 'a'), "*a*a*a*a*a*a*a*a*b"));
}

TEST(LikeMatchTest, ListingTakesAnyOfSeveralPatternsWithoutLetterCase) {
  const std::string songs = "*.mp3;*.flac;*.opus";
  for (const char* name : {"Song.MP3", "a.mp3", "x.Flac", "ÉTÉ.OPUS", "a*b?.mp3"}) EXPECT_TRUE(MatchesAnyNoCase(name, songs)) << name;
  for (const char* name : {"a.mp3.txt", "flac", "a.ogg"}) EXPECT_FALSE(MatchesAnyNoCase(name, songs)) << name;
  EXPECT_FALSE(MatchesAnyNoCase("a.mp3", ";;"));
}

namespace {

void touch(const fs::path& p) { std::ofstream(p) << "x"; }

std::vector<std::string> items() {
  std::vector<std::string> out;
  QListWidget* l = GenDialog::instance().LstControl[0];
  for (int i = 0; i < l->count(); ++i) out.push_back(l->item(i)->text().toStdString());
  return out;
}
std::string current() {
  QListWidget* l = GenDialog::instance().LstControl[0];
  return l->currentItem() ? l->currentItem()->text().toStdString() : std::string();
}
std::string box() { return GenDialog::instance().TXTControl[0]->text().toStdString(); }
bool up() { return GenDialog::instance().isShownNow(); }
// The file selector opened and waited for; errorText gets its error text.
std::string Choose(const std::string& folder, const std::string& pattern, int16_t mode, const std::string& title,
                   std::string& errorText, const std::string& fileName, const std::string& hint = "") {
  const auto [path, error] = Await<std::pair<std::string, std::string>>([&](auto done) {
    SelectFile(folder, pattern, mode, title, fileName, hint, [done](const std::string& p, const std::string& e) { done({p, e}); });
  });
  errorText = error;
  return path;
}
bool said(const FakeSpeech& s, const std::string& text) {
  const auto v = s.spoken();
  return std::find(v.begin(), v.end(), text) != v.end();
}

class SelectFileTest : public DialogTest {
 protected:
  void SetUp() override {
    DialogTest::SetUp();
    ASSERT_TRUE(tmp.isValid());
    root = tmp.path().toStdString();
    music = root + "/Music";
    fs::create_directories(music + "/Pop");
    touch(music + "/a.mp3");
    touch(music + "/0.MP3");  // listed: the extension matches whatever its case
    touch(music + "/c.wav");
    touch(music + "/Pop/p.mp3");
    fs::create_directories(music + "/.hidden");
    fs::create_directories(music + "/rock");
  }
  QTemporaryDir tmp;
  std::string root, music, error = "unset";
};

}  // namespace

TEST_F(SelectFileTest, WalkIntoAFolderAndBackThenChooseAFile) {
  std::vector<std::string> first, inPop;
  std::string cameBack, boxAfterRight;
  bool upAfterRight = false;
  Driver d;
  d.then([&] {
     first = items();
     Key(Qt::Key_Right);
   })
      .then([&] {
        inPop = items();
        Key(Qt::Key_Left);
      })
      .then([&] {
        cameBack = current();
        Key(Qt::Key_End);
        Key(Qt::Key_Right);
        boxAfterRight = box();
        upAfterRight = up();
        Key(Qt::Key_Return);
      });
  EXPECT_EQ(Choose(music, "*.mp3", 1, "Select Music File to tunzle", error, ""), music + "/a.mp3");
  EXPECT_EQ(first, (std::vector<std::string>{"Pop [folder]", "rock [folder]", ".hidden [folder]", "0.MP3", "a.mp3"}));
  EXPECT_EQ(inPop, (std::vector<std::string>{"p.mp3"}));
  EXPECT_EQ(cameBack, "Pop [folder]");
  EXPECT_EQ(boxAfterRight, "a.mp3");
  EXPECT_TRUE(upAfterRight);
  EXPECT_EQ(error, "");
  EXPECT_EQ(d.left(), 0u);
}

TEST_F(SelectFileTest, OkEntersAFolderAndRefusesAnEmptyName) {
  std::vector<std::string> inPop, msg;
  Driver d;
  d.then([&] {
     Key(Qt::Key_Tab);
     Key(Qt::Key_Tab);  // OK, with the folder selected and no name
     Key(Qt::Key_Space);
   })
      .then([&] {
        inPop = items();
        Key(Qt::Key_Left);
      })
      .then([&] {
        Key(Qt::Key_End);
        Key(Qt::Key_Tab);  // leaving the list copies a.mp3 into the box
        Key(Qt::Key_Backspace);
        Key(Qt::Key_Tab);
        Key(Qt::Key_Space);
      })
      .then([&] {
        msg = speech.spoken();
        Key(Qt::Key_Return);
      })
      .then([&] { Key(Qt::Key_Escape); });
  EXPECT_EQ(Choose(music, "*.mp3", 1, "Choose", error, ""), "");
  EXPECT_EQ(inPop, (std::vector<std::string>{"p.mp3"}));
  ASSERT_GE(msg.size(), 3u);
  // As every box: its title, its message and its default button.
  EXPECT_EQ(std::vector<std::string>(msg.end() - 3, msg.end()),
            (std::vector<std::string>{"Error", "No filename was entered as new filename.", "Ok"}));
  EXPECT_EQ(error, "");  // Cancel clears it
  EXPECT_EQ(d.left(), 0u);
}

TEST_F(SelectFileTest, TypedNameOkSkipsTheCheckEnterDoesNot) {
  {
    Driver d;
    d.then([&] {
      Key(Qt::Key_Tab);
      Type("x.mp3");
      Key(Qt::Key_Tab);
      Key(Qt::Key_Space);
    });
    EXPECT_EQ(Choose(music, "*.mp3", 1, "Choose", error, ""), music + "/x.mp3");
    EXPECT_EQ(error, "");
  }

  bool notFound = false;
  Driver d2;
  d2.then([&] { Key(Qt::Key_Return); })  // in the list, with x.mp3 in the box
      .then([&] {
        notFound = said(speech, "File " + music + "/x.mp3 not found.");
        Key(Qt::Key_Return);
      })
      .then([&] { Key(Qt::Key_Escape); });
  EXPECT_EQ(Choose(music, "*.mp3", 1, "Choose", error, "x.mp3"), "");
  EXPECT_TRUE(notFound);
}

TEST_F(SelectFileTest, ModeFourRefusesAnExistingFile) {
  bool exists = false;
  Driver d;
  d.then([&] {
     Key(Qt::Key_End);
     Key(Qt::Key_Return);
   })
      .then([&] {
        exists = said(speech, "File " + music + "/a.mp3 already exists.");
        Key(Qt::Key_Return);
      })
      .then([&] {
        Key(Qt::Key_Tab);
        Type("new.mp3");
        Key(Qt::Key_Return);  // Enter in a filled box presses OK
      });
  EXPECT_EQ(Choose(music, "*.mp3", 4, "Save as", error, ""), music + "/new.mp3");
  EXPECT_TRUE(exists);
}

TEST_F(SelectFileTest, DeleteAsksThenRemovesAndAFolderIsNotFound) {
  std::vector<std::string> afterDelete;
  std::string title, startFocus;
  bool asked = false, folderNotFound = false, keptByEnter = false, keptByEscape = false;
  GenDialog& f = GenDialog::instance();
  Driver d;
  d.then([&] {
     Key(Qt::Key_End);
     QTest::mouseClick(f.CMDControl[2], Qt::LeftButton);
   })
      .then([&] {
        title = f.windowTitle().toStdString();
        asked = said(speech, "Delete " + music + "/a.mp3?");
        auto* focus = qobject_cast<QPushButton*>(Focused());
        startFocus = focus ? focus->text().toStdString() : "";
        Key(Qt::Key_Return);  // No is the default: Delete then Enter loses nothing
      })
      .then([&] {
        keptByEnter = fs::exists(music + "/a.mp3");
        Key(Qt::Key_End);
        Key(Qt::Key_Delete);
      })
      .then([&] { Key(Qt::Key_Escape); })
      .then([&] {
        keptByEscape = fs::exists(music + "/a.mp3");
        Key(Qt::Key_End);
        QTest::mouseClick(f.CMDControl[2], Qt::LeftButton);
      })
      .then([&] { QTest::mouseClick(f.CMDControl[0], Qt::LeftButton); })  // yes
      .then([&] {
        afterDelete = items();
        QTest::mouseClick(f.CMDControl[2], Qt::LeftButton);  // Pop selected
      })
      .then([&] {
        folderNotFound = said(speech, music + "/Pop [folder] not found.");
        Key(Qt::Key_Return);
      })
      .then([&] { Key(Qt::Key_Escape); });
  EXPECT_EQ(Choose(music, "*.mp3", 1, "Choose", error, ""), "");
  EXPECT_EQ(title, "Delete");
  EXPECT_TRUE(asked);
  EXPECT_EQ(startFocus, "No");
  EXPECT_TRUE(keptByEnter);
  EXPECT_TRUE(keptByEscape);
  EXPECT_FALSE(fs::exists(music + "/a.mp3"));
  EXPECT_EQ(afterDelete, (std::vector<std::string>{"Pop [folder]", "rock [folder]", ".hidden [folder]", "0.MP3"}));
  EXPECT_TRUE(folderNotFound);
}

TEST_F(SelectFileTest, FullPathDoubleClickAndCancel) {
  {
    Driver d;
    d.then([&] {
      Key(Qt::Key_Tab);
      Type((music + "/Pop/p.mp3").c_str());
      Key(Qt::Key_Return);
    });
    EXPECT_EQ(Choose(root, "*.mp3", 1, "Choose", error, ""), music + "/Pop/p.mp3");
  }
  {
    Driver d2;
    d2.then([&] {
      QListWidget* l = GenDialog::instance().LstControl[0];
      const QPoint at = l->visualItemRect(l->item(l->count() - 1)).center();
      QTest::mouseClick(l->viewport(), Qt::LeftButton, {}, at);
      QTest::mouseDClick(l->viewport(), Qt::LeftButton, {}, at);
    });
    EXPECT_EQ(Choose(music, "*.mp3", 1, "Choose", error, ""), music + "/a.mp3");
  }

  Driver d3;
  d3.then([&] { Key(Qt::Key_Escape); });
  error = "old";
  EXPECT_EQ(Choose(music, "*.mp3", 1, "Choose", error, "a.mp3"), "");
  EXPECT_EQ(error, "");
}

class SelectFileTraceTest : public SelectFileTest {
 protected:
  void SetUp() override {
    SelectFileTest::SetUp();
    trace = root + "/trace.txt";
    qputenv("TUNZLE_TRACE", QByteArray::fromStdString(trace));
    Trace::reopen();
  }
  void TearDown() override {
    qunsetenv("TUNZLE_TRACE");
    Trace::reopen();
    SelectFileTest::TearDown();
  }
  // The trace's events and fields, without the times.
  std::vector<std::string> lines() {
    std::vector<std::string> out;
    std::ifstream in(trace);
    for (std::string line; std::getline(in, line);) out.push_back(line.substr(line.find('\t') + 1));
    return out;
  }
  std::string trace;
};

TEST_F(SelectFileTraceTest, DeleteKeyOnAFolderBeepsAndRootCannotGoUp) {
  bool upAfterDelete = false;
  {
    Driver d;
    d.then([&] {
      Key(Qt::Key_Delete);  // on Pop
      upAfterDelete = up();
      Key(Qt::Key_Escape);
    });
    EXPECT_EQ(Choose(music, "*.mp3", 1, "Choose", error, ""), "");
    EXPECT_TRUE(upAfterDelete);
  }

  std::vector<std::string> rootItems, again;
  Driver d2;
  d2.then([&] {
     rootItems = items();
     Key(Qt::Key_Left);
   })
      .then([&] {
        again = items();
        Key(Qt::Key_Escape);
      });
  EXPECT_EQ(Choose("/", "*.nothing", 1, "Choose", error, ""), "");
  EXPECT_EQ(again, rootItems);

  const auto t = lines();
  const std::vector<std::string> expected = {
      "selectfile\tChoose\t" + music, "window\tChoose", "beep", "answer\t",
      "selectfile\tChoose\t/",        "window\tChoose", "beep", "selectfile\tChoose\t/", "window\tChoose", "answer\t"};
  EXPECT_EQ(t, expected);
}

TEST_F(SelectFileTest, UnreadableFolderListsNothingAndLeftStillGoesUp) {
  std::vector<std::string> missing, parent;
  Driver d;
  d.then([&] {
     missing = items();
     Key(Qt::Key_Left);
   })
      .then([&] {
        parent = items();
        Key(Qt::Key_Escape);
      });
  EXPECT_EQ(Choose(root + "/gone", "*.mp3", 1, "Choose", error, ""), "");
  EXPECT_TRUE(missing.empty());
  EXPECT_EQ(parent, (std::vector<std::string>{"Music [folder]"}));
}

TEST_F(SelectFileTest, NameBoxTakesFocusAfterAnErrorAndALeftoverKeyUpPressesNothing) {
  GenDialog& f = GenDialog::instance();
  bool startsInBox = false, backInBox = false, upAfterKeyUp = false;
  Driver d;
  d.then([&] {
     startsInBox = Focused() == f.TXTControl[0];
     Key(Qt::Key_Tab, Qt::ShiftModifier);  // back to the list
     Key(Qt::Key_Return);
   })
      .then([&] { Key(Qt::Key_Return); })  // "File ... already exists."
      .then([&] {
        backInBox = Focused() == f.TXTControl[0];
        // The Enter that answered the message box comes up here.
        QTest::keyRelease(Focused(), Qt::Key_Return);
        upAfterKeyUp = up();
        Key(Qt::Key_Escape);
      });
  EXPECT_EQ(Choose(music, "*.mp3", 4, "Save as", error, "a.mp3"), "");
  EXPECT_TRUE(startsInBox);
  EXPECT_TRUE(backInBox);
  EXPECT_TRUE(upAfterKeyUp);
  EXPECT_EQ(d.left(), 0u);
}

TEST_F(SelectFileTest, TypingInTheNameBoxIsEchoedWhenNoScreenReaderDoesIt) {
  std::vector<std::string> typed, withReader;
  Driver d;
  d.then([&] {
    Key(Qt::Key_Tab);
    speech.log.clear();
    Type("ab");
    Key(Qt::Key_Backspace);
    Key(Qt::Key_Backspace);
    Key(Qt::Key_Backspace);  // nothing left to take away
    for (const auto& s : speech.log)
      if (s != "<stop>") typed.push_back(s);
    speech.reader = true;
    speech.log.clear();
    Type("c");
    Key(Qt::Key_Backspace);
    withReader = speech.spoken();
    Key(Qt::Key_Escape);
  });
  EXPECT_EQ(Choose(music, "*.mp3", 1, "Choose", error, "", ""), "");
  EXPECT_EQ(typed, (std::vector<std::string>{"a", "b", "b", "a", "<bump>"}));
  EXPECT_TRUE(withReader.empty()) << "the screen reader echoes for itself";
}

TEST_F(SelectFileTest, TitleAndHintOnceATypedFolderOpensAnEmptyOneIsSaid) {
  fs::create_directories(music + "/Empty");
  std::vector<std::string> opening, inPop, inEmpty, atBox;
  Driver d;
  d.then([&] {
     opening = speech.spoken();
     speech.log.clear();
     Key(Qt::Key_Tab);
     atBox = speech.spoken();
     Type("Pop");  // a folder of this one, by name
     speech.log.clear();
     Key(Qt::Key_Return);
   })
      .then([&] {
        inPop = items();
        // The folder entered is named; the title is not said again.
        EXPECT_EQ(speech.spoken(), (std::vector<std::string>{"Folder Pop", "p.mp3"}));
        Key(Qt::Key_Tab);
        Type((music + "/Empty").c_str());  // a folder by its full path
        speech.log.clear();
        Key(Qt::Key_Return);
      })
      .then([&] {
        inEmpty = speech.spoken();
        Key(Qt::Key_Escape);
      });
  EXPECT_EQ(Choose(music, "*.mp3", 1, "Choose", error, "", "Escape leaves."), "");
  EXPECT_EQ(opening, (std::vector<std::string>{"Choose", "Folder " + fs::path(music).filename().string(), "Empty [folder]",
                                               "Escape leaves."}));
  ASSERT_FALSE(atBox.empty());
  EXPECT_EQ(atBox.front(), "File name");
  EXPECT_EQ(inPop, (std::vector<std::string>{"p.mp3"}));
  EXPECT_EQ(inEmpty, (std::vector<std::string>{"Folder Empty", "This folder is empty."}));
  EXPECT_EQ(error, "") << "a folder is no missing file";
}
