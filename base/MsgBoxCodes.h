#pragma once
// Message-box button sets, icons and answers: one set for every caller.
#include <cstdint>

namespace msgbox {
// Button sets and icons, as message-box style bits.
enum : int32_t {
  OkOnly = 0, OkCancel = 1, AbortRetryIgnore = 2, YesNoCancel = 3, YesNo = 4, RetryCancel = 5,
  Critical = 16, Question = 32, Exclamation = 48, Information = 64,
};
// Answers.
enum : int16_t { Ok = 1, Cancel = 2, Abort = 3, Retry = 4, Ignore = 5, Yes = 6, No = 7 };
}  // namespace msgbox
