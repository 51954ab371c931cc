#include "common/Language.h"

#include "base/Translate.h"
#include "base/Trace.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <algorithm>
#include <cmath>

namespace {
// The program's own catalogue: whether it holds a text decides between its
// translation and the English fallback (the plural rule of a count too).
QTranslator* own = nullptr;

bool translate(const char* context, const char* source, const char* comment, int n, std::string& out) {
  if (!own) return false;
  const QString text = own->translate(context, source, comment, n);
  if (text.isEmpty()) return false;
  out = text.toStdString();
  return true;
}

// "pt_PT.UTF-8@euro", "pt-PT" and "pt_PT" alike as "pt_PT".
std::string normalized(std::string tag) {
  tag = tag.substr(0, tag.find_first_of(".@"));
  std::replace(tag.begin(), tag.end(), '-', '_');
  return tag;
}

std::vector<std::string> catalogues(const std::string& folder) {
  std::vector<std::string> has;
  for (const QString& file : QDir(QString::fromStdString(folder)).entryList({"tunzle_*.qm"}, QDir::Files))
    has.push_back(file.mid(7, file.size() - 10).toStdString());
  return has;
}
}  // namespace

std::string ChooseLanguage(const std::vector<std::string>& wanted, const std::vector<std::string>& has) {
  auto held = [&has](const std::string& tag) { return std::find(has.begin(), has.end(), tag) != has.end(); };
  for (const std::string& entry : wanted) {
    const std::string tag = normalized(entry);
    const std::string language = tag.substr(0, tag.find('_'));
    if (language.empty()) continue;
    // The source texts are English: nothing to load.
    if (language == "en" || tag == "C" || tag == "POSIX") return {};
    if (held(tag)) return tag;
    if (held(language)) return language;
    for (const std::string& other : has)
      if (other.rfind(language + "_", 0) == 0) return other;
  }
  return {};
}

void UseDesktopLanguage(const std::string& dataFolder) {
  auto* app = QCoreApplication::instance();
  if (!app) return;
  auto* catalogue = new QTranslator(app);
  const QString forced = qEnvironmentVariable("TUNZLE_TRANSLATION");
  std::vector<std::string> wanted;
  for (const QString& tag : QLocale::system().uiLanguages()) wanted.push_back(tag.toStdString());
  const std::string chosen = forced.isEmpty() ? ChooseLanguage(wanted, catalogues(dataFolder)) : std::string();
  const bool loaded = forced.isEmpty()
                          ? !chosen.empty() && catalogue->load(QString::fromStdString("tunzle_" + chosen),
                                                               QString::fromStdString(dataFolder))
                          : catalogue->load(forced);
  if (!loaded) {
    delete catalogue;
    Trace::write("language", {"en"});
    return;
  }
  app->installTranslator(catalogue);
  own = catalogue;
  auto* qt = new QTranslator(app);
  if (qt->load(QLocale(catalogue->language()), "qtbase", "_", QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    app->installTranslator(qt);
  else
    delete qt;
  i18n::SetLookup(translate);
  // The voices are told the language the texts are in: "pt_BR" is "pt-BR".
  i18n::SetLanguage(QString(catalogue->language()).replace('_', '-').toStdString());
  Trace::write("language", {i18n::Language()});
}
