#pragma once
// The player's language: the desktop's (LANGUAGE, LC_ALL, LC_MESSAGES, LANG,
// as Qt reads them), where the program has a translation for it; English
// otherwise. TUNZLE_TRANSLATION may name a .qm file to use instead (to hear
// a translation in the making). After this every Tr() speaks that language.
#include <string>

// Installs the program's translation from `dataFolder` ("tunzle_<language>.qm")
// and Qt's own for its standard texts. Needs the application object.
void UseDesktopLanguage(const std::string& dataFolder);
