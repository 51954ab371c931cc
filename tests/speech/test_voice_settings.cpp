#include "FakeEngines.h"
#include "TraceFile.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using ::testing::ElementsAre;

namespace {

struct Voice {
  std::shared_ptr<EngineLog> log = std::make_shared<EngineLog>();
  FRMTTS tts{std::make_unique<FakeFactory>(log)};
  KeyScript script;
  bool captureSeenOff = false;  // KeyCapture was off while the loop waited

  explicit Voice(int16_t type = 3) {
    TheKeyHandOver() = KeyHandOver{};
    tts.TTSSetup(type);
    log->calls.clear();
    script.attach(tts);
    script.onWait = [this] {
      if (!TheKeyHandOver().KeyCapture) captureSeenOff = true;
    };
  }

  // The calls that changed the engine or were spoken, in order.
  std::vector<std::string> effects() const {
    std::vector<std::string> out;
    for (const auto& c : log->calls)
      if (c != "purge") out.push_back(c);
    return out;
  }
};

const char* kVoicePrompt = "speak:Use the arrows  to select voice. Press Enter when done.";
const char* kRatePrompt = "speak:Use the arrows to adjust rate. Press Enter when done.";
const char* kVolumePrompt = "speak:Use the arrows to adjust volume. Press Enter when done.";
const char* kHereVoice = "speak:Here is the current voice";
const char* kNewRate = "speak:Here is the new rate.";
const char* kNewVolume = "speak:Here is the new volume.";

}  // namespace

TEST(Adjusters, DoNothingUnlessTheVoiceIsActive) {
  Voice v(1);
  int16_t voice = 7, rate = 7, volume = 7;
  v.script.press(vk::Down).press(vk::Return);
  v.tts.AdjustVoice(voice);
  v.tts.AdjustRate(rate);
  v.tts.AdjustVolume(volume);
  v.tts.AdjustRate2(3, rate);
  EXPECT_EQ(voice, 7);
  EXPECT_EQ(rate, 7);
  EXPECT_EQ(volume, 7);
  EXPECT_TRUE(v.log->calls.empty());
  EXPECT_EQ(v.script.keys.size(), 2u) << "no key was read";
  EXPECT_FALSE(TheKeyHandOver().KeyCapture);
}

TEST(AdjustVoice, RunsPastTheLastVoiceAndStepsBack) {
  Voice v;
  v.script.press(vk::Up).press(vk::Down).press('K').press(vk::Right).idle(2).press(vk::Up).press(vk::Down).press(vk::Return);
  int16_t n = 42;
  v.tts.AdjustVoice(n);
  EXPECT_FALSE(v.script.ranOut);
  EXPECT_FALSE(v.captureSeenOff);
  EXPECT_FALSE(TheKeyHandOver().KeyCapture);
  // Up before any voice does nothing; voice 2 does not exist and is silent;
  // Down at the found limit does nothing.
  EXPECT_THAT(v.effects(), ElementsAre(kVoicePrompt, "voice:v0", kHereVoice, "voice:v1", kHereVoice, "voice:v1", kHereVoice));
  EXPECT_EQ(n, 1);
}

TEST(AdjustVoice, EndingAfterTheFailedNumberReturnsIt) {
  Voice v;
  v.script.press(vk::Down).press(vk::Down).press(vk::Down).press(vk::Escape);
  int16_t n = 0;
  v.tts.AdjustVoice(n);
  EXPECT_EQ(n, 2);
}

TEST(AdjustVoice, NoVoicesGivesTheMessageAndGivesTheKeysBack) {
  TraceFile trace;
  Voice v;
  v.log->voiceCount = 0;
  v.script.press(vk::Down).press(vk::Down);
  int16_t n = 5;
  v.tts.AdjustVoice(n);
  EXPECT_FALSE(TheKeyHandOver().KeyCapture);
  EXPECT_EQ(v.script.keys.size(), 1u) << "the chooser ended at the message";
  EXPECT_EQ(n, 0);
  const auto lines = trace.lines();
  EXPECT_NE(std::find(lines.begin(), lines.end(), "msgbox\tError! \tNo MS SAPI Voices were found."), lines.end());
}

TEST(AdjustVoice, OtherKeyFirstBlocksAllSteps) {
  Voice v;
  v.script.press('A').press(vk::Down).press(vk::Up).press(vk::Return);
  int16_t n = 3;
  v.tts.AdjustVoice(n);
  EXPECT_THAT(v.effects(), ElementsAre(kVoicePrompt));
  EXPECT_EQ(n, -1);
}

TEST(AdjustRate, StepsWithinMinusTenToTwentyOne) {
  Voice v;
  for (int i = 0; i < 11; ++i) v.script.press(vk::Up);
  v.script.press(vk::Return);
  int16_t rate = 0;
  v.tts.AdjustRate(rate);
  EXPECT_EQ(rate, 11);
  EXPECT_EQ(v.log->rate, 11);
  EXPECT_EQ(v.log->count(kNewRate), 11);
  EXPECT_EQ(v.effects().front(), kRatePrompt);

  v.log->calls.clear();
  v.log->rate = 21;
  v.script.press('I').press('L').press(vk::Escape);
  v.tts.AdjustRate(rate);
  EXPECT_TRUE(v.effects().size() == 1 && v.effects()[0] == kRatePrompt) << "no step past 21, and silent";
  EXPECT_EQ(rate, 21);

  v.log->calls.clear();
  v.log->rate = -9;
  v.script.press(vk::Down).press('J').press(vk::Left).press('X').press(vk::Escape);
  v.tts.AdjustRate(rate);
  // One step down to -10, two refused silently, X re-applies and speaks again.
  EXPECT_THAT(v.effects(), ElementsAre(kRatePrompt, "rate:-10", kNewRate, "rate:-10", kNewRate));
  EXPECT_EQ(rate, -10);
  EXPECT_FALSE(TheKeyHandOver().KeyCapture);
}

TEST(AdjustRate, EscapeKeepsTheNewRate) {
  Voice v;
  v.script.press(vk::Right).press(vk::Right).press(vk::Escape);
  int16_t rate = 0;
  v.tts.AdjustRate(rate);
  EXPECT_EQ(rate, 2);
  EXPECT_EQ(v.log->rate, 2);
}

TEST(AdjustRate, RefusedRateEndsTheAdjusterAndReachesTheCaller) {
  Voice v;
  v.log->rateFails = true;
  v.script.press(vk::Up).press(vk::Up).press(vk::Return);
  int16_t rate = 99;
  EXPECT_THROW(v.tts.AdjustRate(rate), SpeechEngineError);
  EXPECT_EQ(rate, 99);
  EXPECT_FALSE(TheKeyHandOver().KeyCapture);
}

TEST(AdjustVolume, FromTheTopAndFromOffTheGrid) {
  Voice v;
  v.script.press(vk::Up).press(vk::Down).press(vk::Return);
  int16_t vol = 0;
  v.tts.AdjustVolume(vol);
  EXPECT_THAT(v.effects(), ElementsAre(kVolumePrompt, "volume:95", kNewVolume));
  EXPECT_EQ(vol, 95);

  // 97 steps to 102: kept, not applied, no further step up, and returned.
  v.log->calls.clear();
  v.log->volume = 97;
  v.script.press(vk::Up).press(vk::Up).press(vk::Return);
  v.tts.AdjustVolume(vol);
  EXPECT_THAT(v.effects(), ElementsAre(kVolumePrompt));
  EXPECT_EQ(vol, 102);

  v.log->calls.clear();
  v.log->volume = 97;
  v.script.press('L').press('K').press('K').press(vk::Escape);
  v.tts.AdjustVolume(vol);
  EXPECT_THAT(v.effects(), ElementsAre(kVolumePrompt, "volume:97", kNewVolume, "volume:92", kNewVolume));
  EXPECT_EQ(vol, 92);

  v.log->calls.clear();
  v.log->volume = 3;
  v.script.press(vk::Left).press(vk::Left).press(vk::Escape);
  v.tts.AdjustVolume(vol);
  EXPECT_THAT(v.effects(), ElementsAre(kVolumePrompt));
  EXPECT_EQ(vol, -2);
  EXPECT_EQ(v.log->volume, 3);
}

TEST(AdjustRate2, AddsAndClamps) {
  Voice v;
  int16_t rate = 0;
  v.tts.AdjustRate2(15, rate);
  EXPECT_EQ(rate, 15);
  v.tts.AdjustRate2(15, rate);
  EXPECT_EQ(rate, 21);
  v.tts.AdjustRate2(-100, rate);
  EXPECT_EQ(rate, -10);
  EXPECT_EQ(v.log->rate, -10);
  EXPECT_TRUE(v.log->spoken().empty());
}

TEST(SetSapiValues, AppliesToSlotOneAndStopsAtTheFirstFailure) {
  Voice v;
  v.tts.SetSapiValues(1, 3, 50, 2, 1);
  EXPECT_THAT(v.log->calls, ElementsAre("voice:v1", "rate:3", "volume:50", "priority:2"));

  v.log->calls.clear();
  v.tts.SetSapiValues(0, 4, 60, 0, -5);  // negative means slot 1
  EXPECT_THAT(v.log->calls, ElementsAre("voice:v0", "rate:4", "volume:60", "priority:0"));

  v.log->calls.clear();
  v.tts.SetSapiValues(0, 1, 1, 1);     // omitted slot
  v.tts.SetSapiValues(0, 1, 1, 1, 2);  // empty slot
  v.tts.SetSapiValues(0, 1, 1, 1, 7);
  v.tts.SetSapiValues(9, 1, 1, 1, 1);  // no voice 9: nothing after it
  EXPECT_TRUE(v.log->calls.empty());

  Voice none(0);
  EXPECT_NO_THROW(none.tts.SetSapiValues(0, 1, 1, 1, 1));
}
