#include "core/records/saved_game.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <filesystem>
#include <memory>

#include "core/platform/file_write.h"
#include "core/platform/host.h"
#include "core/platform/player_name.h"
#include "core/platform/profile.h"
#include "core/platform/text.h"
#include "core/platform/translation.h"
#include "core/records/listing.h"
#include "core/records/notation.h"
#include "core/records/recorded_game.h"
#include "core/rules/generate.h"
#include "core/rules/position_text.h"

namespace velmora {

namespace fs = std::filesystem;

namespace {

constexpr const char* kHeader = "HEADER";
constexpr const char* kMovements = "MOVEMENTS";
constexpr size_t kValueBuffer = 50;  // values are read with at most 49 characters
constexpr const char* kNameKeys[2] = {"PLAYER 1 NAME", "PLAYER 2 NAME"};
constexpr const char* kTimeKeys[2] = {"PLAYER 1 TIME", "PLAYER 2 TIME"};
constexpr const char* kDefaultNames[2] = {"PLAYER 1", "PLAYER 2"};
// Written only for a game that did not begin at the variant's set-up.
constexpr const char* kStartKey = "START POSITION";
// Written only for a game by the federation's rules: a section of its own,
// which older copies pass over, reading the moves by the classic rules as
// far as those allow.
constexpr const char* kRules = "RULES";
constexpr const char* kOfficialKey = "OFFICIAL";
constexpr size_t kStartBuffer = 200;  // a 12 x 12 position text has 157 characters
// A move text shorter than "a1-b2" cannot name a move.
constexpr size_t kShortestMoveText = 5;
// NAME_MAX less ".vlm" and the ".new" of the temporary file beside it.
constexpr size_t kLongestFileName = 255 - 8;

std::string lower(std::string s) {
  for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return s;
}

bool sameName(const std::string& a, const std::string& b) { return lower(a) == lower(b); }

std::string playerName(const PlayerRecord& p) { return std::string(p.name, strnlen(p.name, sizeof p.name)); }

bool hasComputer(const RecordedGame& game) {
  return game.players[White].type == ComputerPlayer || game.players[Black].type == ComputerPlayer;
}

// The entry of `folder` named `name` without regard to case: the exact name
// when it is there, otherwise the first in byte order; empty when none.
std::string entryOfName(const fs::path& folder, const std::string& name, bool directory) {
  std::vector<std::string> found;
  std::error_code ec;
  for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
    const std::string entry = it->path().filename().string();
    if (!sameName(entry, name)) continue;
    std::error_code typeError;
    if (directory && !it->is_directory(typeError)) continue;
    if (entry == name) return entry;
    found.push_back(entry);
  }
  return found.empty() ? std::string() : *std::min_element(found.begin(), found.end());
}

// The start position of the header, when there is one that reads for the
// variant; a damaged one leaves the variant's set-up.
void readStart(RecordedGame& s, const Profile& p) {
  const std::string text = p.getString(kHeader, kStartKey, "", kStartBuffer);
  if (text.empty()) return;
  auto read = std::make_unique<RecordedPosition>();
  if (readPosition(text, s.gameType, *read)) return;
  s.start.custom = 1;
  s.start.side = read->sideToMove();
  std::memcpy(s.start.board, read->board, sizeof s.start.board);
  setUpStartOf(s, s, s.gameType, s.start);
}

void loadGame(RecordedGame& s, const Profile& p) {
  // The variant: a name outside the table plays as American.
  const GameType found = gameTypeFromName(p.getString(kHeader, "GAME TYPE", "ERROR", kValueBuffer).c_str());
  const GameType type = found < 0 ? American : found;

  // The players: the name "Computer" is what marks the computer.
  for (int side = 0; side < 2; ++side) {
    const std::string name = p.getString(kHeader, kNameKeys[side], kDefaultNames[side], kValueBuffer);
    setPlayerName(s.players[side], name);
    s.players[side].type = name == kComputerName ? ComputerPlayer : HumanPlayer;
  }
  // Between two humans the level of the state is kept.
  // The file knows the level only: a loaded game is played at it.
  if (hasComputer(s)) {
    s.searchDepth = std::clamp(p.getInt(kHeader, "AI LEVEL", 1), 0, 2) + 2;
    s.expertMoveTimeMs = 0;
  }
  s.giveAway = p.getString(kHeader, "GIVE AWAY", "NO", kValueBuffer) == "YES" ? 1 : 0;
  s.officialRules = p.getString(kRules, kOfficialKey, "NO", kValueBuffer) == "YES" && hasOfficialRules(type) ? 1 : 0;
  for (int side = 0; side < 2; ++side) s.players[side].clockSeconds = p.getInt(kHeader, kTimeKeys[side], 0);

  // The moves, from the start position, up to the first that is missing,
  // too short or not legal; playMoveText refuses the 401st.
  setUpBoard(s, s, type);
  readStart(s, p);
  s.plyCount = 0;
  for (;;) {
    const std::string text = p.getString(kMovements, "NUMBER " + std::to_string(s.plyCount), "EMPTY", kValueBuffer);
    if (text == "EMPTY" || text.size() < kShortestMoveText || !playMoveText(s, text)) break;
  }

  // The board once more from the record, as every other rebuild makes it.
  setUpStartOf(s, s, s.gameType, s.start);
  for (int j = 0; j < s.plyCount; ++j) applyMove(s.gameRecord[j], s.gameRecord[j], s);
}

}  // namespace

std::string savedGameText(const RecordedGame& game, int moves) {
  std::string text;
  const auto line = [&text](const std::string& key, const std::string& value) { text += profileLine(key, value); };
  text += "[HEADER]\r\n";
  if (hasComputer(game)) line("AI LEVEL", std::to_string(game.searchDepth - 2));
  line("GAME TYPE", gameTypeName(game.gameType));
  if (game.start.custom) line(kStartKey, positionText(game.start.board, game.boardSize, game.start.side));
  line("GIVE AWAY", game.giveAway ? "YES" : "NO");
  for (int side = 0; side < 2; ++side) {
    // Quoted where the reader would otherwise trim or unquote the name.
    line(kNameKeys[side], profileValue(playerName(game.players[side])));
    line(kTimeKeys[side], std::to_string(game.players[side].clockSeconds));
  }
  if (game.officialRules) {
    text += "\r\n[";
    text += kRules;
    text += "]\r\n";
    line(kOfficialKey, "YES");
  }
  text += "\r\n[MOVEMENTS]\r\n";
  for (int k = 0; k < moves; ++k) line("NUMBER " + std::to_string(k), formatMove(game, k));
  return text;
}

void loadGameText(RecordedGame& state, const std::string& text) { loadGame(state, Profile::fromText(text)); }

void loadGameFile(RecordedGame& state, const std::string& path) { loadGame(state, Profile::readFile(path)); }

std::optional<std::string> notASavedGame(const std::string& text) {
  if (text.empty()) return "the file is empty";
  if (text.find('\0') != std::string::npos) return "the file holds zero bytes: it is not a text file (or is UTF-16)";
  const std::string type = Profile::fromText(text).getString(kHeader, "GAME TYPE", "", kValueBuffer);
  if (type.empty()) return "no GAME TYPE in a [HEADER] section";
  if (gameTypeFromName(type.c_str()) < 0)
    return "GAME TYPE " + quotedExcerpt(type) + " is not a variant this program plays";
  return std::nullopt;
}

std::optional<std::string> lostMoves(const std::string& text, int loadedMoves) {
  const Profile p = Profile::fromText(text);
  const std::string absent = "\n";  // no value read from a line holds a line end
  const auto move = [&](int k) { return p.getString(kMovements, "NUMBER " + std::to_string(k), absent, kValueBuffer); };
  const std::string next = move(loadedMoves);
  if (next != absent)
    return "move " + std::to_string(loadedMoves + 1) + " " + quotedExcerpt(next) +
           " cannot be played: it and any moves after it were lost";
  // A gap: the reader stops there, whatever follows.
  for (int k = loadedMoves + 1; k <= kMaxGameMoves; ++k)
    if (move(k) != absent)
      return "move " + std::to_string(loadedMoves + 1) + " is missing: the moves after it were lost";
  return std::nullopt;
}

std::string savedGamesFolder(const std::string& workDir) {
  const std::string existing = entryOfName(workDir, "Save", true);
  return (fs::path(workDir) / (existing.empty() ? "SAVE" : existing)).string();
}

std::string savedGamePath(const std::string& workDir, const std::string& name) {
  const fs::path folder = savedGamesFolder(workDir);
  const std::string file = name + kSavedGameExtension;
  const std::string existing = entryOfName(folder, file, false);
  return (folder / (existing.empty() ? file : existing)).string();
}

std::vector<std::string> listSavedGames(const std::string& workDir) {
  std::vector<std::string> names;
  std::error_code ec;
  const size_t extension = std::strlen(kSavedGameExtension);
  for (fs::directory_iterator it(savedGamesFolder(workDir), ec), end; !ec && it != end; it.increment(ec)) {
    const std::string name = it->path().filename().string();
    std::error_code typeError;
    if (name.size() < extension || !it->is_regular_file(typeError)) continue;
    if (lower(name.substr(name.size() - extension)) == kSavedGameExtension) names.push_back(name);
  }
  std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
    const std::string la = lower(a), lb = lower(b);
    return la != lb ? la < lb : a < b;
  });
  return names;
}

bool saveGameFile(const RecordedGame& game, const MoveListing& listing, const std::string& path) {
  std::error_code ec;
  if (fs::exists(path, ec) &&
      !host.messageBox(say("File exist. Overwrite?"), MessageIcon::Question, MessageButtons::YesNoDefaultNo))
    return false;
  const std::string text = savedGameText(game, listing.moveCount());
  fs::create_directory(fs::path(path).parent_path(), ec);  // an existing folder is no error
  if (!replaceFile(path, text)) {
    host.messageBox(say("Error save game."), MessageIcon::Error, MessageButtons::Ok);
    return false;
  }
  host.messageBox(say("Game saved."), MessageIcon::Information, MessageButtons::Ok);
  return true;
}

std::string proposedSaveName(const RecordedGame& game, const std::string& shortDate) {
  std::string date;
  for (const char c : shortDate) {
    if (c >= '0' && c <= '9')
      date += c;
    else if ((static_cast<unsigned char>(c) & 0xC0) != 0x80)  // one "_" for a whole UTF-8 character
      date += '_';
  }
  // The board shown before any game has no players; such a side is named
  // as New game names a player who gave none.
  const auto named = [&](int side) {
    const std::string name = playerName(game.players[side]);
    return name.empty() ? std::string(side == White ? "Player 1" : "Player 2") : name;
  };
  return "[" + named(White) + "]-[" + named(Black) + "]-[" + date + "]-[RULES-" + gameTypeName(game.gameType) + "]";
}

std::optional<std::string> saveNameProblem(const std::string& name) {
  if (name.empty()) return say("Please enter name");
  for (const char c : name)
    if (static_cast<unsigned char>(c) < 0x20 || std::strchr("\\/:*?\"<>|", c) != nullptr)
      return say("A file name cannot hold any of \\ / : * ? \" < > | or control characters.");
  if (name.size() > kLongestFileName) return say("The name is too long for a file name.");
  return std::nullopt;
}

}  // namespace velmora
