#include "shell/analysis_runner.h"

#include <QWidget>

#include "core/ai/analysis.h"
#include "core/game/computer_move.h"
#include "core/game/game_state.h"
#include "core/game/position_score.h"
#include "core/platform/host.h"
#include "core/platform/translation.h"
#include "core/records/listing.h"
#include "shell/endgame_library.h"
#include "shell/system/language.h"

namespace velmora {

namespace {

// "After 31. f2-e3 the endgame databases know the game: White wins in 4."
// `lines` is the listing analysed, whose line k + 1 holds move k.
std::string knownText(const KnownPosition& p, const std::vector<std::string>& lines) {
  const std::string outcome = knownPositionScore(p.known, p.side).line;
  if (p.plies == 0 || static_cast<std::size_t>(p.plies) >= lines.size())
    return fillIn(say("The endgame databases know the game from its start: %1."), outcome);
  std::string move = lines[static_cast<std::size_t>(p.plies)];
  move.erase(0, move.find_first_not_of(' '));
  return fillIn(say("After %1 the endgame databases know the game: %2."), move, outcome);
}

}  // namespace

AnalysisRunner::AnalysisRunner(const GameState& game, const MoveListing& listing, QWidget* window,
                               const EndgameLibrary& endgames, ExpertWorker::Deliver deliver,
                               std::function<void(bool)> analysing, std::function<void()> refresh)
    : game_(game),
      listing_(listing),
      window_(window),
      endgames_(endgames),
      analysing_(std::move(analysing)),
      refresh_(std::move(refresh)),
      worker_(std::move(deliver), std::size_t{1} << 20) {}

void AnalysisRunner::showProgress(int done, int total) {
  window_->setWindowTitle(QString::fromStdString(plainWindowTitle()) + " [" +
                          ui("Analysing %1/%2").arg(done).arg(total) + "]");
}

void AnalysisRunner::start() {
  const int plies = listing_.moveCount();
  if (plies == 0 || running()) return;
  auto game = std::make_shared<GameState>(game_);
  lines_ = listing_.lines;
  marks_.clear();
  cancel_ = std::make_shared<std::atomic<bool>>(false);
  analysing_(true);
  showProgress(0, plies + 1);
  const EndgameSet* endgames = endgames_.setFor(*game);
  worker_.start([this, game, plies, endgames, cancel = cancel_](Engine& engine, const ExpertWorker::Post& post) {
    engine.setEndgames(endgames ? endgames->board8.get() : nullptr, endgames ? endgames->board10.get() : nullptr);
    EngineLimits limits;
    limits.moveTimeMs = kAnalysisTimeMs;
    struct Reporter {
      AnalysisRunner* runner;
      const ExpertWorker::Post& post;
      static void report(void* context, int done, int total) {
        auto* self = static_cast<Reporter*>(context);
        self->post([runner = self->runner, done, total] { runner->showProgress(done, total); });
      }
    } reporter{this, post};
    const std::vector<PlyAnalysis> moves = analyseGame(*game, plies, engine, limits, Reporter::report, &reporter);
    std::vector<std::string> marks;
    for (const PlyAnalysis& a : moves) marks.emplace_back(markText(a.mark));
    const auto known = endgames ? firstKnownPosition(*game, plies, *endgames) : std::nullopt;
    post([this, marks, known, cancelled = cancel->load()] {
      arrived(marks, known ? knownText(*known, lines_) : std::string(), cancelled);
    });
  });
}

void AnalysisRunner::cancel() {
  if (cancel_) *cancel_ = true;
  worker_.breakOff();
}

void AnalysisRunner::abandon() {
  if (!running()) return;
  worker_.stop();
  analysing_(false);
  window_->setWindowTitle(QString::fromStdString(plainWindowTitle()));
}

void AnalysisRunner::forget() {
  lines_.clear();
  marks_.clear();
}

void AnalysisRunner::arrived(const std::vector<std::string>& marks, const std::string& known, bool cancelled) {
  marks_ = marks;
  analysing_(false);
  window_->setWindowTitle(QString::fromStdString(plainWindowTitle()));
  refresh_();
  if (cancelled) return;
  int count[2][2] = {};  // [side][0 mistakes, 1 blunders]
  for (std::size_t k = 0; k < marks.size(); ++k)
    if (!marks[k].empty()) ++count[listing_.sideToMoveAt(static_cast<int>(k))][marks[k] == "??" ? 1 : 0];
  const auto side = [&](const std::string& text, int s) {
    return fillIn(text, std::to_string(count[s][0]), std::to_string(count[s][1]));
  };
  host.messageBox(say("Analysis done.") + "\n" + side(say("White: %1 mistakes (?), %2 blunders (?\?)"), White) + "\n" +
                      side(say("Black: %1 mistakes (?), %2 blunders (?\?)"), Black) +
                      (known.empty() ? "" : "\n" + known),
                  MessageIcon::Information, MessageButtons::Ok);
}

std::vector<std::string> AnalysisRunner::shownLines() const {
  std::vector<std::string> lines = listing_.lines;
  for (std::size_t i = 0; i < lines.size() && i < lines_.size() && lines[i] == lines_[i]; ++i)
    if (i >= 1 && i - 1 < marks_.size()) lines[i] += marks_[i - 1];
  return lines;
}

}  // namespace velmora
