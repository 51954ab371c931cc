#include "speech/CharacterTable.h"

#include "base/Translate.h"

namespace {

CharacterRows build() {
  CharacterRows t{};
  int row = 1;
  // Unshifted letter keys give the capital, Shift the small letter.
  for (int k = 0; k < 26; ++k) {
    t[row++] = {static_cast<int16_t>(65 + k), std::string(1, static_cast<char>('A' + k)), ""};
    t[row++] = {static_cast<int16_t>(1065 + k), std::string(1, static_cast<char>('a' + k)), ""};
  }
  for (int d = 0; d < 10; ++d) t[row++] = {static_cast<int16_t>(48 + d), std::string(1, static_cast<char>('0' + d)), ""};
  const CharacterRow rest[] = {
      //: The characters a voice reads by name when a typed key is said: here a comma.
      {188, ",", TrNoop("Characters", "comma")},
      //: The character . read aloud (a full stop).
      {190, ".", TrNoop("Characters", "period")},
      {191, "/", TrNoop("Characters", "slash")},
      //: The character < read aloud (a less-than sign).
      {1188, "<", TrNoop("Characters", "less")},
      //: The character > read aloud (a greater-than sign).
      {1190, ">", TrNoop("Characters", "greater")},
      {1191, "?", TrNoop("Characters", "question")},
      {1049, "!", TrNoop("Characters", "exclaim")},
      {1050, "@", TrNoop("Characters", "at sign")},
      {1051, "#", TrNoop("Characters", "number sign")},
      {1052, "$", TrNoop("Characters", "dollar")},
      {1053, "%", TrNoop("Characters", "percent")},
      {1054, "^", TrNoop("Characters", "caret")},
      {1055, "&", TrNoop("Characters", "ampersand")},
      {1056, "*", TrNoop("Characters", "star")},
      //: The character ( read aloud (an opening parenthesis).
      {1057, "(", TrNoop("Characters", "left parren")},
      //: The character ) read aloud (a closing parenthesis).
      {1048, ")", TrNoop("Characters", "right parren")},
      {1189, "_", TrNoop("Characters", "underscore")},
      {1187, "+", TrNoop("Characters", "plus")},
      {0, "", ""},  // row 81 stays empty
      {192, "`", TrNoop("Characters", "grave accent")},
      {1192, "~", TrNoop("Characters", "tilde")},
      //: The character - read aloud (a hyphen or minus).
      {189, "-", TrNoop("Characters", "dash")},
      {187, "=", TrNoop("Characters", "equals")},
      //: The character ; read aloud (a semicolon).
      {186, ";", TrNoop("Characters", "semi colan")},
      {222, "'", TrNoop("Characters", "apostrophe")},
      //: The character : read aloud (a colon).
      {1186, ":", TrNoop("Characters", "colan")},
      //: The character " read aloud (a double quotation mark).
      {1222, "\"", TrNoop("Characters", "quote")},
      {219, "[", TrNoop("Characters", "left bracket")},
      {221, "]", TrNoop("Characters", "right bracket")},
      {1219, "{", TrNoop("Characters", "left brace")},
      {1221, "}", TrNoop("Characters", "right brace")},
      {32, " ", TrNoop("Characters", "space")},
      {220, "\\", TrNoop("Characters", "back slash")},
      {1220, "|", TrNoop("Characters", "vertical bar")},
  };
  for (const auto& r : rest) t[row++] = r;
  return t;
}

}  // namespace

const CharacterRows& DefaultCharacterTable() {
  static const CharacterRows table = build();
  return table;
}

std::string CharacterRow::Spoken() const { return name.empty() ? character : Tr("Characters", name.c_str()); }
