#include "FakeEngines.h"
#include "TraceFile.h"

#include <QTest>
#include <QTimer>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <set>

using ::testing::ElementsAre;

namespace {

struct Speech {
  std::shared_ptr<EngineLog> log = std::make_shared<EngineLog>();
  FRMTTS tts{std::make_unique<FakeFactory>(log)};
  KeyScript script;

  explicit Speech(int16_t type = -1) {
    TheKeyHandOver() = KeyHandOver{};
    script.attach(tts);
    if (type >= 0) tts.TTSSetup(type);
    log->calls.clear();
  }
};

const std::string kEngineBox = "msgbox\tError! \tError initializing screen reader or MS SAPI.";

}  // namespace

TEST(TTSSetup, UnreachableScreenReaderFallsBackToVoiceAfterOneMessage) {
  TraceFile trace;
  Speech s;
  s.log->readerCreationFails = true;
  s.tts.TTSSetup(1);
  EXPECT_EQ(s.tts.ActiveSpeechType(), 3);
  EXPECT_THAT(s.log->calls, ElementsAre("create-reader", "create-voice"));
  EXPECT_THAT(trace.lines(), ElementsAre(kEngineBox, "answer\t1"));
  s.tts.speak("Music Tunzle.");
  EXPECT_THAT(s.log->spoken(), ElementsAre("Music Tunzle."));
}

TEST(TTSSetup, BothEnginesFailingShowsTheMessageTwiceAndRunsSilent) {
  TraceFile trace;
  Speech s;
  s.log->readerCreationFails = true;
  s.log->voiceCreationFails = true;
  s.tts.TTSSetup(1);
  EXPECT_EQ(s.tts.ActiveSpeechType(), 0);
  EXPECT_THAT(trace.lines(), ElementsAre(kEngineBox, "answer\t1", kEngineBox, "answer\t1"));
  s.tts.speak("hello");
  EXPECT_TRUE(s.log->spoken().empty());
  EXPECT_EQ(s.tts.LastThingSpoken(), "");
}

TEST(TTSSetup, VoiceIsCreatedOnceAndKeptReaderIsRecreated) {
  Speech s;
  s.tts.TTSSetup(3);
  int16_t rate = 0;
  s.tts.AdjustRate2(4, rate);
  s.tts.TTSSetup(1);
  s.tts.TTSSetup(3);
  s.tts.TTSSetup(1);
  EXPECT_EQ(s.log->voicesCreated, 1);
  EXPECT_EQ(s.log->readersCreated, 2);
  s.tts.TTSSetup(3);
  EXPECT_EQ(s.log->rate, 4) << "the voice keeps its settings across type changes";

  s.tts.TTSSetup(0);
  EXPECT_EQ(s.tts.ActiveSpeechType(), 0);
  s.tts.TTSSetup(2);
  EXPECT_EQ(s.tts.ActiveSpeechType(), 2);
  EXPECT_EQ(s.log->readersCreated, 2);
}

TEST(Speak, BlankAndAsteriskRules) {
  TraceFile trace;
  Speech s(3);
  s.tts.speak("first");
  s.tts.speak("   ");
  s.tts.speak("");
  EXPECT_EQ(s.tts.LastThingSpoken(), "first");
  s.tts.speak("***word");
  EXPECT_EQ(s.tts.LastThingSpoken(), "word");
  s.tts.speak(" ***x");
  EXPECT_EQ(s.tts.LastThingSpoken(), " ***x") << "leading blanks keep the asterisks";
  s.tts.speak("***");
  EXPECT_EQ(s.tts.LastThingSpoken(), "");
  EXPECT_THAT(s.log->spoken(), ElementsAre("first", "word", " ***x", ""));
  EXPECT_THAT(trace.lines(), ElementsAre("speak\t3\tfirst", "speak\t3\tword", "speak\t3\t ***x", "speak\t3\t"));
}

TEST(Speak, SystemTypeTextIsForTheVoiceOnly) {
  TraceFile trace;
  Speech reader(1);
  reader.tts.speak("kept");
  reader.tts.speak("voice only", 1);
  EXPECT_THAT(reader.log->spoken(), ElementsAre("kept"));
  EXPECT_EQ(reader.tts.LastThingSpoken(), "kept");

  Speech voice(3);
  voice.tts.speak("voice only", 1);
  EXPECT_THAT(voice.log->spoken(), ElementsAre("voice only"));
  EXPECT_EQ(voice.tts.LastThingSpoken(), "voice only");
  EXPECT_THAT(trace.lines(), ElementsAre("speak\t1\tkept", "speak\t3\tvoice only"));
}

TEST(Speak, OddTypesAreSilentButRemember) {
  for (int16_t type : {2, -1}) {
    Speech s;
    s.tts.TTSSetup(type);
    EXPECT_EQ(s.tts.ActiveSpeechType(), type);
    EXPECT_TRUE(s.log->calls.empty()) << "no engine for an odd type";
    s.tts.speak("nobody hears");
    EXPECT_TRUE(s.log->spoken().empty());
    EXPECT_EQ(s.tts.LastThingSpoken(), "nobody hears");
  }
  Speech none(0);
  none.tts.speak("nothing");
  EXPECT_EQ(none.tts.LastThingSpoken(), "");
}

TEST(Speak, EngineFailureDropsTheTextAndTheNextCallTriesAgain) {
  for (int16_t type : {1, 3}) {
    TraceFile trace;
    Speech s(type);
    s.tts.speak("before");
    s.log->sayFails = true;
    s.log->stopFails = true;
    EXPECT_NO_THROW(s.tts.speak("lost"));
    EXPECT_NO_THROW(s.tts.StopSpeech());
    EXPECT_NO_THROW(s.tts.StopSpeakingAll());
    EXPECT_EQ(s.tts.LastThingSpoken(), "before");
    s.log->sayFails = false;
    s.log->stopFails = false;
    s.tts.speak("after");
    EXPECT_THAT(s.log->spoken(), ElementsAre("before", "after"));
    EXPECT_EQ(s.tts.ActiveSpeechType(), type) << "a failing engine is not given up";
    const std::string t = std::to_string(type);
    std::vector<std::string> speakLines;
    for (const auto& l : trace.lines())
      if (l.rfind("speak", 0) == 0) speakLines.push_back(l);
    EXPECT_THAT(speakLines, ElementsAre("speak\t" + t + "\tbefore", "speak\t" + t + "\tafter"));
  }
}

TEST(Stop, EachEngineGetsItsOwnStopCall) {
  TraceFile trace;
  Speech reader(1);
  reader.tts.StopSpeech();
  reader.tts.StopSpeakingAll();
  EXPECT_EQ(reader.log->count("stop"), 1);
  EXPECT_EQ(reader.log->count("stopspeech"), 6);

  Speech voice(3);
  voice.tts.StopSpeech();
  voice.tts.StopSpeaking(4);
  EXPECT_EQ(voice.log->count("purge"), 2);
  EXPECT_TRUE(voice.log->spoken().empty()) << "a purge speaks nothing";

  Speech none(0);
  none.tts.StopSpeech();
  EXPECT_TRUE(none.log->calls.empty());
  int stops = 0;
  for (const auto& l : trace.lines()) stops += l == "stopspeech";
  EXPECT_EQ(stops, 9);
}

TEST(Spelling, LettersAndDigitsWithPausesThenTheTextIsBack) {
  Speech s(3);
  s.script.escapeWhenEmpty = false;
  s.tts.speak("Ab1");
  s.log->calls.clear();
  s.script.waits.clear();
  s.tts.SpellLastThingSpoken();
  EXPECT_THAT(s.log->calls, ElementsAre("purge", "speak:A", "purge", "speak:b", "purge", "speak:1"));
  EXPECT_THAT(s.script.waits, ElementsAre(0.4f, 0.f, 0.4f, 0.f, 0.4f, 0.f));
  EXPECT_EQ(s.tts.LastThingSpoken(), "Ab1");

  s.log->calls.clear();
  s.tts.RepeatLastThingSpoken();
  EXPECT_THAT(s.log->spoken(), ElementsAre("Ab1"));
}

TEST(Spelling, AccentedLetterIsSkippedWithoutAPause) {
  Speech s(3);
  s.script.escapeWhenEmpty = false;
  s.tts.speak("a \xC3\xA9");  // a, space, e acute
  s.log->calls.clear();
  s.script.waits.clear();
  s.tts.SpellLastThingSpoken();
  EXPECT_THAT(s.log->spoken(), ElementsAre("a", "space"));
  EXPECT_THAT(s.script.waits, ElementsAre(0.4f, 0.f, 0.4f, 0.f, 0.f));
  EXPECT_EQ(s.tts.LastThingSpoken(), "a \xC3\xA9");
}

TEST(Spelling, AKeyEndsItEarly) {
  Speech s(3);
  s.script.escapeWhenEmpty = false;
  s.tts.speak("abc");
  s.log->calls.clear();
  s.script.idle().press(vk::Space);  // arrives during the first letter's events
  s.tts.SpellLastThingSpoken();
  EXPECT_THAT(s.log->spoken(), ElementsAre("a"));
  EXPECT_EQ(s.tts.LastThingSpoken(), "abc");
}

TEST(Spelling, SpellWordPausesBetweenAndLeavesTheLastCharacter) {
  Speech s(1);
  s.script.escapeWhenEmpty = false;
  s.tts.SpellWord("a,?", 0);
  EXPECT_THAT(s.log->spoken(), ElementsAre("a", "comma", "question"));
  EXPECT_THAT(s.script.waits, ElementsAre(0.01f, 0.01f));
  EXPECT_EQ(s.log->count("stop"), 3);
  EXPECT_EQ(s.tts.LastThingSpoken(), "question");
}

TEST(CharacterTable, RowsAndSayCharacter) {
  Speech s;
  EXPECT_EQ(s.tts.SayCharacter(65, 0), "A");
  EXPECT_EQ(s.tts.SayCharacter(65, 1), "a");
  EXPECT_EQ(s.tts.SayCharacter(188, 1), "less");
  EXPECT_EQ(s.tts.SayCharacter(65, 2), "");
  EXPECT_EQ(s.tts.SayCharacter(65, 3), "") << "Shift must be alone";
  EXPECT_EQ(s.tts.SayCharacter(49, 1), "exclaim");
  EXPECT_EQ(s.tts.SayCharacter(222, 1), "quote");
  EXPECT_EQ(s.tts.SayCharacter(191, 0), "/");
  EXPECT_EQ(s.tts.SayCharacter(0, 0), "") << "the empty row answers like no row";
  EXPECT_EQ(s.tts.SayCharacter(vk::Up, 0), "");

  const auto& r81 = s.tts.CharacterTable(81);
  EXPECT_EQ(r81.code, 0);
  EXPECT_EQ(r81.character, "");
  EXPECT_EQ(s.tts.CharacterTable(52).character, "z");
  EXPECT_EQ(s.tts.CharacterTable(52).code, 1090);
  EXPECT_EQ(s.tts.CharacterTable(62).character, "9");
  EXPECT_EQ(s.tts.CharacterTable(80).code, 1187);
  EXPECT_EQ(s.tts.CharacterTable(82).character, "`");
  EXPECT_EQ(s.tts.CharacterTable(94).name, "space");
  EXPECT_EQ(s.tts.CharacterTable(96).name, "vertical bar");
  EXPECT_EQ(s.tts.CharacterTable(95).character, "\\");
  // Every row but 81 has a distinct key.
  std::set<int> codes;
  for (int r = 1; r <= 96; ++r)
    if (r != 81) codes.insert(s.tts.CharacterTable(r).code);
  EXPECT_EQ(codes.size(), 95u);
}

TEST(EditBox, TypesSpeaksAndBacksUp) {
  Speech s(3);
  s.script.press(vk::Shift, 1)
      .press('H')
      .press('I', 1)
      .press(vk::Back)
      .press(vk::Space)
      .press('1', 1)
      .press(vk::Back)
      .press('2')
      .press(vk::Return);
  EXPECT_EQ(s.tts.EditBox("Name?"), "H 2");
  EXPECT_FALSE(s.script.ranOut);
  EXPECT_THAT(s.log->spoken(), ElementsAre("Name?", "H", "i", "i", "space", "exclaim", "exclaim", "2"));
}

TEST(EditBox, EscapeGivesNothingAndBackspaceOnEmptyIsQuiet) {
  Speech s(3);
  s.script.press(vk::Back).press('A').press(vk::Escape);
  EXPECT_EQ(s.tts.EditBox("Type"), "");
  EXPECT_FALSE(s.script.ranOut);
  EXPECT_THAT(s.log->spoken(), ElementsAre("Type", "A"));
}

TEST(OwnWindow, StoresKeysThatReachIt) {
  Speech s;
  QTest::keyClick(&s.tts, Qt::Key_A, Qt::ShiftModifier);
  EXPECT_EQ(TheKeyHandOver().CapturedKey, 65);
  EXPECT_EQ(TheKeyHandOver().CapturedShift, 1);
  QTest::keyClick(&s.tts, Qt::Key_Comma);
  EXPECT_EQ(TheKeyHandOver().CapturedKey, 188);
  EXPECT_EQ(TheKeyHandOver().CapturedShift, 0);
}

TEST(OwnWindow, EditBoxReadsRealKeyEventsWhileWaiting) {
  auto log = std::make_shared<EngineLog>();
  FRMTTS tts(std::make_unique<FakeFactory>(log));  // the real waiter
  tts.TTSSetup(3);
  TheKeyHandOver() = KeyHandOver{};
  const std::vector<std::pair<Qt::Key, Qt::KeyboardModifiers>> keys = {
      {Qt::Key_O, Qt::NoModifier}, {Qt::Key_K, Qt::ShiftModifier}, {Qt::Key_Return, Qt::NoModifier}};
  for (size_t i = 0; i < keys.size(); ++i)
    QTimer::singleShot(30 * static_cast<int>(i + 1), &tts, [&tts, k = keys[i]] { QTest::keyClick(&tts, k.first, k.second); });
  EXPECT_EQ(tts.EditBox("Go"), "Ok");
}
