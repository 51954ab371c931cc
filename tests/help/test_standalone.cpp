// The standalone help program: its help file follows from its own name, and
// it ends with the viewer.
#include "HelpTestUtil.h"
#include "help/FRMHelp.h"
#include "help/StandaloneHelp.h"

#include <QApplication>
#include <QListWidget>
#include <QPushButton>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <filesystem>
#include <gtest/gtest.h>

namespace fs = std::filesystem;

TEST(StandaloneHelpName, WordBeforeHelpInAnyCaseInCapitals) {
  EXPECT_EQ(HelpNameFromProgram("DRVHelp"), "DRV");
  EXPECT_EQ(HelpNameFromProgram("MTHelp"), "MT");
  EXPECT_EQ(HelpNameFromProgram("mthelp"), "MT");
  EXPECT_EQ(HelpNameFromProgram("GameHELP"), "GAME");
  EXPECT_EQ(HelpNameFromProgram("DRVHelp.exe"), "DRV");
  EXPECT_EQ(HelpNameFromProgram("XHelpHelp"), "X");  // the first occurrence counts
  // A name beginning with help has an empty base name.
  EXPECT_EQ(HelpNameFromProgram("Help"), "");
  EXPECT_EQ(HelpNameFromProgram("helper"), "");
  // Without help in it, the whole name.
  EXPECT_EQ(HelpNameFromProgram("Viewer"), "VIEWER");
}

TEST(StandaloneHelpName, FileLiesBesideTheProgram) {
  EXPECT_EQ(HelpFileForProgram("/opt/games/DRVHelp", "/elsewhere/").Path(), "/opt/games/DRV.TXT");
  EXPECT_EQ(HelpFileForProgram("/opt/games/help", "/elsewhere/").Path(), "/opt/games/.TXT");
  // Started through the search path: the program's own folder.
  EXPECT_EQ(HelpFileForProgram("MTHelp", "/usr/lib/tunzle").Path(), "/usr/lib/tunzle/MT.TXT");
  // Started by a relative path: the folder is made absolute and clean.
  EXPECT_EQ(HelpFileForProgram("./DRVHelp", "/x/").AppFolder, fs::current_path().string() + "/");
}

TEST(StandaloneHelpProgram, ClosingTheViewerEndsIt) {
  QTemporaryDir dir;
  TraceCapture trace;
  WriteHelp(dir, "FOO.TXT", {"++1 Only", "text"});
  for (auto key : {Qt::Key_Escape, Qt::Key_C}) {
    WhenViewerActive([key](FRMHelp* v) {
      if (key == Qt::Key_C)
        v->CMDOk->click();
      else
        QTest::keyClick(v->LSTIndex, key);
    });
    EXPECT_EQ(RunStandaloneHelp(dir.path().toStdString() + "/FooHelp"), 0);
  }
  EXPECT_EQ(trace.Count("window\tHELP"), 2);
}

TEST(StandaloneHelpProgram, FindsItsFileInAnyLetterCase) {
  QTemporaryDir dir;
  TraceCapture trace;
  WriteHelp(dir, "Foo.txt", {"++1 Only", "text"});
  QTimer poll;
  QObject::connect(&poll, &QTimer::timeout, [] {
    if (auto* v = qobject_cast<FRMHelp*>(QApplication::activeModalWidget())) v->CMDOk->click();
  });
  poll.start(5);
  EXPECT_EQ(RunStandaloneHelp(dir.path().toStdString() + "/FooHelp"), 0);
  EXPECT_EQ(trace.Count("window\tHELP"), 1);
}

// The built program itself, copied under other names.
class HelpProgramRun : public ::testing::Test {
 protected:
  void SetUp() override {
#ifdef HELP_PROGRAM
    src = HELP_PROGRAM;
    ASSERT_TRUE(fs::exists(src)) << src;
#else
    GTEST_SKIP() << "built without the help program";
#endif
  }
  // Starts a copy named `name` in the test folder, with a player folder of its own.
  void Start(QProcess& p, const std::string& name) {
    const fs::path prog = fs::path(dir.path().toStdString()) / name;
    fs::copy_file(src, prog, fs::copy_options::overwrite_existing);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("TUNZLE_NO_SYSTEM_BOX", "1");
    env.insert("TUNZLE_TRACE", QString::fromStdString(trace.path()));
    env.insert("appdata", dir.path() + "/player");
    env.insert("ALSOFT_DRIVERS", "null");
    p.setProcessEnvironment(env);
    p.start(QString::fromStdString(prog.string()), {});
  }
  // Runs a copy named `name`; returns its exit code.
  int Run(const std::string& name) {
    QProcess p;
    Start(p, name);
    // A viewer that opened would wait for the player; these runs must end.
    if (!p.waitForFinished(20000)) {
      p.kill();
      p.waitForFinished();
      return -1;
    }
    return p.exitCode();
  }
  fs::path src;
  QTemporaryDir dir;
  TraceCapture trace;
};

TEST_F(HelpProgramRun, MissingFileEndsTheProgramAfterTheLoadingError) {
  EXPECT_EQ(Run("GizmoHelp"), 1);
  const std::string file = dir.path().toStdString() + "/GIZMO.TXT";
  EXPECT_TRUE(trace.Has("msgbox\tError! \tError loading help.  Error number :53 file " + file));
  EXPECT_FALSE(trace.Has("window\tHELP"));

  EXPECT_EQ(Run("help"), 1);
  EXPECT_TRUE(trace.Has("msgbox\tError! \tError loading help.  Error number :53 file " + dir.path().toStdString() + "/.TXT"));
}

TEST_F(HelpProgramRun, EmptyTopListIsAnErrorInTheSystemBox) {
  WriteHelp(dir, "ODD.TXT", {"++1.1 Orphan", "text"});
  EXPECT_EQ(Run("oddhelp"), 1);
  EXPECT_TRUE(trace.Has("msgbox\tError! \tHelp file error loading indexes subordinate to "));
}

TEST_F(HelpProgramRun, WithoutAScreenReaderTheGamesOwnVoiceReadsIt) {
  // No speech chosen yet: the built-in voice, as the game asks its first question with it.
  WriteHelp(dir, "FOO.TXT", {"++1 Only", "text"});
  QProcess p;
  Start(p, "FooHelp");
  const bool said = QTest::qWaitFor([&] { return trace.Has("speak\t3\tHelp. 1 Only"); }, 15000);
  p.kill();
  p.waitForFinished();
  EXPECT_TRUE(said) << "the viewer's name and first entry, in the built-in voice";
}
