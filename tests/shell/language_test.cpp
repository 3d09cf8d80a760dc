// The window in the players' languages: the language follows the system or
// the Customize menu at once, the core's messages follow it, and in every
// language every dialog holds its texts whole.

#include "shell/system/language.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QTimer>
#include <QTreeWidget>
#include <cstdlib>
#include <memory>

#include "core/game/game_state.h"
#include "core/game/new_game.h"
#include "core/game/settings.h"
#include "core/game/sound.h"
#include "core/platform/host.h"
#include "core/platform/player_name.h"
#include "core/platform/translation.h"
#include "core/records/listing.h"
#include "shell/dialogs/about_dialog.h"
#include "shell/dialogs/appearance_dialog.h"
#include "shell/dialogs/font_dialog.h"
#include "shell/dialogs/load_game_dialog.h"
#include "shell/dialogs/network_dialog.h"
#include "shell/dialogs/new_game_dialog.h"
#include "shell/dialogs/save_game_dialog.h"
#include "shell/dialogs/sound_dialog.h"
#include "shell/main_window.h"
#include "shell/paint/skins.h"
#include "shell/system/host_qt.h"
#include "tests/shell/window_test_support.h"

namespace velmora {
namespace {

using test::Window;

// The window whose texts are read in one language and another; English
// again afterwards.
struct LanguageWindow : Window {
  ~LanguageWindow() { applyLanguage("en"); }
  QString newText() const { return test::commandAction(window.get(), CmdNew)->text(); }
  void choose(const char* code) {
    window->findChild<QAction*>(QString("language_%1").arg(code))->trigger();
    test::settle();
  }
};

struct Environment {
  explicit Environment(std::initializer_list<std::pair<const char*, const char*>> values) {
    for (const char* name : {"LANGUAGE", "LANG", "LC_ALL", "LC_MESSAGES"}) unsetenv(name);
    for (auto [name, value] : values) setenv(name, value, 1);
  }
  ~Environment() {
    for (const char* name : {"LANGUAGE", "LANG", "LC_ALL", "LC_MESSAGES"}) unsetenv(name);
  }
};

TEST(Language, FollowsTheSystemsVariables) {
  EXPECT_EQ((Environment{{"LANG", "de_DE.UTF-8"}}, systemLanguage()), "de");
  EXPECT_EQ((Environment{{"LANG", "pt_PT.UTF-8"}}, systemLanguage()), "pt_BR");
  EXPECT_EQ((Environment{{"LANG", "pt_BR"}}, systemLanguage()), "pt_BR");
  EXPECT_EQ((Environment{{"LANG", "de_DE.UTF-8"}, {"LANGUAGE", "sv:fr:de"}}, systemLanguage()), "fr");
  EXPECT_EQ((Environment{{"LANG", "ru_RU.UTF-8"}, {"LANGUAGE", "en_GB:ru"}}, systemLanguage()), "en");
  EXPECT_EQ((Environment{{"LANG", "C"}, {"LANGUAGE", "de"}}, systemLanguage()), "en");  // C ignores LANGUAGE
  EXPECT_EQ((Environment{{"LANG", "tr_TR.UTF-8"}, {"LC_ALL", "nl_NL.UTF-8"}}, systemLanguage()), "nl");
  EXPECT_EQ((Environment{{"LANG", "sv_SE.UTF-8"}}, systemLanguage()), "en");
  EXPECT_EQ((Environment{}, systemLanguage()), "en");
}

TEST(Language, TheMenuChangesTheLanguageAtOnceAndTheCoreFollows) {
  setTranslationsDirectory(QDir(QCoreApplication::applicationDirPath()).filePath("translations").toStdString());
  LanguageWindow w;
  ASSERT_EQ(w.newText().section('\t', 0, 0), "&New...");
  w.choose("de");
  EXPECT_EQ(currentLanguage(), "de");
  EXPECT_EQ(languageSettings.language, "de");
  EXPECT_NE(w.newText().section('\t', 0, 0), "&New...");
  EXPECT_NE(say("Game saved."), "Game saved.");
  // Files and the network keep their English: the variant's name in a saved
  // game is not the shown one.
  EXPECT_STREQ(gameTypeName(International), "International");
  w.choose("en");
  EXPECT_EQ(w.newText().section('\t', 0, 0), "&New...");
  EXPECT_EQ(say("Game saved."), "Game saved.");
  w.choose("system");
  EXPECT_EQ(languageSettings.language, "");
}

// The texts a dialog shows that do not fit their widget.
std::vector<std::string> cutTexts(QWidget* dialog) {
  std::vector<std::string> cut;
  for (QWidget* w : dialog->findChildren<QWidget*>()) {
    if (!w->isVisibleTo(dialog)) continue;
    auto* label = qobject_cast<QLabel*>(w);
    auto* button = qobject_cast<QAbstractButton*>(w);
    if ((!label || label->wordWrap() || label->text().isEmpty()) && (!button || button->text().isEmpty())) continue;
    const QString text = label ? label->text() : button->text();
    if (w->sizeHint().width() > w->width() + 1)
      cut.push_back(text.toStdString() + " (" + std::to_string(w->sizeHint().width()) + " > " +
                    std::to_string(w->width()) + ")");
  }
  return cut;
}

// What the window shows follows the language, numbers with its decimal
// comma too; what the settings and saved games keep stays English: the
// computer's name, the sound events' names.
TEST(Language, ShownNamesAndNumbersAreTranslatedAndTheKeptOnesStayEnglish) {
  setTranslationsDirectory(QDir(QCoreApplication::applicationDirPath()).filePath("translations").toStdString());
  LanguageWindow w;
  w.choose("fr");
  const QImage skin = builtInSkin(2);
  NewGameChoice computerFirst;
  computerFirst.type[White] = ChooseComputer;
  computerFirst.name[White] = kComputerName;
  NewGameDialog newGame(computerFirst, skin, w.window.get());
  auto* whiteName = newGame.findChild<QLineEdit*>("id1012");
  ASSERT_NE(whiteName, nullptr);
  EXPECT_EQ(whiteName->text(), "Ordinateur");
  EXPECT_EQ(newGame.choice().name[White], kComputerName);
  newGame.findChild<QComboBox*>("id1011")->setCurrentIndex(ChooseHuman);
  EXPECT_EQ(whiteName->text(), "Joueur 1");
  EXPECT_EQ(newGame.findChild<QComboBox*>("expertMoveTime")->itemText(0), "0,2 s");

  AppearanceDialog looks(*w.game, w.listing, w.window.get());
  EXPECT_EQ(looks.findChild<QAbstractButton*>("id1008")->text(), "87,5 %");

  SoundEventTable sounds = soundEvents;
  SoundDialog soundDialog(sounds, w.window.get());
  EXPECT_EQ(soundDialog.findChild<QTreeWidget*>()->topLevelItem(0)->text(1), "Prise");
  ASSERT_TRUE(QMetaObject::invokeMethod(&soundDialog, "accept"));
  EXPECT_EQ(sounds[0].name, "Capture");
}

TEST(Language, EveryDialogHoldsItsTextsWholeInEveryLanguage) {
  setTranslationsDirectory(QDir(QCoreApplication::applicationDirPath()).filePath("translations").toStdString());
  LanguageWindow w;
  const QImage skin = builtInSkin(2);
  auto preview = std::make_unique<GameState>();
  SoundEventTable sounds = soundEvents;
  QDir().mkpath(QDir::temp().filePath("velmora-screenshots"));
  for (const Language& language : kLanguages) {
    w.choose(language.code);
    ASSERT_EQ(currentLanguage(), language.code);
    std::vector<std::unique_ptr<QDialog>> dialogs;
    dialogs.push_back(std::make_unique<AboutDialog>(w.window.get()));
    dialogs.push_back(std::make_unique<AppearanceDialog>(*w.game, w.listing, w.window.get()));
    dialogs.push_back(std::make_unique<FontDialog>("DejaVu Sans", w.window.get()));
    dialogs.push_back(std::make_unique<LoadGameDialog>(*preview, skin, w.window.get()));
    dialogs.push_back(std::make_unique<NetworkDialog>(*w.game, w.listing, skin, w.window.get()));
    dialogs.push_back(std::make_unique<NewGameDialog>(NewGameChoice{}, skin, w.window.get()));
    dialogs.push_back(std::make_unique<SaveGameDialog>("game", w.window.get()));
    dialogs.push_back(std::make_unique<SoundDialog>(sounds, w.window.get()));
    for (auto& dialog : dialogs) {
      dialog->show();
      test::settle();
      EXPECT_EQ(cutTexts(dialog.get()), std::vector<std::string>{})
          << language.code << " " << dialog->metaObject()->className();
      const std::string code = language.code;
      if (code == "ru" || code == "de" || code == "tr") {
        const QString name = QString::fromLatin1(dialog->metaObject()->className()).section(':', -1);
        dialog->grab().save(QDir::temp().filePath(QString("velmora-screenshots/%1-%2.png").arg(name, language.code)));
      }
      dialog->hide();
    }
    if (std::string(language.code) == "ru" || std::string(language.code) == "de" || std::string(language.code) == "tr")
      w.window->grab().save(QDir::temp().filePath(QString("velmora-screenshots/window-%1.png").arg(language.code)));
  }
}

}  // namespace
}  // namespace velmora
