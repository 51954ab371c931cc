#pragma once
// One line per outward effect, appended to the file named by TUNZLE_TRACE,
// so a test or a developer can read what a blind player heard and was asked.
// Lines: milliseconds since start, the event, its fields; tab-separated, with
// tabs and line breaks inside a field written as spaces. The events:
//   speak         engine type (1 or 3), text: each text handed to an engine
//   stopspeech    -
//   sound         name (upper case, wildcards expanded), the sound index it got
//   songrun       start in seconds, tile-timer interval in ms (0: no timer)
//   songpause     position in seconds
//   songstarved   the song's feed position in frames, when its source ran dry
//   output        wake, sleep or underrun: the game's stream at the sound server
//   beep          -
//   window        caption: a window or dialog shown
//   msgbox        title, text: every message box; then answer with its code
//   pick          title; then answer with the value returned
//   selectfile    title, folder shown; then answer with the path returned
//   screenreader  1 or 0: a screen reader runs, at start and on each change
//   end           -: the program ends
#include <initializer_list>
#include <string>

namespace Trace {

// True when TUNZLE_TRACE names a file.
bool enabled();

// Writes: milliseconds since start, event, fields; tab-separated.
void write(const std::string& event, std::initializer_list<std::string> fields = {});

// Re-reads TUNZLE_TRACE (tests change it between cases).
void reopen();

}  // namespace Trace
