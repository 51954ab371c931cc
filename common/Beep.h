#pragma once
// The system beep, made audible: a trace line, the platform bell, and a short
// tone through the sound engine once it has registered one.
#include <functional>

void Beep();
void SetBeepTone(std::function<void()> tone);
