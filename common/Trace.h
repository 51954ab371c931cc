#pragma once
// One line per outward effect, appended to the file named by TUNZLE_TRACE,
// so a test or a developer can read what a blind player heard and was asked.
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
