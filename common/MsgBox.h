#pragma once
// The platform's own message box, in one place: every caller's title, text,
// buttons and icon, traced as `msgbox` then `answer`.
#include <cstdint>
#include <string>

namespace msgbox {
// Button sets and icons, as message-box style bits.
enum : int32_t {
  OkOnly = 0, OkCancel = 1, AbortRetryIgnore = 2, YesNoCancel = 3, YesNo = 4, RetryCancel = 5,
  Critical = 16, Question = 32, Exclamation = 48, Information = 64,
};
// Answers.
enum : int16_t { Ok = 1, Cancel = 2, Abort = 3, Retry = 4, Ignore = 5, Yes = 6, No = 7 };
}  // namespace msgbox

// Shows the box modally and returns the answer. An empty title gives the
// program's name. Without a GUI (or with TUNZLE_NO_SYSTEM_BOX set, for
// tests) nothing is shown and the first button's answer is returned.
int16_t SystemMsgBox(const std::string& text, int32_t style = msgbox::OkOnly, const std::string& title = "");
