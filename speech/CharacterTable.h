#pragma once
// Key codes to characters and their spoken names. A code of 1000 or more is
// the key (code - 1000) with Shift.
#include <array>
#include <cstdint>
#include <string>

struct CharacterRow {
  int16_t code = 0;
  std::string character;  // one character, or empty
  std::string name;       // empty: say the character itself

  // What to say for this row, in the player's language.
  std::string Spoken() const;
};

// Rows 1 to 96; element 0 is unused so row numbers read as written.
using CharacterRows = std::array<CharacterRow, 97>;

const CharacterRows& DefaultCharacterTable();
