#pragma once
// The file of one endgame table. A 72-byte header (magic, version, family,
// board size, material, the counts of wins, losses and draws, the lengths of
// the two parts and a checksum of the values), then the outcomes two bits a
// position and the plies a byte a position, each part run-length coded.
// A file comes from outside: every length and count is checked before it is
// used, and a file that does not add up is refused with the reason.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/ai/endgame_index.h"
#include "core/rules/board.h"

namespace velmora {

constexpr int kEndgameFileVersion = 1;
constexpr int kEndgameHeaderBytes = 72;

// "american-8-w2m1k-b0m1k.egdb".
std::string endgameFileName(RuleFamily family, int boardSize, const Material& m);

// The family's name in file names and on the command line.
const char* endgameFamilyName(RuleFamily family);

// The file's bytes for the values of a table (see endgameValue).
std::string encodeEndgameTable(RuleFamily family, int boardSize, const Material& m,
                               const std::vector<std::uint8_t>& values);

// Reads the values of the table of `m` for the family and board, `positions`
// of them, from a file's bytes; the reason when they are refused.
std::optional<std::string> decodeEndgameTable(std::string_view bytes, RuleFamily family, int boardSize,
                                              const Material& m, std::uint64_t positions,
                                              std::vector<std::uint8_t>& values);

// The largest file a table of `positions` positions can have.
std::uint64_t endgameFileBound(std::uint64_t positions);

// Writes the table's file into `folder`, replacing it whole.
std::optional<std::string> writeEndgameTable(const std::string& folder, RuleFamily family, int boardSize,
                                             const Material& m, const std::vector<std::uint8_t>& values);

}  // namespace velmora
