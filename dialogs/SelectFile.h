#pragma once
// Walking folders and choosing a file with the keyboard alone.
#include <cstdint>
#include <functional>
#include <string>

// Case-sensitive wildcard match: "*" any run, "?" any one character, "#" one
// digit, "[list]" one of the list (ranges a-z allowed), "[!list]" one not in it.
bool LikeMatch(const std::string& name, const std::string& pattern);

// The listing's match: any of the ";"-separated patterns, letter case aside
// ("Song.MP3" is a song as much as "song.mp3").
bool MatchesAnyNoCase(const std::string& name, const std::string& patterns);

// mode: 1 the chosen file must exist, 4 it must not exist yet.
// Opens and returns; `chosen` gets, from the event loop, the full path, or ""
// on Cancel or when another dialog is up, and the error text: "" on success
// and on Cancel, else the last error message.
// The title, and then hint (how to leave, say), are spoken when the dialog
// first opens; the passes that walk the folders do not repeat them.
void SelectFile(const std::string& folder, const std::string& pattern, int16_t mode, const std::string& title,
                const std::string& fileName, const std::string& hint,
                std::function<void(const std::string& path, const std::string& errorText)> chosen);
