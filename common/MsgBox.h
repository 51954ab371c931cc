#pragma once
// The platform's own message box, in one place: every caller's title, text,
// buttons and icon, traced as `msgbox` then `answer`.
#include "base/MsgBoxCodes.h"
#include <cstdint>
#include <string>

// Shows the box modally and returns the answer. An empty title gives the
// program's name. Without a GUI (or with TUNZLE_NO_SYSTEM_BOX set, for
// tests) nothing is shown and the first button's answer is returned.
int16_t SystemMsgBox(const std::string& text, int32_t style = msgbox::OkOnly, const std::string& title = "");
