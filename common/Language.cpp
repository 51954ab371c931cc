#include "common/Language.h"

#include "base/Translate.h"
#include "base/Trace.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace {
std::string translate(const char* context, const char* source) {
  return QCoreApplication::translate(context, source).toStdString();
}
}  // namespace

void UseDesktopLanguage(const std::string& dataFolder) {
  auto* app = QCoreApplication::instance();
  if (!app) return;
  auto* own = new QTranslator(app);
  const QString forced = qEnvironmentVariable("TUNZLE_TRANSLATION");
  const bool loaded = forced.isEmpty() ? own->load(QLocale(), "tunzle", "_", QString::fromStdString(dataFolder))
                                       : own->load(forced);
  if (!loaded) {
    delete own;
    return;
  }
  app->installTranslator(own);
  auto* qt = new QTranslator(app);
  if (qt->load(QLocale(own->language()), "qtbase", "_", QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    app->installTranslator(qt);
  else
    delete qt;
  i18n::SetLookup(translate);
  // The voices are told the language the texts are in: "pt_BR" is "pt-BR".
  i18n::SetLanguage(QString(own->language()).replace('_', '-').toStdString());
  Trace::write("language", {i18n::Language()});
}
