#include "SpeechFakes.h"

#include <QTest>
#include <QTimer>
#include <gmock/gmock.h>
#include <cctype>
#include <set>

using ::testing::ElementsAre;

namespace {
const std::string kEngineBox = "msgbox\tError! \tError starting the screen reader or the built-in voice.";
}

TEST(TTSSetup, FallsBackFromReaderToVoiceToSilenceWithOneMessageEach) {
  TraceFile trace;
  Speech s;
  s.log->readerFails = true;
  s.tts.TTSSetup(1);
  EXPECT_EQ(s.tts.ActiveSpeechType(), 3);
  // The box is silent; the voice that took over says it while it is up.
  EXPECT_THAT(s.log->calls, ElementsAre("create-reader", "create-voice", "speak:" + kEngineBox.substr(15)));
  EXPECT_TRUE(QTest::qWaitFor([&] { return trace.lines().size() == 3; }));
  EXPECT_THAT(trace.lines(), ElementsAre("speak\t3\t" + kEngineBox.substr(15), kEngineBox, "answer\t1"));

  Speech none;
  none.log->readerFails = none.log->voiceFails = true;
  none.tts.TTSSetup(1);
  EXPECT_EQ(none.tts.ActiveSpeechType(), 0);
  EXPECT_EQ(trace.lines("msgbox").size(), 3u);
  none.tts.speak("hello");
  EXPECT_TRUE(none.log->spoken().empty());
}

TEST(TTSSetup, VoiceIsMadeOnceReaderEveryTime) {
  Speech s(3);
  int16_t rate = 0;
  s.tts.AdjustRate2(4, rate);
  for (int16_t t : {1, 3, 1, 3}) s.tts.TTSSetup(t);
  EXPECT_EQ(s.log->count("create-voice"), 0);
  EXPECT_EQ(s.log->count("create-reader"), 2);
  EXPECT_EQ(s.log->rate, 4);
  s.tts.TTSSetup(2);
  EXPECT_EQ(s.tts.ActiveSpeechType(), 2);
}

TEST(Speak, BlankAsteriskAndSystemTypeRules) {
  TraceFile trace;
  Speech s(3);
  for (const char* t : {"first", "   ", "", "***word", " ***x", "***"}) s.tts.speak(t);
  EXPECT_THAT(s.log->spoken(), ElementsAre("first", "word", " ***x", ""));
  EXPECT_EQ(s.tts.LastThingSpoken(), "");
  s.tts.speak("voice only", 1);
  EXPECT_EQ(s.tts.LastThingSpoken(), "voice only");

  Speech reader(1);
  reader.tts.speak("kept");
  reader.tts.speak("voice only", 1);
  EXPECT_THAT(reader.log->spoken(), ElementsAre("kept"));
  EXPECT_EQ(reader.tts.LastThingSpoken(), "kept");
  EXPECT_THAT(trace.lines("speak"), ElementsAre("speak\t3\tfirst", "speak\t3\tword", "speak\t3\t ***x", "speak\t3\t",
                                                "speak\t3\tvoice only", "speak\t1\tkept"));

  for (int16_t odd : {2, -1}) {  // silent but remembered
    Speech o(odd);
    o.tts.speak("unheard");
    EXPECT_TRUE(o.log->calls.empty());
    EXPECT_EQ(o.tts.LastThingSpoken(), "unheard");
  }
}

TEST(Speak, EngineFailureDropsTheTextOnlyAndTheNextCallTriesAgain) {
  for (int16_t type : {1, 3}) {
    TraceFile trace;
    Speech s(type);
    s.tts.speak("before");
    s.log->sayFails = s.log->stopFails = true;
    EXPECT_NO_THROW(s.tts.speak("lost"));
    EXPECT_NO_THROW(s.tts.StopSpeech());
    EXPECT_NO_THROW(s.tts.StopSpeakingAll());
    EXPECT_EQ(s.tts.LastThingSpoken(), "before");
    s.log->sayFails = s.log->stopFails = false;
    s.tts.speak("after");
    EXPECT_THAT(s.log->spoken(), ElementsAre("before", "after"));
    EXPECT_EQ(trace.lines("speak").size(), 2u);
  }
}

TEST(Stop, EachEngineGetsItsOwnStop) {
  Speech reader(1), voice(3), none(0);
  reader.tts.StopSpeech();
  reader.tts.StopSpeakingAll();
  EXPECT_THAT(reader.log->calls, ElementsAre("stop", "stopspeech", "stopspeech", "stopspeech", "stopspeech",
                                             "stopspeech", "stopspeech"));
  voice.tts.StopSpeech();
  voice.tts.StopSpeaking(4);
  EXPECT_THAT(voice.log->calls, ElementsAre("purge", "purge"));
  none.tts.StopSpeech();
  EXPECT_TRUE(none.log->calls.empty());
}

TEST(Speak, WhileAScreenReaderRunsTheVoiceSpeaksThroughItsServer) {
  TraceFile trace;
  Speech s(3);
  bool reader = true;
  s.tts.SetScreenReaderQuery([&] { return reader; });
  s.tts.speak("Row 1");
  s.tts.StopSpeech();
  // One queue with the reader's own speech: never two voices at once.
  EXPECT_THAT(s.log->calls, ElementsAre("create-reader", "purge", "say:Row 1", "stop", "purge"));
  EXPECT_THAT(trace.lines("speak"), ElementsAre("speak\t1\tRow 1"));
  EXPECT_EQ(s.tts.ActiveSpeechType(), 3);

  // The reader gone, the voice speaks again.
  reader = false;
  s.log->calls.clear();
  s.tts.speak("Row 2");
  EXPECT_THAT(s.log->calls, ElementsAre("speak:Row 2"));

  // A reader whose server cannot be reached leaves the voice speaking,
  // asked for again only when a screen reader starts anew.
  Speech lone(3);
  lone.log->readerFails = true;
  bool running = true;
  lone.tts.SetScreenReaderQuery([&] { return running; });
  lone.tts.speak("Row 3");
  lone.tts.speak("Row 4");
  EXPECT_THAT(lone.log->calls, ElementsAre("create-reader", "speak:Row 3", "speak:Row 4"));
  lone.log->readerFails = false;
  lone.log->calls.clear();
  running = false;
  lone.tts.speak("Row 5");
  running = true;
  lone.tts.speak("Row 6");
  EXPECT_THAT(lone.log->calls, ElementsAre("speak:Row 5", "create-reader", "purge", "say:Row 6"));
}

TEST(CharacterTable, SayCharacterAndTheRows) {
  Speech s;
  EXPECT_EQ(s.tts.SayCharacter(65, 0), "A");
  EXPECT_EQ(s.tts.SayCharacter(65, 1), "a");
  EXPECT_EQ(s.tts.SayCharacter(188, 1), "less");
  EXPECT_EQ(s.tts.SayCharacter(65, 2), "");
  EXPECT_EQ(s.tts.SayCharacter(65, 3), "");
  EXPECT_EQ(s.tts.SayCharacter(222, 1), "quote");
  // A lone mark is named, not left to the voice, which may say nothing for it.
  EXPECT_EQ(s.tts.SayCharacter(191, 0), "slash");
  EXPECT_EQ(s.tts.SayCharacter(189, 1), "underscore");
  for (int r = 1; r <= 96; ++r) {
    const auto& row = s.tts.CharacterTable(r);
    const bool mark = !row.character.empty() && !std::isalnum(static_cast<unsigned char>(row.character[0]));
    EXPECT_FALSE(mark && row.name.empty()) << "row " << r << " " << row.character;
  }
  EXPECT_EQ(s.tts.SayCharacter(0, 0), "");
  EXPECT_EQ(s.tts.CharacterTable(81).character, "");
  EXPECT_EQ(s.tts.CharacterTable(52).code, 1090);
  EXPECT_EQ(s.tts.CharacterTable(82).character, "`");
  EXPECT_EQ(s.tts.CharacterTable(96).name, "vertical bar");
  std::set<int> codes;
  for (int r = 1; r <= 96; ++r) codes.insert(s.tts.CharacterTable(r).code);
  EXPECT_EQ(codes.size(), 96u) << "every row but the empty one has its own key";
}

TEST(WhenHeard, AfterTheWordsAndTheServersTailOrTheLimitOrAtOnceWithoutSpeech) {
  Speech s(3), none(0);
  EXPECT_FALSE(Await<bool>([&](auto heard) { none.tts.WhenHeard(5, heard); }));
  EXPECT_TRUE(Await<bool>([&](auto heard) { s.tts.WhenHeard(5, heard); })) << "nothing to hear: at once";
  s.log->speaking = true;
  bool heard = false;
  s.tts.WhenHeard(5, [&](bool) { heard = true; });
  QTest::qWait(60);
  EXPECT_FALSE(heard) << "still speaking";
  s.log->speaking = false;
  EXPECT_TRUE(QTest::qWaitFor([&] { return heard; }));
  s.log->speaking = true;  // words that never end: the limit
  EXPECT_TRUE(Await<bool>([&](auto heard) { s.tts.WhenHeard(0.05f, heard); }));
}
