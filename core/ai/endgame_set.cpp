#include "core/ai/endgame_set.h"

#include <filesystem>
#include <system_error>
#include <vector>

#include "core/ai/endgame_build.h"
#include "core/ai/endgame_file.h"

namespace velmora {

namespace {

// Each table in turn, in an order in which those its moves lead to come
// first: read where its file is sound, else made and written.
template <int N>
std::optional<std::string> fill(EndgameDb<N>& db, const std::string& folder, int pieces, const std::atomic<bool>& stop,
                                const std::function<void(const EndgameStep&)>& report) {
  const std::vector<Material> materials = endgameMaterials(pieces);
  EndgameStep step;
  step.allTables = static_cast<int>(materials.size());
  for (const Material& m : materials) step.total += EndgameIndex<N>(m).size();
  for (const Material& m : materials) {
    if (stop) return "stopped";
    // A file that is missing, cut short or altered is refused by its
    // lengths and checksum, and made anew.
    if (db.load(folder, m)) {
      step.making = true;
      if (report) report(step);  // the wait is a making now, not a reading
      if (auto problem = buildEndgameTable(db, m, &stop)) return stop ? "stopped" : *problem;
      if (auto problem = writeEndgameTable(folder, db.family(), N, m, db.table(m)->values)) return problem;
    }
    step.done += db.table(m)->index.size();
    ++step.tables;
    if (report) report(step);
  }
  return std::nullopt;
}

}  // namespace

bool endgamesServe(RuleFamily family, int boardSize) {
  return endgameFamily(family) && (boardSize == 8 || boardSize == 10);
}

bool endgameFilesPresent(RuleFamily family, int boardSize, const std::string& folder, int pieces) {
  std::error_code error;
  for (const Material& m : endgameMaterials(pieces))
    if (!std::filesystem::exists(folder + "/" + endgameFileName(family, boardSize, m), error)) return false;
  return true;
}

bool EndgameSet::serves(const Position& position) const {
  return !position.giveAway && rulesOf(position) == family && position.boardSize == boardSize;
}

std::optional<EndgameResult> EndgameSet::probe(const Position& position, int side) const {
  if (!serves(position)) return std::nullopt;
  if (board8) return board8->probe(readBitBoard<8>(position.board), side);
  if (board10) return board10->probe(readBitBoard<10>(position.board), side);
  return std::nullopt;
}

std::optional<std::string> fillEndgameSet(EndgameSet& set, const std::string& folder, int pieces,
                                          const std::atomic<bool>& stop,
                                          const std::function<void(const EndgameStep&)>& report) {
  if (!endgamesServe(set.family, set.boardSize)) return "no endgame databases for these rules";
  std::error_code error;
  std::filesystem::create_directories(folder, error);
  if (error) return "cannot make " + folder + ": " + error.message();
  if (set.boardSize == 8) {
    set.board8 = std::make_unique<EndgameDb<8>>(set.family);
    return fill(*set.board8, folder, pieces, stop, report);
  }
  set.board10 = std::make_unique<EndgameDb<10>>(set.family);
  return fill(*set.board10, folder, pieces, stop, report);
}

void EndgameMaker::start(RuleFamily family, int boardSize, Report report, Done done) {
  stop();
  stop_ = false;
  busy_ = true;
  thread_ = std::thread([this, family, boardSize, report = std::move(report), done = std::move(done)] {
    auto set = std::make_shared<EndgameSet>();
    set->family = family;
    set->boardSize = boardSize;
    const auto problem = fillEndgameSet(*set, folder_, pieces_, stop_, report);
    if (problem)
      done(nullptr, *problem);
    else
      done(std::move(set), {});
    busy_ = false;
  });
}

void EndgameMaker::stop() {
  stop_ = true;
  if (thread_.joinable()) thread_.join();
  busy_ = false;
}

}  // namespace velmora
