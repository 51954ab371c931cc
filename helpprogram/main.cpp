// The standalone help viewer. Its own file name picks the help file:
// DRVHelp shows DRV.TXT, MTHelp shows MT.TXT, both beside the program.
#include "help/StandaloneHelp.h"

#include "base/Files.h"
#include "common/Language.h"

#include <QApplication>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName("Dravenholt Help");
  UseDesktopLanguage(DataFolder());
  return RunStandaloneHelp(argc > 0 ? argv[0] : "DRVHelp");
}
