#pragma once
// Building the endgame tables by retrograde analysis, and checking them.

#include <atomic>
#include <optional>
#include <string>

#include "core/ai/endgame_db.h"

namespace velmora {

// Builds the table of `m` for the database's family and adds it to `db`,
// which must hold every material a capture or a crowning leads to from it
// (endgameMaterials lists them in a fitting order). The reason when one is
// missing, or when a game lasts longer than a table records. Once `stop` is
// set the building ends within a moment, adds nothing and says so: a table
// takes seconds, too long to keep a closing window waiting.
template <int N>
std::optional<std::string> buildEndgameTable(EndgameDb<N>& db, const Material& m,
                                             const std::atomic<bool>* stop = nullptr);

// Checks every position of the table of `m` against its moves: the table
// holds what the successors' entries make it. Says where the first entry
// that does not agree stands; nothing when all do.
template <int N>
std::optional<std::string> verifyEndgameTable(const EndgameDb<N>& db, const Material& m);

}  // namespace velmora
