#pragma once
// The settings file velmora.ini: read once at start-up, written whole at
// shutdown. Appearance, the last new game, network play and the sounds
// (the table of core/game/sound.h).

#include <string>

#include "core/platform/player_name.h"
#include "core/rules/board.h"

namespace velmora {

// The Expert's time a move, in milliseconds, as the file may hold it.
constexpr int kMinMoveTimeMs = 200;
constexpr int kMaxMoveTimeMs = 15000;

struct LastGameSettings {
  GameType gameType = American;
  bool giveAway = false;
  int level = 0;  // 0 "Easy", 1 "Normal", 2 "Above normal"
  std::string player1Name;
  std::string player2Name = kComputerName;
  // The Expert instead of the level, and its time a move; keys of their
  // own, so that LEVEL means what it always meant to other copies.
  bool expert = false;
  int moveTimeMs = 1000;
  // The federation's rules instead of the classic ones, in a section of its
  // own that older copies, which know the classic rules only, pass over.
  bool officialRules = false;
};

// The address of a server that has not been entered.
constexpr const char* kNoAddress = "0.0.0.0";

struct NetSettings {
  std::string ip = kNoAddress;
  std::string name;
  int port = 7000;
  int server = 1;
};

// The ports the Network dialog accepts; the settings keep any of them. A
// lower one read from the file becomes kLowPortRead, as it always has.
constexpr int kMinPort = 1024;
constexpr int kMaxPort = 65535;
constexpr int kLowPortRead = 1025;

// Where the board picture was exported last; a section of its own, which
// older copies pass over.
struct ExportSettings {
  std::string folder;
};

// How moves are entered with the mouse; a section of its own, which older
// copies pass over.
struct EntrySettings {
  int oneClick = 1;  // a piece with a single move, or a square one move reaches, plays it at a click
};

// The language of the window's texts: a code such as "de" or "pt_BR", "en",
// or empty to follow the system. Files and the network stay English.
struct LanguageSettings {
  std::string language;
};

// The Expert's score and expected line beside the board; a section of its
// own, which older copies pass over.
struct EvaluationSettings {
  int show = 0;
};

// An outside engine the window plays against or asks for hints and scores;
// a section of its own, which older copies pass over.
struct OutsideEngineSettings {
  std::string command;  // a Hub engine: its program and arguments
  int moveTimeMs = 1000;
  int humanSide = 0;  // White (0) or Black (1) in a game against it
  int advises = 0;    // Hint and the evaluation come from it instead of the Expert
  int dxp = 0;        // the opponent is a DamExchange program at the address below
  std::string dxpHost = "127.0.0.1";
  int dxpPort = 27531;
};

// What a setting is when the file does not hold it: one set of defaults for
// the globals' first values and for reading the file.
inline const LastGameSettings defaultLastGame{};
inline const NetSettings defaultNetSettings{};
inline const EntrySettings defaultEntrySettings{};
inline const EvaluationSettings defaultEvaluationSettings{};
inline const OutsideEngineSettings defaultOutsideEngineSettings{};

extern LastGameSettings lastGame;
extern EntrySettings entrySettings;
extern EvaluationSettings evaluationSettings;
extern OutsideEngineSettings outsideEngineSettings;
extern ExportSettings exportSettings;
extern LanguageSettings languageSettings;
extern NetSettings netSettings;

constexpr const char* kSettingsFile = "velmora.ini";

// Reads every setting from the file, with the defaults for whatever is
// missing and the read-time adjustments; `userName` is the default name.
void loadSettings(const std::string& path, const std::string& userName);
class Profile;
void loadSettingsFrom(const Profile& profile, const std::string& userName);

// The whole text of the file, CR LF line ends.
std::string settingsText();

// Replaces the file with settingsText() in one write; false when it failed,
// with what failed and the system's reason in `error`.
bool saveSettings(const std::string& path, std::string* error = nullptr);

}  // namespace velmora
