#include "base/Files.h"
#include "common/Keys.h"
#include "base/Trace.h"
#include "base/VB.h"

#include <QKeyEvent>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

namespace fs = std::filesystem;

TEST(Keys, GameKeysMapToVirtualKeyCodes) {
  struct Case { int qt; unsigned mods; int16_t code; int16_t shift; };
  const Case cases[] = {
      {Qt::Key_Up, 0, vk::Up, 0},           {Qt::Key_Down, 0, vk::Down, 0},
      {Qt::Key_Left, 0, vk::Left, 0},       {Qt::Key_Right, 0, vk::Right, 0},
      {Qt::Key_Home, 0, vk::Home, 0},       {Qt::Key_End, 0, vk::End, 0},
      {Qt::Key_PageUp, 0, vk::Prior, 0},    {Qt::Key_PageDown, 0, vk::Next, 0},
      {Qt::Key_Space, 0, 32, 0},            {Qt::Key_Return, 0, 13, 0},
      {Qt::Key_Enter, Qt::KeypadModifier, 13, 0},
      {Qt::Key_Escape, 0, 27, 0},           {Qt::Key_Backspace, 0, 8, 0},
      {Qt::Key_Delete, 0, 46, 0},           {Qt::Key_Tab, 0, 9, 0},
      {Qt::Key_Backtab, Qt::ShiftModifier, 9, 1},
      {Qt::Key_F1, 0, 112, 0},              {Qt::Key_F9, 0, 120, 0},
      {Qt::Key_F4, Qt::AltModifier, 115, 4},
      {Qt::Key_B, Qt::ControlModifier, 'B', 2},
      {Qt::Key_B, Qt::ControlModifier | Qt::ShiftModifier, 'B', 3},
      {Qt::Key_Q, 0, 'Q', 0},               {Qt::Key_5, 0, '5', 0},
      {Qt::Key_Exclam, Qt::ShiftModifier, '1', 1},
      {Qt::Key_Shift, Qt::ShiftModifier, vk::Shift, 1},
      {Qt::Key_Control, Qt::ControlModifier, vk::Control, 2},
      {Qt::Key_Alt, Qt::AltModifier, vk::Menu, 4},
      {Qt::Key_Comma, 0, vk::OemComma, 0},
  };
  for (const auto& c : cases) {
    QKeyEvent e(QEvent::KeyPress, c.qt, Qt::KeyboardModifiers(c.mods));
    KeyCode k = KeyFromQt(e);
    EXPECT_EQ(k.code, c.code) << "qt key " << c.qt;
    EXPECT_EQ(k.shift, c.shift) << "qt key " << c.qt;
  }
}

TEST(VB, LeadingNumberParseAndHalfEvenRounding) {
  EXPECT_DOUBLE_EQ(Val("40"), 40);
  EXPECT_DOUBLE_EQ(Val(" 2.5 seconds"), 2.5);
  EXPECT_DOUBLE_EQ(Val("abc"), 0);
  EXPECT_DOUBLE_EQ(Val("-3x"), -3);
  EXPECT_DOUBLE_EQ(Val("1e2"), 100);
  EXPECT_EQ(RoundHalfEven(2.5), 2);
  EXPECT_EQ(RoundHalfEven(3.5), 4);
  EXPECT_EQ(RoundHalfEven(-2.5), -2);
  EXPECT_EQ(ToInt16(32767.4), 32767);
  EXPECT_FALSE(ToInt16(32768.0).has_value());
  EXPECT_TRUE(IsNumeric(" 2.5 "));
  EXPECT_TRUE(IsNumeric("-1"));
  EXPECT_FALSE(IsNumeric("*2.5"));
  EXPECT_FALSE(IsNumeric(""));
  EXPECT_FALSE(IsNumeric("nan"));
  EXPECT_EQ(FloatToText(2.0f), "2");
  EXPECT_EQ(FloatToText(2.5f), "2.5");
  EXPECT_EQ(FloatToText(0.1f), "0.1");
}

class TempDir : public ::testing::Test {
 protected:
  fs::path dir;
  void SetUp() override {
    dir = fs::temp_directory_path() / ("tunzle-common-" + std::to_string(::getpid()) + "-" +
                                       ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir);
    fs::create_directories(dir);
  }
  void TearDown() override { fs::remove_all(dir); }
  void put(const fs::path& p, const std::string& text) {
    fs::create_directories(p.parent_path());
    std::ofstream(p, std::ios::binary) << text;
  }
};

TEST_F(TempDir, CaseBlindLookupFindsFilesAndWholePaths) {
  put(dir / "Music" / "Song.mp3", "x");
  put(dir / "noTile.wav", "y");
  EXPECT_EQ(FindFileNoCase(dir, "NOTILE.WAV"), dir / "noTile.wav");
  EXPECT_FALSE(FindFileNoCase(dir, "missing.wav").has_value());
  EXPECT_EQ(ResolvePathNoCase(dir / "MUSIC" / "SONG.MP3"), dir / "Music" / "Song.mp3");
  EXPECT_EQ(ResolvePathNoCase(dir / "nope" / "x"), dir / "nope" / "x");
}

TEST_F(TempDir, CopyAndAtomicWrite) {
  put(dir / "a.bin", std::string("a\0b", 3));
  EXPECT_TRUE(CopyFile((dir / "a.bin").string(), (dir / "b.bin").string()));
  EXPECT_EQ(*ReadWholeFile(dir / "b.bin"), std::string("a\0b", 3));
  EXPECT_FALSE(CopyFile((dir / "none").string(), (dir / "c.bin").string()));
  EXPECT_FALSE(CopyFile((dir / "a.bin").string(), (dir / "no" / "c.bin").string()));

  ASSERT_TRUE(WriteFileAtomic(dir / "b.bin", "new"));
  EXPECT_EQ(*ReadWholeFile(dir / "b.bin"), "new");
  EXPECT_FALSE(WriteFileAtomic(dir / "no" / "x.bin", "new"));
  int files = 0;
  for (auto& e : fs::directory_iterator(dir)) { (void)e; ++files; }
  EXPECT_EQ(files, 2) << "no temporary file is left behind";
}

TEST_F(TempDir, TraceWritesTabSeparatedLinesWithTextsCleaned) {
  fs::path trace = dir / "trace.txt";
  setenv("TUNZLE_TRACE", trace.c_str(), 1);
  Trace::reopen();
  Trace::write("window", {"Music Tunzle   Press F1 for Help"});
  Trace::write("speak", {"3", "two\tlines\nhere"});
  unsetenv("TUNZLE_TRACE");
  Trace::reopen();
  Trace::write("window", {"not written"});
  std::string text = *ReadWholeFile(trace);
  auto first = text.find('\t');
  ASSERT_NE(first, std::string::npos);
  EXPECT_NE(text.find("\twindow\tMusic Tunzle   Press F1 for Help\n"), std::string::npos);
  EXPECT_NE(text.find("\tspeak\t3\ttwo lines here\n"), std::string::npos);
  EXPECT_EQ(text.find("not written"), std::string::npos);
}

#include "common/MsgBox.h"
#include "tests/support/Await.h"

namespace {
int16_t Ask(const std::string& text, int32_t style = msgbox::OkOnly, const std::string& title = "") {
  return Await<int16_t>([&](auto answered) { SystemMsgBox(text, style, title, answered); });
}
}  // namespace

TEST(SystemBox, UnshownBoxAnswersItsDefaultButton) {
  // The test main keeps platform boxes from showing.
  EXPECT_EQ(Ask("x"), msgbox::Ok);
  EXPECT_EQ(Ask("x", msgbox::YesNoCancel), msgbox::Yes);
  EXPECT_EQ(Ask("x", msgbox::YesNoCancel | 256), msgbox::No);
  EXPECT_EQ(Ask("x", msgbox::YesNoCancel | 512), msgbox::Cancel);
  EXPECT_EQ(Ask("x", msgbox::YesNo | 512), msgbox::Yes) << "no third button: the first";
  EXPECT_EQ(Ask("x", msgbox::OkOnly | msgbox::Critical), msgbox::Ok);
}

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <functional>

// The shown platform box: Escape and closing never answer a question that has
// no Cancel; with Cancel they are Cancel; a No default takes Escape as No.
TEST(SystemBox, ClosingAQuestionIsNeverAnAnswerOfItsOwn) {
  qunsetenv("TUNZLE_NO_SYSTEM_BOX");
  bool upAfterEscapeAndClose = false;
  auto whenShown = [](std::function<void(QMessageBox*)> act) {
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, [poll, act] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (!box || !box->isVisible()) return;
      poll->stop();
      poll->deleteLater();
      act(box);
    });
    poll->start(5);
  };
  auto escape = [](QMessageBox* box) {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(box, &press);
  };
  whenShown([&](QMessageBox* box) {
    escape(box);
    box->close();
    upAfterEscapeAndClose = box->isVisible();
    box->button(QMessageBox::Yes)->click();
  });
  EXPECT_EQ(Ask("Would you like another game?", msgbox::YesNo, "Congratulations"), msgbox::Yes);
  EXPECT_TRUE(upAfterEscapeAndClose);
  whenShown([](QMessageBox* box) { box->close(); });
  EXPECT_EQ(Ask("Would you like to save your game?", msgbox::YesNoCancel, "Save Game?"), msgbox::Cancel);
  whenShown(escape);
  EXPECT_EQ(Ask("Delete it?", msgbox::YesNo | 256, "Delete"), msgbox::No);
  qputenv("TUNZLE_NO_SYSTEM_BOX", "1");
}

#include "base/Translate.h"
#include "common/Language.h"

#include <optional>
#include <utility>
#include "core/Texts.h"

TEST(Language, TheFirstWantedLanguageTheGameSpeaksWinsEnglishToo) {
  const std::vector<std::string> has{"de", "es", "fr", "it", "pt_BR", "ru"};
  EXPECT_EQ(ChooseLanguage({"en-US", "de-DE"}, has), "") << "English asked first stops the chain";
  EXPECT_EQ(ChooseLanguage({"de_DE.UTF-8"}, has), "de");
  EXPECT_EQ(ChooseLanguage({"nl-NL", "fr-CA", "de"}, has), "fr") << "a language without a catalogue is passed over";
  EXPECT_EQ(ChooseLanguage({"pt-PT", "de"}, has), "pt_BR") << "another region of the language is nearer than the next";
  EXPECT_EQ(ChooseLanguage({"pt-BR"}, has), "pt_BR");
  EXPECT_EQ(ChooseLanguage({"C"}, has), "");
  EXPECT_EQ(ChooseLanguage({"nl", ""}, has), "");
}

namespace {
// The game's texts in `language`, from its compiled catalogue.
struct Speaking {
  explicit Speaking(const std::string& language) {
    setenv("TUNZLE_TRANSLATION", (std::string(TRANSLATIONS_DIR) + "/tunzle_" + language + ".qm").c_str(), 1);
    UseDesktopLanguage(TRANSLATIONS_DIR);
  }
  ~Speaking() {
    unsetenv("TUNZLE_TRANSLATION");
    i18n::SetLookup(nullptr);
    i18n::SetLanguage("en");
  }
};
}  // namespace

TEST(Language, CountsSpeakEachLanguagesPluralFormsAndJoinTheTime) {
  using Said = std::pair<std::function<std::string()>, std::string>;
  // English (no catalogue) keeps its words; the others say a one as a word where it is one.
  const std::vector<std::pair<std::string, std::vector<Said>>> languages = {
      {"en",
       {{[] { return text::Solved(1, 3725); }, "Solved in 1 move and 1 hour 2 minutes 5 seconds."},
        {[] { return text::Solved(2, 0); }, "Solved in 2 moves and 0 seconds."},
        {[] { return text::TileLengthNow(1.5f); }, "Tiles are now 1.5 seconds long."},
        {[] { return text::TileLengthNow(1.0f); }, "Tiles are now 1 second long."},
        {[] { return text::Progress(3, 8, 12, 61); }, "3 of 8 tiles in order, 12 moves, 1 minute 1 second."},
        {[] { return text::BestResult(3, 2.0f, 9, 64); },
         "3 by 3 with tiles of 2 seconds: fewest moves 9, fastest 1 minute 4 seconds."}}},
      {"de",
       {{[] { return text::Solved(1, 60); }, "Gelöst: ein Zug, Zeit: eine Minute."},
        {[] { return text::TileLengthNow(1.5f); }, "Die Kachellänge ist jetzt 1,5 Sekunden."},
        // Qt's own catalogue comes with the game's: the desktop's message boxes speak it too.
        {[] {
           QMessageBox box;
           box.setStandardButtons(QMessageBox::Cancel);
           return box.button(QMessageBox::Cancel)->text().toStdString();
         },
         "Abbrechen"}}},
      {"es", {{[] { return text::Solved(2, 3604); }, "Resuelto en 2 movimientos, en una hora y 4 segundos."}}},
      // French counts 0 and 1.5 with 1.
      {"fr",
       {{[] { return text::Solved(0, 1); }, "Résolu en 0 coup, en une seconde."},
        {[] { return text::Solved(26, 429); }, "Résolu en 26 coups, en 7 minutes et 9 secondes."},
        {[] { return text::TileLengthNow(1.5f); }, "Les tuiles durent maintenant 1,5 seconde."},
        {[] { return text::TileLengthNow(2.5f); }, "Les tuiles durent maintenant 2,5 secondes."}}},
      {"pt_BR",
       {{[] { return text::Solved(3, 3661); }, "Resolvido com 3 movimentos em uma hora, um minuto e um segundo."}}},
      // Russian has three forms: 1 and 21, 2 to 4 and 22 to 24, the rest.
      {"ru",
       {{[] { return text::Solved(1, 5); }, "Собрано за 1 ход, время: 5 секунд."},
        {[] { return text::Solved(2, 2); }, "Собрано за 2 хода, время: 2 секунды."},
        {[] { return text::Solved(5, 21); }, "Собрано за 5 ходов, время: 21 секунда."},
        {[] { return text::Progress(1, 24, 11, 0); }, "На своих местах: 1 из 24 фишек, 11 ходов, 0 секунд."}}},
  };
  for (const auto& [language, said] : languages) {
    std::optional<Speaking> speaking;
    if (language != "en") speaking.emplace(language);
    for (const auto& [text, expected] : said) EXPECT_EQ(text(), expected) << language;
  }
}
