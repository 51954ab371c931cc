#include "speech/CharacterTable.h"

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
      {188, ",", "comma"},
      {190, ".", "period"},
      {191, "/", ""},
      {1188, "<", "less"},
      {1190, ">", "greater"},
      {1191, "?", "question"},
      {1049, "!", "exclaim"},
      {1050, "@", ""},
      {1051, "#", ""},
      {1052, "$", ""},
      {1053, "%", ""},
      {1054, "^", ""},
      {1055, "&", ""},
      {1056, "*", ""},
      {1057, "(", "left parren"},
      {1048, ")", "right parren"},
      {1189, "_", ""},
      {1187, "+", ""},
      {0, "", ""},  // row 81 stays empty
      {192, "`", ""},
      {1192, "~", ""},
      {189, "-", "dash"},
      {187, "=", ""},
      {186, ";", "semi colan"},
      {222, "'", "apostrophe"},
      {1186, ":", "colan"},
      {1222, "\"", "quote"},
      {219, "[", "left bracket"},
      {221, "]", "right bracket"},
      {1219, "{", "left brace"},
      {1221, "}", "right brace"},
      {32, " ", "space"},
      {220, "\\", "back slash"},
      {1220, "|", "vertical bar"},
  };
  for (const auto& r : rest) t[row++] = r;
  return t;
}

}  // namespace

const CharacterRows& DefaultCharacterTable() {
  static const CharacterRows table = build();
  return table;
}
