#include "SpeechFakes.h"

#include <gmock/gmock.h>

using ::testing::ElementsAre;

namespace {
const char* kVoicePrompt = "speak:Use the arrows  to select voice. Press Enter when done.";
std::string ratePrompt(int rate) { return "speak:Use the arrows to adjust rate. Press Enter when done. Rate " + std::to_string(rate) + "."; }
std::string volumePrompt(int volume) {
  return "speak:Use the arrows to adjust volume. Press Enter when done. Volume " + std::to_string(volume) + ".";
}
std::string rateSaid(int rate) { return "speak:Rate " + std::to_string(rate); }
std::string volumeSaid(int volume) { return "speak:Volume " + std::to_string(volume); }

// What was applied or said, stops left out.
std::vector<std::string> effects(const Speech& s) {
  std::vector<std::string> out;
  for (const auto& c : s.log->calls)
    if (c != "purge") out.push_back(c);
  s.log->calls.clear();
  return out;
}
}  // namespace

TEST(Adjusters, DoNothingUnlessTheVoiceIsActive) {
  Speech s(1);
  int16_t rate = 7;
  for (auto open : {&FRMTTS::AdjustVoice, &FRMTTS::AdjustRate, &FRMTTS::AdjustVolume})
    EXPECT_EQ(s.adjust(open, 7, {vk::Down, vk::Return}), 7);
  s.tts.AdjustRate2(3, rate);
  EXPECT_EQ(rate, 7);
  EXPECT_TRUE(s.log->calls.empty());
  EXPECT_FALSE(s.tts.Adjusting()) << "no key was taken";
}

TEST(AdjustVoice, OpensOnTheVoiceInUseWithThePlayersLanguageFirstAndEscapePutsItBack) {
  Speech s(3);
  s.log->voices = {{"vi", "Vietnamese", "vi"},
                   {"de", "German", "de"},
                   {"en", "English (Great Britain)", "en-gb"},
                   {"af", "Afrikaans", "af"},
                   {"en-US", "English (America)", "en-us"}};
  s.log->voiceInUse = "en";
  // English first (the player's language), then by name; Up at the top bumps. Each is named in its
  // own language; a variant Qt cannot name keeps the engine's name.
  int16_t n = s.adjust(&FRMTTS::AdjustVoice, 42, {vk::Up, vk::Up, vk::Down, vk::Return});
  EXPECT_FALSE(s.tts.Adjusting());
  EXPECT_THAT(effects(s), ElementsAre(std::string(kVoicePrompt) + " British English", "voice:en-US",
                                      "speak:American English (United States)", "bump", "voice:en",
                                      "speak:British English", "speak:British English"));
  EXPECT_EQ(n, 2) << "the engine's number of the voice chosen";

  // Escape puts back the voice the list opened on, and says it.
  n = s.adjust(&FRMTTS::AdjustVoice, n, {vk::Down, vk::Down, vk::Escape});
  EXPECT_THAT(effects(s), ElementsAre(std::string(kVoicePrompt) + " British English", "voice:af",
                                      "speak:Afrikaans", "voice:de", "speak:Deutsch", "voice:en",
                                      "speak:British English"));
  EXPECT_EQ(n, 2);

  // Down at the bottom bumps; a voice not in the list opens on the first.
  s.log->voiceInUse = "vi";
  n = s.adjust(&FRMTTS::AdjustVoice, n, {vk::Down, vk::Escape});
  EXPECT_THAT(effects(s), ElementsAre(std::string(kVoicePrompt) + " Tiếng Việt", "bump", "speak:Tiếng Việt"));
  s.log->voiceInUse = "xx";
  n = s.adjust(&FRMTTS::AdjustVoice, n, {vk::Return});
  EXPECT_THAT(effects(s), ElementsAre(std::string(kVoicePrompt) + " American English (United States)",
                                      "speak:American English (United States)"));
  EXPECT_EQ(n, 4);
}

TEST(AdjustVoice, NoVoicesGivesTheMessageAndTheKeysBack) {
  TraceFile trace;
  Speech s(3);
  s.log->voiceCount = 0;
  EXPECT_EQ(s.adjust(&FRMTTS::AdjustVoice, 5, {vk::Down, vk::Down}), 5) << "the voice number is kept";
  EXPECT_FALSE(s.tts.Adjusting());
  EXPECT_TRUE(s.log->calls.empty());
  EXPECT_THAT(trace.lines("msgbox"), ElementsAre("msgbox\tError! \tNo voices were found for the built-in voice."));
}

TEST(AdjustRate, StepsBetweenMinusTenAndTwentyOne) {
  Speech s(3);
  std::vector<int16_t> keys(11, vk::Up);
  keys.push_back(vk::Return);
  int16_t rate = s.adjust(&FRMTTS::AdjustRate, 0, keys);
  EXPECT_EQ(rate, 11);
  EXPECT_EQ(s.log->count(rateSaid(1)) + s.log->count(rateSaid(6)), 2) << "each value is said";
  EXPECT_EQ(s.log->count(rateSaid(11)), 2) << "and the one kept, once more at the end";
  s.log->calls.clear();

  s.log->rate = 21;
  rate = s.adjust(&FRMTTS::AdjustRate, rate, {'I', 'L', vk::Escape});
  EXPECT_THAT(effects(s), ElementsAre(ratePrompt(21), "bump", "bump", rateSaid(21)));
  EXPECT_EQ(rate, 21);

  s.log->rate = -9;  // one step down, two refused with a bump, X re-applies
  rate = s.adjust(&FRMTTS::AdjustRate, rate, {vk::Down, 'J', vk::Left, 'X', vk::Escape});
  EXPECT_THAT(effects(s), ElementsAre(ratePrompt(-9), "rate:-10", rateSaid(-10), "bump", "bump", "rate:-10", rateSaid(-10),
                                      rateSaid(-10)));
  EXPECT_EQ(rate, -10);

  s.log->rateFails = true;  // a refused rate ends it, with the old value
  EXPECT_EQ(s.adjust(&FRMTTS::AdjustRate, 99, {vk::Up, vk::Return}), 99);
  EXPECT_FALSE(s.tts.Adjusting());
}

TEST(AdjustVolume, StepsByFiveAndAppliesOnlyWithinRange) {
  Speech s(3);
  int16_t vol = s.adjust(&FRMTTS::AdjustVolume, 0, {vk::Up, vk::Down, vk::Escape});  // Escape keeps 95
  EXPECT_THAT(effects(s), ElementsAre(volumePrompt(100), "bump", "volume:95", volumeSaid(95), volumeSaid(95)));
  EXPECT_EQ(vol, 95);

  s.log->volume = 97;  // 102 is kept, not applied, and no step goes beyond it
  vol = s.adjust(&FRMTTS::AdjustVolume, vol, {vk::Up, 'L', vk::Return});
  EXPECT_THAT(effects(s), ElementsAre(volumePrompt(97), "bump"));
  EXPECT_EQ(vol, 102);

  s.log->volume = 97;
  vol = s.adjust(&FRMTTS::AdjustVolume, vol, {'L', 'K', 'K', vk::Return});
  EXPECT_THAT(effects(s), ElementsAre(volumePrompt(97), "volume:97", volumeSaid(97), "volume:92", volumeSaid(92), volumeSaid(92)));

  s.log->volume = 3;
  EXPECT_EQ(s.adjust(&FRMTTS::AdjustVolume, vol, {vk::Left, vk::Left, vk::Return}), -2);
  EXPECT_EQ(s.log->volume, 3);
}

TEST(KeepVoiceSettings, TheSavedVoiceRateAndVolumeApplyWheneverTheVoiceStarts) {
  Speech s;
  s.log->voiceCount = 4;
  s.tts.KeepVoiceSettings(2, 7, 60);
  EXPECT_TRUE(s.log->calls.empty()) << "no voice yet";
  s.tts.TTSSetup(3);
  EXPECT_THAT(s.log->calls, ElementsAre("create-voice", "voice:v2", "rate:7", "volume:60"));
  // 1 is also what a file holds when no voice was chosen; a number the engine
  // no longer has keeps the voice too; values out of range are brought in.
  s.log->calls.clear();
  s.tts.KeepVoiceSettings(1, 40, 300);
  s.tts.KeepVoiceSettings(9, -30, -1);
  EXPECT_THAT(s.log->calls, ElementsAre("rate:21", "volume:100", "rate:-10", "volume:0"));
  EXPECT_EQ(s.log->voiceInUse, "v2");
}

TEST(AdjustRate2AndSetSapiValues, ClampAndStopAtTheFirstFailure) {
  Speech s(3);
  int16_t rate = 0;
  s.tts.AdjustRate2(15, rate);
  s.tts.AdjustRate2(15, rate);
  EXPECT_EQ(rate, 21);
  s.tts.AdjustRate2(-100, rate);
  EXPECT_EQ(s.log->rate, -10);
  s.log->calls.clear();

  s.tts.SetSapiValues(1, 3, 50, 2, 1);
  s.tts.SetSapiValues(0, 4, 60, 0, -5);  // negative means slot 1
  EXPECT_THAT(s.log->calls, ElementsAre("voice:v1", "rate:3", "volume:50", "priority:2",
                                        "voice:v0", "rate:4", "volume:60", "priority:0"));
  s.log->calls.clear();
  s.tts.SetSapiValues(0, 1, 1, 1);     // no slot given
  s.tts.SetSapiValues(0, 1, 1, 1, 2);  // an empty slot
  s.tts.SetSapiValues(9, 1, 1, 1, 1);  // no voice 9: nothing after it
  EXPECT_TRUE(s.log->calls.empty());
}
