#include "core/game/settings.h"

#include <cstdio>
#include <fstream>

#include "core/platform/profile.h"
#include "core/view/appearance.h"

namespace velmora {

LastGameSettings lastGame;
NetSettings netSettings;
SoundSetting soundSettings[kSoundEventCount] = {
    {"Capture", {}, 1}, {"Error", {}, 1}, {"Movement", {}, 1}, {"Promotion", {}, 1}};

namespace {

int clamp(int value, int low, int high) { return value < low ? low : value > high ? high : value; }

int cellSizeOfScale(int scale) { return scale == 87 ? 56 : scale == 75 ? 48 : 64; }
const char* scaleOfCellSize(int cell) { return cell == 64 ? "100" : cell == 56 ? "87" : "75"; }

std::string defaultSoundFile(const char* event) { return std::string(".\\Sound\\") + event + ".wav"; }

}  // namespace

void loadSettings(const std::string& path, const std::string& userName) {
  const Profile p = Profile::readFile(path);
  AppearanceSettings& a = appearance;
  const AppearanceSettings& d = defaultAppearance;

  a.backgroundColour = static_cast<Colour>(p.getInt("COLOR", "BACKGROUND", static_cast<int>(d.backgroundColour)));
  a.inkColour = static_cast<Colour>(p.getInt("COLOR", "INK", static_cast<int>(d.inkColour)));

  lastGame.gameType = clamp(p.getInt("LAST GAME", "GAME TYPE", 0), 0, kVariantCount - 1);
  lastGame.level = clamp(p.getInt("LAST GAME", "LEVEL", 0), 0, 2);
  lastGame.giveAway = p.getString("LAST GAME", "GIVE AWAY", "", 50) == "YES";
  lastGame.player1Name = p.getString("LAST GAME", "PLAYER 1 NAME", userName, 50);
  lastGame.player2Name = p.getString("LAST GAME", "PLAYER 2 NAME", "Computer", 50);

  a.showAiProgress = p.getInt("SHOW", "AI PROGRESS", d.showAiProgress);
  a.showCoordinates = p.getInt("SHOW", "COORDINATES", d.showCoordinates);
  a.showLastMove = p.getInt("SHOW", "LAST MOVE", d.showLastMove);
  a.showLegalMoves = p.getInt("SHOW", "LEGAL MOVES", d.showLegalMoves);
  a.dragShow = p.getInt("SHOW", "DRAGGING_PIECE", d.dragShow);
  a.dragShadow = p.getInt("SHOW", "SHADOW_DRAGGING_PIECE", d.dragShadow);
  a.dragOpacity = p.getInt("SHOW", "OPAQUE_DRAGGING_PIECE", d.dragOpacity);
  if (a.dragOpacity < 50 || a.dragOpacity > 100) a.dragOpacity = 85;
  a.fontFace = p.getString("SHOW", "FONT", d.fontFace, 260);
  a.cellSize = cellSizeOfScale(p.getInt("SHOW", "SCALE", 100));
  a.whiteOnTop = p.getInt("SHOW", "WHITE ON TOP", d.whiteOnTop);

  a.skinName = p.getString("SKIN", "NAME", "UNNAMED", 50);
  a.skinNumber = clamp(p.getInt("SKIN", "NUMBER", d.skinNumber), 0, kBuiltInSkinCount - 1);

  netSettings.server = p.getInt("NET", "SERVER", 1);
  netSettings.ip = p.getString("NET", "IP", "0.0.0.0", 16);
  netSettings.port = p.getInt("NET", "PORT", 7000);
  if (netSettings.port < kMinPort) netSettings.port = kMinPort;
  netSettings.name = p.getString("NET", "NAME", userName, 50);

  for (SoundSetting& s : soundSettings) {
    s.file = p.getString("SOUND", std::string(s.event) + "_FILE", defaultSoundFile(s.event), 260);
    s.enabled = p.getInt("SOUND", std::string(s.event) + "_ENABLE", 1);
  }
}

std::string settingsText() {
  const AppearanceSettings& a = appearance;
  std::string text;
  const auto section = [&](const char* name) { text += std::string("\r\n[") + name + "]\r\n"; };
  const auto line = [&](const std::string& key, const std::string& value) { text += key + " = " + value + "\r\n"; };
  const auto number = [&](const std::string& key, long long value) { line(key, std::to_string(value)); };

  section("COLOR");
  number("BACKGROUND", a.backgroundColour);
  number("INK", a.inkColour);
  section("LAST GAME");
  number("GAME TYPE", lastGame.gameType);
  line("GIVE AWAY", lastGame.giveAway ? "YES" : "NO");
  number("LEVEL", lastGame.level);
  line("PLAYER 1 NAME", lastGame.player1Name);
  line("PLAYER 2 NAME", lastGame.player2Name);
  section("SHOW");
  number("AI PROGRESS", a.showAiProgress);
  number("COORDINATES", a.showCoordinates);
  number("DRAGGING_PIECE", a.dragShow);
  line("FONT", a.fontFace);
  number("LAST MOVE", a.showLastMove);
  number("LEGAL MOVES", a.showLegalMoves);
  number("OPAQUE_DRAGGING_PIECE", a.dragOpacity);
  line("SCALE", scaleOfCellSize(a.cellSize));
  number("SHADOW_DRAGGING_PIECE", a.dragShadow);
  number("WHITE ON TOP", a.whiteOnTop);
  section("SKIN");
  line("NAME", a.skinName);
  number("NUMBER", a.skinNumber);
  section("NET");
  line("IP", netSettings.ip);
  line("NAME", netSettings.name);
  number("PORT", netSettings.port);
  number("SERVER", netSettings.server);
  section("SOUND");
  for (const SoundSetting& s : soundSettings) {
    line(std::string(s.event) + "_FILE", s.file);
    number(std::string(s.event) + "_ENABLE", s.enabled);
  }
  return text;
}

bool saveSettings(const std::string& path) {
  // Written beside the file and renamed over it, so a failed write never
  // leaves half a settings file.
  const std::string temporary = path + ".new";
  const std::string text = settingsText();
  {
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    if (!out) return false;
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
    if (!out.flush()) return false;
  }
  if (std::rename(temporary.c_str(), path.c_str()) != 0) {
    std::remove(temporary.c_str());
    return false;
  }
  return true;
}

}  // namespace velmora
