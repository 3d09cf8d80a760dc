#include "shell/system/language.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <cstdlib>
#include <memory>

#include "core/platform/translation.h"

namespace velmora {

// Each name with its letter in the Language menu, the same in every language.
const Language kLanguages[kLanguageCount] = {
    {"en", "&English"},
    {"de", "&Deutsch"},
    {"es", "E&spañol"},
    {"fr", "&Français"},
    {"it", "&Italiano"},
    {"nl", "&Nederlands"},
    {"pt_BR", "&Português (Brasil)"},
    {"ru", "&Русский"},
    {"tr", "&Türkçe"},
};

namespace {

// The translation context of every text of the program.
constexpr const char* kContext = "Velmora";

QString translationsFolder;
std::string shown = "en";
std::unique_ptr<QTranslator> ours, toolkit;  // ours, and the toolkit's own buttons

std::string translateForCore(const char* english) {
  return QCoreApplication::translate(kContext, english).toStdString();
}

// "de_DE.UTF-8", "pt_BR", "ru" to a code we have, or "".
std::string ourCode(std::string name) {
  name = name.substr(0, name.find_first_of(".@"));
  for (const Language& l : kLanguages)
    if (name == l.code) return l.code;
  const std::string base = name.substr(0, name.find('_'));
  if (base == "pt") return "pt_BR";  // the Portuguese we have
  for (const Language& l : kLanguages)
    if (base == l.code) return l.code;
  return "";
}

}  // namespace

void setTranslationsDirectory(const std::string& folder) { translationsFolder = QString::fromStdString(folder); }

std::string systemLanguage() {
  // LANGUAGE is a list in order of preference, and counts only with a locale set.
  const char* lc = std::getenv("LC_ALL");
  const char* lang = std::getenv("LANG");
  const char* messages = std::getenv("LC_MESSAGES");
  const std::string locale = lc && *lc ? lc : messages && *messages ? messages : lang ? lang : "";
  if (const char* list = std::getenv("LANGUAGE"); list && *list && locale != "C" && locale != "POSIX") {
    std::string rest = list;
    while (!rest.empty()) {
      const size_t colon = rest.find(':');
      if (const std::string code = ourCode(rest.substr(0, colon)); !code.empty()) return code;
      if (rest.substr(0, colon).rfind("en", 0) == 0) return "en";
      rest = colon == std::string::npos ? "" : rest.substr(colon + 1);
    }
  }
  const std::string code = ourCode(locale);
  return code.empty() ? "en" : code;
}

bool applyLanguage(const std::string& code) {
  const std::string chosen = code.empty() ? systemLanguage() : ourCode(code);
  const std::string wanted = chosen.empty() ? "en" : chosen;
  for (auto* t : {ours.get(), toolkit.get()})
    if (t) QCoreApplication::removeTranslator(t);
  ours.reset();
  toolkit.reset();
  shown = "en";
  setTranslator(nullptr);
  if (wanted == "en") return true;
  auto translation = std::make_unique<QTranslator>();
  if (!translation->load(QString("velmora_%1").arg(QString::fromStdString(wanted)), translationsFolder)) return false;
  QCoreApplication::installTranslator(translation.get());
  ours = std::move(translation);
  // Yes, No, OK and Cancel of the toolkit's own dialogs.
  auto buttons = std::make_unique<QTranslator>();
  if (buttons->load(QString("qtbase_%1").arg(QString::fromStdString(wanted)),
                    QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    QCoreApplication::installTranslator(buttons.get());
    toolkit = std::move(buttons);
  }
  shown = wanted;
  setTranslator(&translateForCore);
  return true;
}

std::string currentLanguage() { return shown; }

QString shownNumber(double value) {
  QLocale locale(QString::fromStdString(shown));
  locale.setNumberOptions(QLocale::OmitGroupSeparator);
  return locale.toString(value);
}

QString ui(const char* english) { return QCoreApplication::translate(kContext, english); }

}  // namespace velmora
