#pragma once
// The platform's own message box, in one place: every caller's title, text,
// buttons and icon, traced as `msgbox` then `answer`.
#include "base/MsgBoxCodes.h"
#include <cstdint>
#include <functional>
#include <string>

// Opens the box over the program's windows and returns at once; `answered`
// gets the answer when it closes, always from the event loop. An empty
// title gives the program's name. Without a GUI (or with TUNZLE_NO_SYSTEM_BOX
// set, for tests) nothing is shown and the default button answers.
void SystemMsgBox(const std::string& text, int32_t style = msgbox::OkOnly, const std::string& title = "",
                  std::function<void(int16_t)> answered = {});
