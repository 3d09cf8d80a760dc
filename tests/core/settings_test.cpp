// The settings file: the reading rules, defaults and adjustments, the exact
// text written, and damaged files; and the whole-file replacement every
// written file goes through.

#include "core/game/settings.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <vector>

#include "core/game/sound.h"
#include "core/platform/file_write.h"
#include "core/platform/profile.h"
#include "core/view/appearance.h"

namespace velmora {
namespace {

std::string tempFile(const std::string& name) { return (std::filesystem::temp_directory_path() / name).string(); }

void writeFile(const std::string& path, const std::string& text) { std::ofstream(path, std::ios::binary) << text; }

std::string readFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

struct SettingsTest : ::testing::Test {
  void SetUp() override {
    exportSettings = {};
    entrySettings = {};
    languageSettings = {};
    appearance = defaultAppearance;
    lastGame = {};
    netSettings = {};
  }
  void TearDown() override {
    appearance = defaultAppearance;
    std::remove(path.c_str());
  }
  // A file of each test's own, so that tests run side by side (ctest -j)
  // never read each other's.
  std::string path =
      tempFile(std::string("velmora-settings-") + ::testing::UnitTest::GetInstance()->current_test_info()->name() +
               "-" + std::to_string(::getpid()) + ".ini");
};

TEST(Profile, NamesIgnoreCaseAndSpaceAndValuesAreCut) {
  const Profile p =
      Profile::fromText("  [ Show ]  \r\n  scale   =  87  \r\nFONT=Some Face\r\n[SHOW]\r\nSCALE = 75\r\n");
  EXPECT_EQ(p.getInt("SHOW", "SCALE", 1), 87);  // the first section and key win
  EXPECT_EQ(p.getString("show", "font", "x", 260), "Some Face");
  EXPECT_EQ(p.getString("SHOW", "FONT", "x", 5), "Some");
  EXPECT_EQ(p.getString("SHOW", "MISSING", "fallback", 260), "fallback");
  EXPECT_EQ(p.getInt("NOSECTION", "SCALE", 42), 42);
}

TEST(Profile, IntegersAreDecimalWithASign) {
  const Profile p = Profile::fromText("[A]\nneg = -12\npos = +7\njunk = 12abc\nword = abc\nhuge = 99999999999999\n");
  EXPECT_EQ(p.getInt("A", "neg", 0), -12);
  EXPECT_EQ(p.getInt("A", "pos", 0), 7);
  EXPECT_EQ(p.getInt("A", "junk", 0), 12);
  EXPECT_EQ(p.getInt("A", "word", 5), 0);
  EXPECT_EQ(p.getInt("A", "huge", 0), 2147483647);
}

TEST(Profile, OnePairOfMatchingQuotesIsTakenOff) {
  const Profile p = Profile::fromText("[A]\nq = \"Some Face\"\ns = 'x'\nodd = \"x'\nhalf = \"x\ntwo = \"\"x\"\"\n");
  EXPECT_EQ(p.getString("A", "q", "", 260), "Some Face");
  EXPECT_EQ(p.getString("A", "s", "", 260), "x");
  EXPECT_EQ(p.getString("A", "odd", "", 260), "\"x'");
  EXPECT_EQ(p.getString("A", "half", "", 260), "\"x");
  EXPECT_EQ(p.getString("A", "two", "", 260), "\"x\"");
}

TEST(Profile, ACutLeavesNoSpacesAtTheEndAndNoHalfCharacter) {
  const Profile p =
      Profile::fromText(std::string("[A]\nname = ") + std::string(48, 'a') + " b\nnul = " + std::string("ab \0cd", 6) +
                        "\n" + "umlaut = J\xC3\xBCrgen\nlegacy = J\xFCrgen\n");
  EXPECT_EQ(p.getString("A", "name", "", 50), std::string(48, 'a'));
  EXPECT_EQ(p.getString("A", "nul", "", 50), "ab");
  EXPECT_EQ(p.getString("A", "umlaut", "", 3), "J");  // the two bytes of the ü do not fit in two
  EXPECT_EQ(p.getString("A", "umlaut", "", 4), "J\xC3\xBC");
  EXPECT_EQ(p.getString("A", "legacy", "", 50), "J\xC3\xBCrgen");  // Windows-1252 from another copy
}

TEST_F(SettingsTest, EverySettingReadsBackTheSameAfterASave) {
  writeFile(path, std::string("[COLOR]\r\nINK = -5\r\nBACKGROUND = -1\r\n[LAST GAME]\r\nPLAYER 1 NAME = ") +
                      std::string(48, 'a') + " b\r\nPLAYER 2 NAME = \"\xC5\x81ukasz\"\r\n[NET]\r\nNAME = Jos\xE9\r\n");
  loadSettings(path, "anna");
  EXPECT_EQ(lastGame.player1Name, std::string(48, 'a'));
  EXPECT_EQ(lastGame.player2Name, "\xC5\x81ukasz");
  EXPECT_EQ(netSettings.name, "Jos\xC3\xA9");
  const std::string first = settingsText();
  EXPECT_NE(first.find("INK = -5\r\n"), std::string::npos);
  EXPECT_NE(first.find("BACKGROUND = -1\r\n"), std::string::npos);
  ASSERT_TRUE(saveSettings(path));
  loadSettings(path, "anna");
  EXPECT_EQ(settingsText(), first);
}

TEST_F(SettingsTest, QuotedAndSpacedNamesSurviveASave) {
  for (const std::string name : {"\"Ann\"", " Ann", "Ann ", "'x'", "\"", "a \"b\""}) {
    lastGame.player1Name = name;
    const std::string text = settingsText();
    loadSettingsFrom(Profile::fromText(text), "anna");
    EXPECT_EQ(lastGame.player1Name, name) << text;
  }
  // A zero byte ends a value before its quotes are looked at.
  loadSettingsFrom(Profile::fromText(std::string("[LAST GAME]\nPLAYER 1 NAME = \"Jo\"\0\0 x\n", 38)), "anna");
  EXPECT_EQ(lastGame.player1Name, "Jo");
}

TEST_F(SettingsTest, AFailedWriteSaysWhy) {
  std::string error;
  EXPECT_FALSE(saveSettings("/nonexistent-folder/velmora.ini", &error));
  EXPECT_NE(error.find("No such file or directory"), std::string::npos) << error;
}

TEST_F(SettingsTest, TheExpertHasKeysOfItsOwnAndItsTimeIsBounded) {
  writeFile(path, "[LAST GAME]\r\nLEVEL = 1\r\n[EXPERT]\r\nPLAYS = YES\r\nMOVE TIME = 999999\r\n");
  loadSettings(path, "anna");
  EXPECT_EQ(lastGame.level, 1);
  EXPECT_TRUE(lastGame.expert);
  EXPECT_EQ(lastGame.moveTimeMs, kMaxMoveTimeMs);
  writeFile(path, "[LAST GAME]\r\nLEVEL = 2\r\n[EXPERT]\r\nMOVE TIME = 5\r\n");
  loadSettings(path, "anna");
  EXPECT_EQ(lastGame.level, 2);
  EXPECT_FALSE(lastGame.expert);
  EXPECT_EQ(lastGame.moveTimeMs, kMinMoveTimeMs);
  lastGame = {};
}

TEST_F(SettingsTest, TheExpertsKeysAreReadFromTheOldPlaceOnceAndWrittenInTheirOwnSection) {
  writeFile(path, "[LAST GAME]\r\nEXPERT = YES\r\nMOVE TIME = 2500\r\n");
  loadSettings(path, "anna");
  EXPECT_TRUE(lastGame.expert);
  EXPECT_EQ(lastGame.moveTimeMs, 2500);
  ASSERT_TRUE(saveSettings(path));
  const std::string text = readFile(path);
  EXPECT_EQ(text.find("EXPERT = YES"), std::string::npos) << text;
  const size_t section = text.find("\r\n[EXPERT]\r\nPLAYS = YES\r\nMOVE TIME = 2500\r\n");
  ASSERT_NE(section, std::string::npos) << text;
  EXPECT_GT(section, text.find("[SOUND]"));
  // The new place wins over what an older copy left behind.
  writeFile(path, "[LAST GAME]\r\nEXPERT = YES\r\n[EXPERT]\r\nPLAYS = NO\r\n");
  loadSettings(path, "anna");
  EXPECT_FALSE(lastGame.expert);
  lastGame = {};
}

TEST_F(SettingsTest, MissingFileGivesTheDefaults) {
  std::remove(path.c_str());
  netSettings = {"1.2.3.4", "bob", 80, 0};
  lastGame.level = 2;
  lastGame.gameType = Thai;
  entrySettings.oneClick = 0;
  evaluationSettings.show = 1;
  loadSettings(path, "anna");
  EXPECT_EQ(evaluationSettings.show, 0);  // the Expert's score is not shown unless asked for
  EXPECT_EQ(netSettings.ip, "0.0.0.0");
  EXPECT_EQ(netSettings.server, 1);
  EXPECT_EQ(lastGame.level, 0);
  EXPECT_EQ(lastGame.gameType, American);
  EXPECT_EQ(entrySettings.oneClick, 1);
  EXPECT_EQ(lastGame.player1Name, "anna");
  EXPECT_EQ(lastGame.player2Name, "Computer");
  EXPECT_EQ(netSettings.name, "anna");
  EXPECT_EQ(netSettings.port, 7000);
  EXPECT_EQ(appearance.cellSize, 64);
  EXPECT_EQ(appearance.skinName, "UNNAMED");
  EXPECT_EQ(appearance.backgroundColour, 2575736u);
  EXPECT_EQ(soundEvents[0].file, ".\\Sound\\Capture.wav");
}

// A write that fails half way (a full disk here: a file size limit) and one
// whose temporary file cannot be made both keep the old file whole, leave
// nothing behind and say which file and why.
TEST_F(SettingsTest, AFailedReplaceKeepsTheOldFileAndSaysWhy) {
  const std::string old = "[SHOW]\r\nSCALE = 75\r\n";
  writeFile(path, old);

  rlimit saved{};
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
  rlimit small = saved;
  small.rlim_cur = 16;
  const auto previous = std::signal(SIGXFSZ, SIG_IGN);  // the write fails instead of ending the process
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
  std::string error;
  const bool written = replaceFile(path, std::string(4096, 'x'), &error);
  setrlimit(RLIMIT_FSIZE, &saved);
  std::signal(SIGXFSZ, previous);
  EXPECT_FALSE(written);
  EXPECT_EQ(error, "Cannot write " + path + ": " + std::strerror(EFBIG));
  EXPECT_EQ(readFile(path), old);
  EXPECT_FALSE(std::filesystem::exists(path + ".new"));

  std::filesystem::create_directory(path + ".new");
  EXPECT_FALSE(saveSettings(path, &error));
  EXPECT_EQ(error, "Cannot write " + path + ": " + std::strerror(EISDIR));
  EXPECT_EQ(readFile(path), old);
  EXPECT_TRUE(std::filesystem::is_directory(path + ".new"));  // not ours to remove
  std::filesystem::remove(path + ".new");

  ASSERT_TRUE(replaceFile(path, "new"));
  EXPECT_EQ(readFile(path), "new");
}

// Past a file size limit the system ends a program with SIGXFSZ unless it
// is ignored; a save at quit must fail with a message instead. The child
// starts from the default action, as the programs do.
TEST_F(SettingsTest, AFileSizeLimitFailsTheWriteInsteadOfEndingTheProgram) {
  const std::string old = "[SHOW]\r\nSCALE = 75\r\n";
  writeFile(path, old);
  const pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    std::signal(SIGXFSZ, SIG_DFL);
    rlimit small{16, 16};
    setrlimit(RLIMIT_FSIZE, &small);
    std::string error;
    const bool written = saveSettings(path, &error);
    _exit(!written && error == "Cannot write " + path + ": " + std::strerror(EFBIG) ? 0 : 1);
  }
  int status = 0;
  ASSERT_EQ(waitpid(child, &status, 0), child);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "wait status " << status;
  EXPECT_EQ(readFile(path), old);
  EXPECT_FALSE(std::filesystem::exists(path + ".new"));
}

// Only an ordinary file is replaced; a link is written through to the
// ordinary file it names. Anything else stays as it was, and the message
// says what it is.
TEST_F(SettingsTest, OnlyRegularFilesAreReplacedAndLinksAreWrittenThrough) {
  namespace fs = std::filesystem;
  const fs::path folder = path + ".d";
  fs::create_directory(folder);
  const std::string fifo = (folder / "fifo").string(), file = (folder / "file").string();
  const std::string toFile = (folder / "to-file").string(), toFifo = (folder / "to-fifo").string();
  const std::string dangling = (folder / "dangling").string();
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  writeFile(file, "old");
  fs::create_symlink("file", toFile);
  fs::create_symlink("fifo", toFifo);
  fs::create_symlink("missing", dangling);

  std::string error;
  EXPECT_FALSE(replaceFile(fifo, "new", &error));
  EXPECT_EQ(error, "Cannot write " + fifo + ": it is a pipe, not a regular file");
  EXPECT_TRUE(fs::is_fifo(fs::symlink_status(fifo)));
  EXPECT_FALSE(replaceFile(toFifo, "new", &error));
  EXPECT_EQ(error, "Cannot write " + toFifo + ": it is a link to a pipe, not to a regular file");
  EXPECT_TRUE(fs::is_symlink(fs::symlink_status(toFifo)));
  EXPECT_FALSE(replaceFile(dangling, "new", &error));
  EXPECT_EQ(error, "Cannot write " + dangling + ": it is a link to nothing, not to a regular file");
  EXPECT_FALSE(replaceFile(folder.string(), "new", &error));
  EXPECT_EQ(error, "Cannot write " + folder.string() + ": it is a directory, not a regular file");

  ASSERT_TRUE(replaceFile(toFile, "new", &error)) << error;
  EXPECT_TRUE(fs::is_symlink(fs::symlink_status(toFile)));
  EXPECT_EQ(readFile(file), "new");
  EXPECT_EQ(std::vector<fs::path>(fs::directory_iterator(folder), {}).size(), 5u);  // no temporary file left
  fs::remove_all(folder);
}

TEST_F(SettingsTest, ReadTimeAdjustments) {
  writeFile(path,
            "[SHOW]\r\nSCALE = 90\r\nOPAQUE_DRAGGING_PIECE = 120\r\n[NET]\r\nPORT = 80\r\n"
            "[LAST GAME]\r\nGAME TYPE = 20\r\nLEVEL = -1\r\nGIVE AWAY = yes\r\n[SKIN]\r\nNUMBER = 9\r\n"
            "[WINDOW]\r\nBOARD SCALE = 175\r\n");
  loadSettings(path, "anna");
  EXPECT_EQ(appearance.cellSize, 64);
  EXPECT_EQ(appearance.dragOpacity, 85);
  EXPECT_EQ(netSettings.port, 1025);
  EXPECT_EQ(lastGame.gameType, 13);
  EXPECT_EQ(lastGame.level, 0);
  EXPECT_FALSE(lastGame.giveAway);
  EXPECT_EQ(appearance.skinNumber, 6);
  EXPECT_EQ(appearance.boardScale, 0);  // no scale of ours: the chosen classic one
  EXPECT_NE(settingsText().find("SCALE = 100\r\n"), std::string::npos);
  writeFile(path, "[WINDOW]\r\nBOARD SCALE = -1\r\n[NET]\r\nPORT = 2147483647\r\n");
  loadSettings(path, "anna");
  EXPECT_EQ(appearance.boardScale, kFitToWindow);
  EXPECT_EQ(netSettings.port, 65535);  // no port beyond; written back as read
  EXPECT_NE(settingsText().find("PORT = 65535\r\n"), std::string::npos);
  // The lowest port the Network dialog accepts is kept as it is.
  writeFile(path, "[NET]\r\nPORT = 1024\r\n");
  loadSettings(path, "anna");
  EXPECT_EQ(netSettings.port, 1024);
}

TEST_F(SettingsTest, WrittenFileIsExactAndReadsBack) {
  lastGame = {Russian, true, 1, "Anna", "Computer", true, 5000};
  appearance.cellSize = 56;
  appearance.boardScale = 150;
  appearance.skinName.clear();
  netSettings = {"192.168.1.2", "Anna", 7001, 0};
  exportSettings.folder = "/home/anna/Pictures";
  entrySettings.oneClick = 0;
  evaluationSettings.show = 1;
  outsideEngineSettings = {"\"/opt/an engine/scan\" hub", 5000, 1, 1, 1, "10.0.0.5", 27532};
  ASSERT_TRUE(saveSettings(path));
  const std::string expected =
      "\r\n[COLOR]\r\nBACKGROUND = 2575736\r\nINK = 8500460\r\n"
      "\r\n[LAST GAME]\r\nGAME TYPE = 9\r\nGIVE AWAY = YES\r\nLEVEL = 1\r\nPLAYER 1 NAME = Anna\r\nPLAYER 2 NAME = "
      "Computer\r\n"
      "\r\n[SHOW]\r\nAI PROGRESS = 1\r\nCOORDINATES = 1\r\nDRAGGING_PIECE = 1\r\nFONT = Palatino Linotype\r\n"
      "LAST MOVE = 1\r\nLEGAL MOVES = 1\r\nOPAQUE_DRAGGING_PIECE = 85\r\nSCALE = 87\r\nSHADOW_DRAGGING_PIECE = 1\r\n"
      "WHITE ON TOP = 0\r\n"
      "\r\n[SKIN]\r\nNAME = \r\nNUMBER = 2\r\n"
      "\r\n[NET]\r\nIP = 192.168.1.2\r\nNAME = Anna\r\nPORT = 7001\r\nSERVER = 0\r\n"
      "\r\n[SOUND]\r\nCapture_FILE = .\\Sound\\Capture.wav\r\nCapture_ENABLE = 1\r\n"
      "Error_FILE = .\\Sound\\Error.wav\r\nError_ENABLE = 1\r\n"
      "Movement_FILE = .\\Sound\\Movement.wav\r\nMovement_ENABLE = 1\r\n"
      "Promotion_FILE = .\\Sound\\Promotion.wav\r\nPromotion_ENABLE = 1\r\n"
      "\r\n[EXPORT]\r\nFOLDER = /home/anna/Pictures\r\n"
      "\r\n[ENTRY]\r\nONE CLICK = 0\r\n"
      "\r\n[WINDOW]\r\nBOARD SCALE = 150\r\nLANGUAGE = \r\nSQUARE NUMBERS = 0\r\nSLIDING MOVES = 1\r\n"
      "\r\n[EXPERT]\r\nPLAYS = YES\r\nMOVE TIME = 5000\r\n"
      "\r\n[EVALUATION]\r\nSHOW = 1\r\n"
      "\r\n[OUTSIDE ENGINE]\r\nCOMMAND = \"/opt/an engine/scan\" hub\r\nMOVE TIME = 5000\r\nHUMAN SIDE = 1\r\n"
      "ADVISES = 1\r\nDXP = 1\r\nDXP HOST = 10.0.0.5\r\nDXP PORT = 27532\r\n";
  for (auto& s : soundEvents) s.file = ".\\Sound\\" + s.name + ".wav";
  ASSERT_TRUE(saveSettings(path));
  EXPECT_EQ(readFile(path), expected);

  const std::string before = settingsText();
  appearance = defaultAppearance;
  lastGame = {};
  netSettings = {};
  entrySettings = {};
  evaluationSettings = {};
  outsideEngineSettings = {};
  loadSettings(path, "someone else");
  EXPECT_EQ(settingsText(), before);
  EXPECT_EQ(outsideEngineSettings.command, "\"/opt/an engine/scan\" hub");
  outsideEngineSettings = {};
  EXPECT_TRUE(lastGame.giveAway);
  EXPECT_EQ(entrySettings.oneClick, 0);
  EXPECT_EQ(evaluationSettings.show, 1);
  evaluationSettings = {};
}

TEST_F(SettingsTest, LongPathsAreWrittenWhole) {
  for (auto& s : soundEvents) s.file = std::string(255, 'x') + ".wav";
  appearance.fontFace = std::string(259, 'f');
  ASSERT_TRUE(saveSettings(path));
  EXPECT_GT(readFile(path).size(), 1200u);
  loadSettings(path, "anna");
  EXPECT_EQ(soundEvents[3].file.size(), 259u);
  EXPECT_EQ(appearance.fontFace.size(), 259u);
}

TEST_F(SettingsTest, DamagedFilesGiveDefaultsAndNeverCrash) {
  std::string junk;
  for (int i = 0; i < 20000; ++i) junk += static_cast<char>((i * 7919) % 256);
  writeFile(path, junk);
  loadSettings(path, "anna");
  EXPECT_EQ(netSettings.port, 7000);

  writeFile(path, "[LAST GAME]\r\nPLAYER 1 NAME = " + std::string(100000, 'n') + "\r\nLEVEL = 2\r\n");
  loadSettings(path, "anna");
  EXPECT_EQ(lastGame.player1Name.size(), 49u);
  EXPECT_EQ(lastGame.level, 2);

  writeFile(path, "GAME TYPE = 5\r\nno section at all\r\n[SHOW\r\nSCALE = 75\r\n");
  loadSettings(path, "anna");
  EXPECT_EQ(lastGame.gameType, 0);
  EXPECT_EQ(appearance.cellSize, 48);  // an unclosed section name still names its section
}

}  // namespace
}  // namespace velmora
