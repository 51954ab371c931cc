#pragma once
// The player's language: the desktop's (LANGUAGE, LC_ALL, LC_MESSAGES, LANG,
// as Qt reads them), where the program has a translation for it; English
// otherwise. TUNZLE_TRANSLATION may name a .qm file to use instead (to hear
// a translation in the making). After this every Tr() speaks that language.
#include <string>
#include <vector>

// Installs the program's translation from `dataFolder` ("tunzle_<language>.qm")
// and Qt's own for its standard texts. Needs the application object.
void UseDesktopLanguage(const std::string& dataFolder);

// The catalogue to use for the desktop's languages `wanted` in order of
// preference ("de-DE", "pt_PT.UTF-8", "C"), among those the program `has`
// ("de", "pt_BR"); empty for English. The first wanted language the program
// speaks wins, English too; one without its own catalogue takes the nearest
// (its language without the region, else another region's) before the next.
std::string ChooseLanguage(const std::vector<std::string>& wanted, const std::vector<std::string>& has);
