#include "core/game/settings.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "core/game/sound.h"
#include "core/platform/file_write.h"
#include "core/platform/player_name.h"
#include "core/platform/profile.h"
#include "core/view/appearance.h"

namespace velmora {

LastGameSettings lastGame;
NetSettings netSettings;
ExportSettings exportSettings;
EntrySettings entrySettings;
LanguageSettings languageSettings;
EvaluationSettings evaluationSettings;
OutsideEngineSettings outsideEngineSettings;

namespace {

// A name is read as into a buffer that also holds the terminating zero.
constexpr size_t kNameBuffer = kMaxNameLength + 1;

int clamp(int value, int low, int high) { return value < low ? low : value > high ? high : value; }

// The file keeps the square size as the percentage of its scale; a number
// that is no scale reads as the largest squares, a size that is none as the
// smallest scale.
int cellSizeOfScale(int scale) {
  for (const SquareSize& s : kSquareSizes)
    if (s.percent == scale) return s.pixels;
  return kSquareSizes[0].pixels;
}
int scaleOfCellSize(int cell) {
  for (const SquareSize& s : kSquareSizes)
    if (s.pixels == cell) return s.percent;
  return kSquareSizes[kSquareSizeCount - 1].percent;
}

// How a key's value is read, checked and written.
enum class Kind {
  Number,      // an int; `low`..`high` bound it where they differ
  Colour,      // a colour; written as the signed number that was read
  Text,        // a string of at most `limit` - 1 bytes
  Name,        // a player's name: Text without control characters
  YesNo,       // a bool: "YES", anything else is false; `numberDefault` when missing
  Scale,       // the square size, written as the percentage of its scale
  BoardScale,  // 0, a larger scale's percentage or kFitToWindow; anything else reads as 0
  Opacity,     // a number kMinDragOpacity..kMaxDragOpacity, else the default
  Port,        // a number within kMinPort..kMaxPort; below it kLowPortRead
};

// One key of the settings file. The table below is in the order the file
// is written; reading goes by name, so the order is only the file's look.
struct SettingKey {
  const char* section;
  const char* key;
  Kind kind;
  void* field;
  int numberDefault = 0;
  const char* textDefault = nullptr;  // nullptr: the login name
  size_t limit = 0;
  int low = 0, high = 0;
  // Where older files kept the key; read when the key is missing.
  const char* oldSection = nullptr;
  const char* oldKey = nullptr;
  // Written only when it says YES: a file that never used it stays as it was.
  bool writtenWhenSet = false;
};

std::vector<SettingKey> settingKeys() {
  AppearanceSettings& a = appearance;
  const AppearanceSettings& d = defaultAppearance;
  const LastGameSettings& dl = defaultLastGame;
  const NetSettings& dn = defaultNetSettings;
  std::vector<SettingKey> keys = {
      {"COLOR", "BACKGROUND", Kind::Colour, &a.backgroundColour, static_cast<int>(d.backgroundColour)},
      {"COLOR", "INK", Kind::Colour, &a.inkColour, static_cast<int>(d.inkColour)},
      {"LAST GAME", "GAME TYPE", Kind::Number, &lastGame.gameType, dl.gameType, nullptr, 0, 0, kVariantCount - 1},
      {"LAST GAME", "GIVE AWAY", Kind::YesNo, &lastGame.giveAway, dl.giveAway ? 1 : 0},
      {"LAST GAME", "LEVEL", Kind::Number, &lastGame.level, dl.level, nullptr, 0, 0, 2},
      {"LAST GAME", "PLAYER 1 NAME", Kind::Name, &lastGame.player1Name, 0, nullptr, kNameBuffer},
      {"LAST GAME", "PLAYER 2 NAME", Kind::Name, &lastGame.player2Name, 0, dl.player2Name.c_str(), kNameBuffer},
      {"SHOW", "AI PROGRESS", Kind::Number, &a.showAiProgress, d.showAiProgress},
      {"SHOW", "COORDINATES", Kind::Number, &a.showCoordinates, d.showCoordinates},
      {"SHOW", "DRAGGING_PIECE", Kind::Number, &a.dragShow, d.dragShow},
      {"SHOW", "FONT", Kind::Text, &a.fontFace, 0, d.fontFace.c_str(), kFontFaceBuffer},
      {"SHOW", "LAST MOVE", Kind::Number, &a.showLastMove, d.showLastMove},
      {"SHOW", "LEGAL MOVES", Kind::Number, &a.showLegalMoves, d.showLegalMoves},
      {"SHOW", "OPAQUE_DRAGGING_PIECE", Kind::Opacity, &a.dragOpacity, d.dragOpacity},
      {"SHOW", "SCALE", Kind::Scale, &a.cellSize, scaleOfCellSize(d.cellSize)},
      {"SHOW", "SHADOW_DRAGGING_PIECE", Kind::Number, &a.dragShadow, d.dragShadow},
      {"SHOW", "WHITE ON TOP", Kind::Number, &a.whiteOnTop, d.whiteOnTop},
      {"SKIN", "NAME", Kind::Text, &a.skinName, 0, "UNNAMED", 50},
      {"SKIN", "NUMBER", Kind::Number, &a.skinNumber, d.skinNumber, nullptr, 0, 0, kBuiltInSkinCount - 1},
      {"NET", "IP", Kind::Text, &netSettings.ip, 0, dn.ip.c_str(), 16},
      {"NET", "NAME", Kind::Name, &netSettings.name, 0, nullptr, kNameBuffer},
      {"NET", "PORT", Kind::Port, &netSettings.port, dn.port},
      {"NET", "SERVER", Kind::Number, &netSettings.server, dn.server},
  };
  // The sound keys are named after their events.
  static std::string soundKeys[kSoundEventCount][2];
  static std::string soundDefaults[kSoundEventCount];
  for (int i = 0; i < kSoundEventCount; ++i) {
    SoundEvent& sound = soundEvents[static_cast<size_t>(i)];
    soundKeys[i][0] = sound.name + "_FILE";
    soundKeys[i][1] = sound.name + "_ENABLE";
    soundDefaults[i] = defaultSoundPath(i);
    keys.push_back(
        {"SOUND", soundKeys[i][0].c_str(), Kind::Text, &sound.file, 0, soundDefaults[i].c_str(), kSoundPathLimit});
    keys.push_back({"SOUND", soundKeys[i][1].c_str(), Kind::Number, &sound.enabled, SoundEvent{}.enabled});
  }
  keys.push_back({"EXPORT", "FOLDER", Kind::Text, &exportSettings.folder, 0, "", 4096});
  keys.push_back(
      {"ENTRY", "ONE CLICK", Kind::Number, &entrySettings.oneClick, defaultEntrySettings.oneClick, nullptr, 0, 0, 1});
  // The larger boards, apart from SCALE, which keeps the three sizes older files know.
  keys.push_back({"WINDOW", "BOARD SCALE", Kind::BoardScale, &appearance.boardScale, defaultAppearance.boardScale});
  keys.push_back({"WINDOW", "LANGUAGE", Kind::Text, &languageSettings.language, 0, "", 16});
  keys.push_back({"WINDOW", "SQUARE NUMBERS", Kind::Number, &appearance.showSquareNumbers,
                  defaultAppearance.showSquareNumbers, nullptr, 0, 0, 1});
  keys.push_back({"WINDOW", "SLIDING MOVES", Kind::Number, &appearance.slideMoves, defaultAppearance.slideMoves,
                  nullptr, 0, 0, 1});
  // The Expert's keys follow the classic text; files written before they had
  // a section of their own kept them in [LAST GAME].
  keys.push_back(
      {"EXPERT", "PLAYS", Kind::YesNo, &lastGame.expert, dl.expert ? 1 : 0, nullptr, 0, 0, 0, "LAST GAME", "EXPERT"});
  keys.push_back({"EXPERT", "MOVE TIME", Kind::Number, &lastGame.moveTimeMs, dl.moveTimeMs, nullptr, 0, kMinMoveTimeMs,
                  kMaxMoveTimeMs, "LAST GAME", "MOVE TIME"});
  keys.push_back(
      {"EVALUATION", "SHOW", Kind::Number, &evaluationSettings.show, defaultEvaluationSettings.show, nullptr, 0, 0, 1});
  OutsideEngineSettings& e = outsideEngineSettings;
  const OutsideEngineSettings& de = defaultOutsideEngineSettings;
  keys.push_back({"OUTSIDE ENGINE", "COMMAND", Kind::Text, &e.command, 0, "", 4096});
  keys.push_back({"OUTSIDE ENGINE", "MOVE TIME", Kind::Number, &e.moveTimeMs, de.moveTimeMs, nullptr, 0, kMinMoveTimeMs,
                  kMaxMoveTimeMs});
  keys.push_back({"OUTSIDE ENGINE", "HUMAN SIDE", Kind::Number, &e.humanSide, de.humanSide, nullptr, 0, 0, 1});
  keys.push_back({"OUTSIDE ENGINE", "ADVISES", Kind::Number, &e.advises, de.advises, nullptr, 0, 0, 1});
  keys.push_back({"OUTSIDE ENGINE", "DXP", Kind::Number, &e.dxp, de.dxp, nullptr, 0, 0, 1});
  keys.push_back({"OUTSIDE ENGINE", "DXP HOST", Kind::Text, &e.dxpHost, 0, de.dxpHost.c_str(), 256});
  keys.push_back({"OUTSIDE ENGINE", "DXP PORT", Kind::Port, &e.dxpPort, de.dxpPort});
  keys.push_back({"RULES", "OFFICIAL", Kind::YesNo, &lastGame.officialRules, dl.officialRules ? 1 : 0, nullptr, 0, 0, 0,
                  nullptr, nullptr, true});
  return keys;
}

void readKey(const Profile& p, SettingKey k, const std::string& userName) {
  if (k.oldSection) {
    // A key missing from its section falls back to the old place, and only
    // then to its default.
    k.numberDefault = k.kind == Kind::YesNo
                          ? p.getString(k.oldSection, k.oldKey, k.numberDefault ? "YES" : "", 50) == "YES"
                          : p.getInt(k.oldSection, k.oldKey, k.numberDefault);
  }
  switch (k.kind) {
    case Kind::Number: {
      const int value = p.getInt(k.section, k.key, k.numberDefault);
      *static_cast<int*>(k.field) = k.low < k.high ? clamp(value, k.low, k.high) : value;
      return;
    }
    case Kind::Colour:
      *static_cast<Colour*>(k.field) = static_cast<Colour>(p.getInt(k.section, k.key, k.numberDefault));
      return;
    case Kind::Text:
      *static_cast<std::string*>(k.field) =
          p.getString(k.section, k.key, k.textDefault ? k.textDefault : userName, k.limit);
      return;
    case Kind::Name:
      *static_cast<std::string*>(k.field) =
          playerNameFrom(p.getString(k.section, k.key, k.textDefault ? k.textDefault : userName, k.limit), k.limit - 1);
      return;
    case Kind::YesNo:
      *static_cast<bool*>(k.field) = p.getString(k.section, k.key, k.numberDefault ? "YES" : "", 50) == "YES";
      return;
    case Kind::Scale:
      *static_cast<int*>(k.field) = cellSizeOfScale(p.getInt(k.section, k.key, k.numberDefault));
      return;
    case Kind::BoardScale: {
      const int value = p.getInt(k.section, k.key, k.numberDefault);
      bool known = value == 0 || value == kFitToWindow;
      for (const SquareSize& s : kLargeSquareSizes) known = known || s.percent == value;
      *static_cast<int*>(k.field) = known ? value : 0;
      return;
    }
    case Kind::Opacity: {
      const int value = p.getInt(k.section, k.key, k.numberDefault);
      *static_cast<int*>(k.field) = value < kMinDragOpacity || value > kMaxDragOpacity ? k.numberDefault : value;
      return;
    }
    case Kind::Port: {
      const int value = p.getInt(k.section, k.key, k.numberDefault);
      *static_cast<int*>(k.field) = value < kMinPort ? kLowPortRead : std::min(value, kMaxPort);
      return;
    }
  }
}

std::string writtenValue(const SettingKey& k) {
  switch (k.kind) {
    case Kind::Number:
    case Kind::BoardScale:
    case Kind::Opacity:
    case Kind::Port: return std::to_string(*static_cast<const int*>(k.field));
    // The colour read back as it was read: -1 stays -1.
    case Kind::Colour: return std::to_string(static_cast<std::int32_t>(*static_cast<const Colour*>(k.field)));
    case Kind::Text:
    case Kind::Name: return profileValue(*static_cast<const std::string*>(k.field));
    case Kind::YesNo: return *static_cast<const bool*>(k.field) ? "YES" : "NO";
    case Kind::Scale: return std::to_string(scaleOfCellSize(*static_cast<const int*>(k.field)));
  }
  return {};
}

}  // namespace

void loadSettings(const std::string& path, const std::string& userName) {
  loadSettingsFrom(Profile::readFile(path), userName);
}

void loadSettingsFrom(const Profile& p, const std::string& userName) {
  for (const SettingKey& k : settingKeys()) readKey(p, k, userName);
}

std::string settingsText() {
  std::string text;
  const char* section = nullptr;
  for (const SettingKey& k : settingKeys()) {
    if (k.writtenWhenSet && !*static_cast<const bool*>(k.field)) continue;
    if (!section || std::string(section) != k.section) {
      section = k.section;
      text += std::string("\r\n[") + section + "]\r\n";
    }
    text += profileLine(k.key, writtenValue(k));
  }
  return text;
}

bool saveSettings(const std::string& path, std::string* error) { return replaceFile(path, settingsText(), error); }

}  // namespace velmora
