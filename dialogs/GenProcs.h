#pragma once
// The dialog subsystem's shared state, its dispatcher and the standard dialogs.
#include "common/Variant.h"
#include "dialogs/DialogSpeech.h"

#include <array>
#include <cstdint>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

// Control kinds, as the dispatcher receives them.
namespace ControlKind {
enum : int32_t { Text = 1, Option = 2, List = 4, Check = 8, Command = 16, Window = 32, HScroll = 64, Box = 128 };
}

// Dialog event codes.
namespace DialogEventCode {
enum : int32_t {
  GotFocus = 1, LostFocus = 2, KeyDown = 4, KeyUp = 8, KeyPress = 16, Change = 32, Click = 64,
  DblClick = 128, Initialize = 256, Unload = 512, Scroll = 2048,
};
}

// Raised by the builder: a 16-bit overflow, a number that is not one, a slot
// index outside 0..25.
class DialogError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// One instance for the whole program (GenProcs()); a test may start afresh
// with ResetGenProcs().
struct GenProcsState {
  std::string GDFormCode;
  std::array<Variant, 26> GDResultSlots{};
  int16_t GDButton = 0;   // 1 + index of the button that closed the dialog
  int16_t GDActive = 0;   // -1 while a dialog is shown
  int16_t FocusDone = 0;  // first-event handling of a message box or file selector done
  DialogSpeech* Speech = nullptr;  // set by the game; none means silent
  // Spoken around the first focus of the next dialog shown: its title before,
  // how to answer or leave after. Cleared once spoken.
  std::string IntroTitle, IntroHint;

  // Slot access with the 0..25 range check.
  Variant& GDResult(int index);
  void ClearGDResult();
};

GenProcsState& GenProcs();
// The game hands in its speech object once; nullptr leaves the dialogs silent.
void SetDialogSpeech(DialogSpeech* speech);
void ResetGenProcs();  // keeps Speech; drops the boxes waiting to open

// Conversions of a slot's value the way the dialogs read them.
int32_t VariantToInt(const Variant& v);  // empty or non-number: 0
std::string VariantToString(const Variant& v);

void DialogEvent(int32_t kind, int16_t index, int32_t event, int16_t key, int16_t shift);

// True while a screen reader runs (the speech object knows).
bool ScreenReaderRunning();

// Speaks t through the speech object, queued; the second argument is ignored.
// Quiet while a screen reader runs: it reads the dialog itself.
void Say(const std::string& t, int16_t unused = 0);

// What marks a folder's entry in the song selector's list, after its name.
std::string FolderMark();

// True (-1) when value is k1 or k2, or one of k3..k8 before the first -9999.
int16_t IsOneOf(int16_t value, int16_t k1, int16_t k2, int16_t k3 = -9999, int16_t k4 = -9999,
                int16_t k5 = -9999, int16_t k6 = -9999, int16_t k7 = -9999, int16_t k8 = -9999);

// Spoken message box when the built-in voice is in use, else the platform's box.
// buttons: 0 OK, 1 OK/Cancel, 3 Yes/No/Cancel, 4 Yes/No; +256 second default,
// +512 third default. Answers 1 OK, 2 Cancel, 6 Yes, 7 No, 0 none.
// Opens and returns; `answered` gets the answer from the event loop. Asked
// while another dialog is up, the box opens once that one has closed.
void SpeakMsgBox(const std::string& message, int16_t buttons, const std::string& title,
                 std::function<void(int16_t)> answered = {});
// Opens the oldest box that waited, if no dialog is up (the window calls it
// after each unload).
void OpenWaitingBox();

// Calls f from the event loop, never inside the caller.
void Later(std::function<void()> f);

// A pick-list string, parsed: title, choices and default.
struct PickSpec {
  std::string title;
  std::vector<std::string> names;   // shown
  std::vector<std::string> values;  // returned
  int defaultIndex = 0;             // 0-based
};
PickSpec ParsePickSpec(const std::string& spec);

// "p:Title|name:value|*default|..." -> `picked` gets the chosen value, "" on
// Cancel, no choices, or another dialog up; always from the event loop.
void PickList(const std::string& spec, std::function<void(std::string)> picked);
