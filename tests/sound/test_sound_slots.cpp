// Which buffer slot a request gets, the flags, and what is written back.
#include "test_sound_support.h"

#include "common/Beep.h"

using namespace soundtest;

namespace {

struct SlotTest : ::testing::Test {
  TraceCapture trace;
  FakeEngine e;
  void SetUp() override {
    WriteToneWav(e.dir / "note.wav", 880, 0.05);
    e.sound->DSInit();
    ASSERT_TRUE(e.sound->DeviceReady());
  }
  // Loads `count` different cues, each finished, with the given flags.
  void Fill(int count, int16_t flags, int from = 0) {
    for (int i = from; i < from + count; ++i) {
      const std::string name = "cue" + std::to_string(i) + ".wav";
      WriteToneWav(e.dir / name, 440, 0.01);
      ASSERT_GT(e.Play(name, flags), 0) << name;
    }
    e.ds->FinishAll();
  }
};

TEST_F(SlotTest, FinishedCueIsReusedWithoutReadingTheFileAgain) {
  const int16_t first = e.Play("note.wav");
  ASSERT_GE(first, 1);
  ASSERT_LE(first, 30);
  EXPECT_TRUE(e.sound->IsPlaying(first));
  e.ds->FinishAll();
  EXPECT_FALSE(e.sound->IsPlaying(first));
  EXPECT_EQ(e.Play("NOTE.WAV"), first);
  EXPECT_EQ(e.ds->fileLoads, 1);
  EXPECT_EQ(e.Buf(first)->plays, 2);
  EXPECT_EQ(e.sound->Slot(first).Name, "NOTE.WAV");
}

TEST_F(SlotTest, CueStillSoundingIsDuplicatedAndLowestSlotServesLater) {
  const int16_t a = e.Play("note.wav");
  const int16_t b = e.Play("note.wav");
  ASSERT_GT(a, 0);
  ASSERT_GT(b, 0);
  EXPECT_NE(a, b);
  EXPECT_EQ(e.Buf(a)->data, e.Buf(b)->data);  // shares the sound, not a second load
  EXPECT_EQ(e.ds->fileLoads, 1);
  EXPECT_TRUE(e.sound->IsPlaying(a));
  EXPECT_TRUE(e.sound->IsPlaying(b));
  EXPECT_EQ(e.sound->Slot(b).BaseFrequency, e.sound->Slot(a).BaseFrequency);

  e.ds->FinishAll();
  EXPECT_EQ(e.Play("note.wav"), std::min(a, b));
}

TEST_F(SlotTest, PlayingFlagsDecideBetweenRefusalRestartAndDuplicate) {
  const int16_t a = e.Play("note.wav");
  // 2048: still sounding, so nothing happens.
  EXPECT_EQ(e.Play("note.wav", dsflags::SkipIfPlaying), 0);
  EXPECT_TRUE(e.sound->IsPlaying(a));
  EXPECT_EQ(e.Buf(a)->plays, 1);
  EXPECT_EQ(e.ds->made.size(), 2u);  // the cue and the beep tone only

  // 32: the very buffer again, even though it plays.
  e.Buf(a)->position = 400;
  EXPECT_EQ(e.Play("note.wav", dsflags::Restart), a);
  EXPECT_EQ(e.Buf(a)->position, 0);
  EXPECT_EQ(e.Buf(a)->plays, 2);

  // 1: a duplicate even when the loaded one is silent.
  e.ds->FinishAll();
  const int16_t dup = e.Play("note.wav", dsflags::Duplicate);
  EXPECT_GT(dup, 0);
  EXPECT_NE(dup, a);
  EXPECT_EQ(e.ds->fileLoads, 1);
}

TEST_F(SlotTest, ClassThreeIsNeverTakenAndAFullTableGivesZero) {
  Fill(29, dsflags::Class3);
  // One ordinary slot left: a new cue takes it, then the next new cue has none.
  const int16_t last = e.Play("note.wav");
  ASSERT_GT(last, 0);
  EXPECT_EQ(e.sound->Slot(last).ReuseClass, 0);
  WriteToneWav(e.dir / "other.wav", 300, 0.01);
  EXPECT_EQ(e.Play("other.wav"), 0);  // note.wav still plays, the rest are class 3

  e.ds->FinishAll();
  EXPECT_EQ(e.Play("other.wav"), last);  // the finished class 0 slot
  for (int16_t i = 1; i <= 30; ++i) {
    if (i != last) { EXPECT_EQ(e.sound->Slot(i).ReuseClass, 3); }
  }
}

TEST_F(SlotTest, EverySlotPlayingGivesZero) {
  for (int i = 0; i < 30; ++i) {
    const std::string name = "busy" + std::to_string(i) + ".wav";
    WriteToneWav(e.dir / name, 440, 0.01);
    ASSERT_GT(e.Play(name), 0);
  }
  EXPECT_EQ(e.Play("note.wav"), 0);
  // A duplicate needs a slot too.
  EXPECT_EQ(e.Play("busy3.wav"), 0);
}

TEST_F(SlotTest, FinishedSlotsAreTakenInClassOrderFromAnyRandomStart) {
  // Classes 2, 1 and 0 among class 3: whatever the random start, class 0 goes.
  Fill(27, dsflags::Class3);
  Fill(1, dsflags::Class2, 100);
  Fill(1, dsflags::Class1, 101);
  Fill(1, 0, 102);
  WriteToneWav(e.dir / "probe.wav", 500, 0.01);
  for (int32_t start = 1; start <= 30; ++start) {
    e.sound->SetRandom([start](int32_t n) { return std::min(start, n); });
    const int16_t got = e.Play("probe.wav", dsflags::Class3);
    ASSERT_GT(got, 0);
    EXPECT_EQ(e.sound->Slot(got).ReuseClass, 3);
    // Put the class 0 cue back where the probe went.
    e.ds->FinishAll();
    e.sound->DeleteSound(got);
    Fill(1, 0, 102);
    EXPECT_EQ(e.sound->Slot(got).Name, "CUE102.WAV") << "start " << start;
  }
  int classes[5] = {};
  for (int16_t i = 1; i <= 30; ++i) ++classes[e.sound->Slot(i).ReuseClass + 1];
  EXPECT_EQ(classes[1], 1);
  EXPECT_EQ(classes[2], 1);
  EXPECT_EQ(classes[3], 1);
  EXPECT_EQ(classes[4], 27);
}

TEST_F(SlotTest, FinishedClassMinusOneGoesBeforeClassZero) {
  Fill(28, 0);
  Fill(1, dsflags::Class3, 101);
  Fill(1, dsflags::ClassMinus1, 100);
  int16_t minusOne = 0;
  for (int16_t i = 1; i <= 30; ++i)
    if (e.sound->Slot(i).ReuseClass == -1) minusOne = i;
  for (int32_t start = 1; start <= 30; start += 7) {
    e.sound->SetRandom([start](int32_t n) { return std::min(start, n); });
    EXPECT_EQ(e.Play("note.wav", dsflags::ClassMinus1), minusOne);
    e.ds->FinishAll();
    e.sound->DeleteSound(minusOne);
    Fill(1, dsflags::ClassMinus1, 100);
  }
}

TEST_F(SlotTest, PassesWidenToClassTwoOnlyWhenNothingElseIsFree) {
  Fill(29, dsflags::Class3);
  Fill(1, dsflags::Class2, 50);
  EXPECT_GT(e.Play("note.wav"), 0);
}

TEST_F(SlotTest, VolumeAndOffsetAreClampedAndWrittenBack) {
  int16_t v = 500, p = -3000, flags = 0;
  int32_t f = -1, off = 7;
  const int16_t i = e.sound->PlaySound("note.wav", v, f, p, off, flags);
  ASSERT_GT(i, 0);
  EXPECT_EQ(v, 0);
  EXPECT_EQ(off, 4);
  EXPECT_EQ(e.Buf(i)->volume, 0);
  EXPECT_EQ(e.Buf(i)->position, 4);
  EXPECT_EQ(e.Buf(i)->pan, -3000);
  EXPECT_EQ(e.Buf(i)->frequency, 0);  // -1 leaves it alone

  e.ds->FinishAll();
  v = -20000;
  f = 30000;
  off = 4003;
  EXPECT_EQ(e.sound->PlaySound("note.wav", v, f, p, off, flags), i);
  EXPECT_EQ(v, -10000);
  EXPECT_EQ(off, 4000);
  EXPECT_EQ(e.Buf(i)->volume, -10000);
  EXPECT_EQ(e.Buf(i)->frequency, 30000);
  EXPECT_EQ(e.sound->GetFrequency(i), 30000);
}

TEST_F(SlotTest, BufferFlagsFollowTheRequest) {
  const int16_t plain = e.Play("note.wav");
  EXPECT_EQ(e.sound->Slot(plain).Desc.Flags,
            dsbcaps::CtrlPan | dsbcaps::Static | dsbcaps::CtrlFrequency | dsbcaps::CtrlVolume);

  WriteToneWav(e.dir / "a.wav", 440, 0.01);
  const int16_t a = e.Play("a.wav", dsflags::NotStatic | dsflags::GlobalFocus | dsflags::NoPlay);
  EXPECT_EQ(e.sound->Slot(a).Desc.Flags,
            dsbcaps::CtrlPan | dsbcaps::GlobalFocus | dsbcaps::CtrlFrequency | dsbcaps::CtrlVolume);
  EXPECT_FALSE(e.sound->IsPlaying(a));
  EXPECT_EQ(e.Buf(a)->plays, 0);

  WriteToneWav(e.dir / "b.wav", 440, 0.01);
  const int16_t b = e.Play("b.wav", dsflags::Loop | dsflags::Class1);
  EXPECT_TRUE(e.Buf(b)->looping);
  EXPECT_EQ(e.sound->Slot(b).ReuseClass, 1);
  // The first class bit in the order 2, 64, 128, 256 wins.
  EXPECT_EQ(ReuseClassFromFlags(dsflags::Class1 | dsflags::ClassMinus1), 1);
  EXPECT_EQ(ReuseClassFromFlags(dsflags::Class3 | dsflags::Class2), 3);
}

TEST_F(SlotTest, ThreeDBuffersTakeConesAndIgnorePan) {
  int16_t v = 0, p = 4000, flags = dsflags::ThreeD | dsflags::ConeAngles;
  int32_t f = -1, off = 0;
  const int16_t i = e.sound->PlaySound("note.wav", v, f, p, off, flags);
  ASSERT_GT(i, 0);
  EXPECT_NE(e.sound->Slot(i).Buffer3D, nullptr);
  EXPECT_EQ(e.sound->Slot(i).Desc.Flags, dsbcaps::Ctrl3D | dsbcaps::CtrlFrequency | dsbcaps::CtrlVolume);
  EXPECT_EQ(e.Buf(i)->coneInside, 0);
  EXPECT_EQ(e.Buf(i)->coneOutside, 360);
  EXPECT_EQ(e.Buf(i)->pan, 0);

  // The same name without the 3D flag is another sound.
  e.ds->FinishAll();
  const int16_t flat = e.Play("note.wav");
  EXPECT_NE(flat, i);
  EXPECT_EQ(e.sound->Slot(flat).Buffer3D, nullptr);
  // A 3D duplicate is 3D too.
  const int16_t dup3d = e.sound->PlaySound("note.wav", v, f, p, off, flags);
  EXPECT_EQ(dup3d, i);
}

TEST_F(SlotTest, StereoSoundIn3DWarnsAndGivesZero) {
  WriteToneWav(e.dir / "wide.wav", 440, 0.01, 44100, 2);
  EXPECT_EQ(e.Play("wide.wav", dsflags::ThreeD), 0);
  EXPECT_EQ(trace.Count("msgbox\tWarning \tWIDE.WAV will not play.  Trying to use a stereo sound in a 3D buffer."), 1);
  // Played flat it is fine.
  EXPECT_GT(e.Play("wide.wav"), 0);
}

TEST_F(SlotTest, MissingFileGivesZeroAndKeepsLoadedCues) {
  Fill(30, 0);
  EXPECT_EQ(e.Play("nothere.wav"), 0);
  int loaded = 0;
  for (int16_t i = 1; i <= 30; ++i) loaded += e.sound->Slot(i).Buffer != nullptr;
  EXPECT_EQ(loaded, 30);
  EXPECT_EQ(trace.Count("sound\tNOTHERE.WAV\t0"), 1);
}

TEST_F(SlotTest, BufferThatCannotBeMadeGivesZero) {
  e.ds->failCreate = true;
  EXPECT_EQ(e.Play("note.wav"), 0);
  e.ds->failCreate = false;
  // A failed duplicate falls back to loading the file.
  const int16_t a = e.Play("note.wav");
  e.sound->DeleteSound(a);
  const int16_t b = e.Play("note.wav");
  e.ds->failDuplicate = true;
  const int16_t c = e.Play("note.wav");
  EXPECT_GT(c, 0);
  EXPECT_NE(c, b);
  EXPECT_NE(e.Buf(c)->data, e.Buf(b)->data);
}

TEST_F(SlotTest, BufferOperationsAndDeleting) {
  const int16_t i = e.Play("note.wav");
  e.sound->SetVolume(i, 300);
  EXPECT_EQ(e.Buf(i)->volume, 0);
  e.sound->SetPan(i, -9000);
  EXPECT_EQ(e.Buf(i)->pan, -5000);
  e.sound->SetFrequency(i, 11025);
  EXPECT_EQ(e.sound->GetFrequency(i), 11025);

  e.sound->StopPlay(std::string("  ") + std::to_string(i));
  EXPECT_FALSE(e.sound->IsPlaying(i));
  e.sound->PlayOpenedSound(i, 10, dsflags::Loop);
  EXPECT_TRUE(e.sound->IsPlaying(i));
  EXPECT_EQ(e.Buf(i)->position, 8);
  EXPECT_TRUE(e.Buf(i)->looping);
  e.sound->StopPlay(static_cast<int16_t>(i));
  EXPECT_FALSE(e.sound->IsPlaying(i));
  e.sound->SetStartPosition(i);
  EXPECT_EQ(e.Buf(i)->position, 0);

  e.sound->QueuedSound = i;
  e.sound->QueueCount1 = 3;
  e.sound->PlayOpenedSound(i, 0, 0);
  e.sound->StopSoundQ();
  EXPECT_FALSE(e.sound->IsPlaying(i));
  EXPECT_EQ(e.sound->QueueCount1, 0);

  // KillAllSounds leaves buffers alone; DeleteSound empties the slot.
  e.sound->KillAllSounds();
  EXPECT_NE(e.sound->Slot(i).Buffer, nullptr);
  e.sound->DeleteSound(i);
  EXPECT_EQ(e.sound->Slot(i).Buffer, nullptr);
  EXPECT_EQ(e.sound->Slot(i).Name, "");
  EXPECT_FALSE(e.sound->IsPlaying(i));
  // Index 0 and odd indexes are harmless.
  for (int16_t odd : {int16_t(0), int16_t(-4), int16_t(999), int16_t(150), int16_t(30000)}) {
    e.sound->DeleteSound(odd);
    e.sound->SetVolume(odd, -100);
    e.sound->StopPlay(odd);
    EXPECT_FALSE(e.sound->IsPlaying(odd));
    EXPECT_EQ(e.sound->GetFrequency(odd), 0);
  }
}

TEST_F(SlotTest, BeepPlaysAToneThroughTheDevice) {
  auto playing = [&] {
    int n = 0;
    for (auto* b : e.ds->made) n += b->playing;
    return n;
  };
  EXPECT_EQ(playing(), 0);
  Beep();
  EXPECT_EQ(playing(), 1);
  e.ds->FinishAll();
  e.sound.reset();  // the engine is gone: the beep must not reach it
  Beep();
}

}  // namespace
