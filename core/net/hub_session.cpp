#include "core/net/hub_session.h"

#include <algorithm>
#include <vector>

#include "core/game/game_state.h"
#include "core/net/engine_moves.h"
#include "core/net/hub_text.h"
#include "core/records/pdn_board.h"
#include "core/rules/generate.h"

namespace velmora {

namespace {

std::optional<long> number(const std::optional<std::string>& text) {
  if (!text || text->empty() || text->size() > 12) return std::nullopt;
  long value = 0;
  for (const char c : *text) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
  }
  return value;
}

// Seconds, with a fraction: "0.5", "10".
std::optional<double> seconds(const std::optional<std::string>& text) {
  if (!text || text->empty() || text->size() > 12) return std::nullopt;
  char* end = nullptr;
  const double value = std::strtod(text->c_str(), &end);
  if (end != text->c_str() + text->size() || !(value >= 0)) return std::nullopt;
  return value;
}

std::string variantValues() {
  std::string values;
  for (int t = 0; t < kVariantCount; ++t) {
    if (t > 0) values += ' ';
    values += hubVariantName(static_cast<GameType>(t));
  }
  return values;
}

}  // namespace

HubSession::HubSession(std::function<void(const std::string&)> out, std::size_t tableEntries)
    : out_(std::move(out)), engine_(tableEntries), game_(std::make_unique<GameState>()) {
  setUpBoard(*game_, variant_);
  game_->plyCount = 0;
  limits_.level = kExpertLevel;
  limits_.moveTimeMs = 1000;
}

HubSession::~HubSession() {
  engine_.stop();
  joinPonderClock();
}

void HubSession::joinPonderClock() {
  if (ponderClock_.joinable()) ponderClock_.join();
}

void HubSession::finish() {
  if (untilStopped_) engine_.requestStop();
  {
    std::unique_lock lock(searchLock_);
    searchEnded_.wait(lock, [this] { return !searching_; });
  }
  engine_.stop();  // the search's last words are said before this returns
}

void HubSession::ponderHit() {
  if (!pondering_) return;
  pondering_ = false;
  untilStopped_ = false;
  const int ms = limits_.moveTimeMs;
  if (ms <= 0) return;  // "infinite": it still ends at "stop"
  joinPonderClock();
  ponderClock_ = std::thread([this, ms] {
    std::unique_lock lock(searchLock_);
    if (!searchEnded_.wait_for(lock, std::chrono::milliseconds(ms), [this] { return !searching_; }))
      engine_.requestStop();
  });
}

void HubSession::answer(const std::string& text) {
  std::lock_guard lock(outLock_);
  out_(text);
}

void HubSession::error(const std::string& message) { answer("error message=\"" + message + "\""); }

bool HubSession::line(const std::string& text) {
  const std::string command = text.substr(0, text.find(' '));
  const std::string rest = text.size() > command.size() ? text.substr(command.size() + 1) : "";
  if (command == "quit") {
    engine_.stop();
    return false;
  }
  if (command == "ping") {
    answer("pong");
  } else if (command == "stop") {
    engine_.requestStop();
  } else if (searching()) {
    // Only ping, stop and ponder-hit reach a search.
    if (command == "ponder-hit")
      ponderHit();
    else
      error("busy searching: " + command.substr(0, 40));
  } else if (command == "hub") {
    answer(std::string("id name=Velmora version=") + VELMORA_VERSION);
    answer("param name=variant value=" + hubVariantName(variant_) + " type=enum values=\"" + variantValues() + "\"");
    answer("wait");
  } else if (command == "set-param") {
    const auto name = hubArgument(rest, "name");
    const auto value = hubArgument(rest, "value");
    if (name == "variant" && value) {
      bool known = false;
      for (int t = 0; t < kVariantCount; ++t) {
        const auto type = static_cast<GameType>(t);
        if (hubVariantName(type) == *value || variantInfo(type).name == *value) {
          variant_ = type;
          known = true;
        }
      }
      if (!known) error("unknown variant " + value->substr(0, 40));
      setUpBoard(*game_, variant_);
      game_->plyCount = 0;
    }
  } else if (command == "init") {
    answer("ready");
  } else if (command == "new-game") {
    engine_.stop();
    setUpBoard(*game_, variant_);
    game_->plyCount = 0;
  } else if (command == "pos") {
    const auto squares = hubArgument(rest, "pos");
    setPosition(squares.value_or(""), hubArgument(rest, "moves").value_or(""));
  } else if (command == "level") {
    if (const auto depth = number(hubArgument(rest, "depth")))
      limits_.maxDepth = static_cast<int>(std::min(*depth, 99L));
    if (const auto nodes = number(hubArgument(rest, "nodes"))) limits_.maxNodes = static_cast<std::uint64_t>(*nodes);
    if (const auto t = seconds(hubArgument(rest, "move-time")))
      limits_.moveTimeMs = std::max(1, static_cast<int>(*t * 1000));
    if (const auto total = seconds(hubArgument(rest, "time"))) {
      const long moves = number(hubArgument(rest, "moves")).value_or(30);
      const double increment = seconds(hubArgument(rest, "inc")).value_or(0);
      // A share of what is left, kept back a little for the transfers.
      limits_.moveTimeMs =
          std::max(1, static_cast<int>((*total / static_cast<double>(std::max(1L, moves)) + increment * 0.9) * 1000));
    }
    if (rest.find("infinite") != std::string::npos) limits_.moveTimeMs = 0;
  } else if (command == "go") {
    const bool ponder = rest.find("ponder") != std::string::npos;
    go(ponder || rest.find("analyze") != std::string::npos, ponder);
  }
  // Anything else is a command of a later version: left alone.
  return true;
}

bool HubSession::setPosition(const std::string& squares, const std::string& moves) {
  const auto places = hubSquares(variant_);
  if (squares.size() != places.size() + 1 || (squares[0] != 'W' && squares[0] != 'B')) {
    error("pos wants W or B and " + std::to_string(places.size()) + " squares");
    return false;
  }
  std::vector<PlacedPiece> pieces;
  for (size_t k = 0; k < places.size(); ++k) {
    const char c = squares[k + 1];
    if (std::string("wbWBe").find(c) == std::string::npos) {
      error(std::string("a square that is not w, b, W, B or e: ") + c);
      return false;
    }
    if (c != 'e') pieces.push_back({places[k], c});
  }
  auto next = std::make_unique<GameState>();
  if (const auto why = placePieces(variant_, squares[0] == 'W', pieces, *next)) {
    error("pos: " + *why);
    return false;
  }
  next->plyCount = 0;
  size_t at = 0;
  while (at < moves.size()) {
    const size_t end = std::min(moves.find(' ', at), moves.size());
    const std::string move = moves.substr(at, end - at);
    at = end + 1;
    if (move.empty()) continue;
    const int index = legalHubMove(*next, move);
    if (index < 0 || next->plyCount >= kMaxGameMoves) {
      error("the move " + move.substr(0, 40) + " is not legal there");
      return false;
    }
    applyMove(next->legalMoves[index], next->gameRecord[next->plyCount], *next);
    ++next->plyCount;
  }
  game_ = std::move(next);
  return true;
}

void HubSession::go(bool untilStopped, bool ponder) {
  generateMoves(game_->legalMoves, *game_, game_->sideToMove());
  if (game_->moveCount == 0) {
    error("no legal move");
    return;
  }
  EngineLimits limits = limits_;
  if (untilStopped) limits.moveTimeMs = 0;
  limits.level = kExpertLevel;
  engine_.setPosition(*game_, *game_);
  const GameType type = variant_;
  auto game = std::make_shared<GameState>(*game_);
  joinPonderClock();
  searching_ = true;
  untilStopped_ = untilStopped;
  pondering_ = ponder;
  engine_.start(
      limits,
      [this](const EngineProgress& p) {
        answer("info depth=" + std::to_string(p.depth) + " score=" + std::to_string(p.score));
        return true;
      },
      [this, type, game](const EngineResult& r) {
        generateMoves(game->legalMoves, *game, game->sideToMove());
        const int index = r.rootIndex >= 0 && r.rootIndex < game->moveCount ? r.rootIndex : 0;
        std::string pv;
        for (int i = 0; i < r.pvLength; ++i) {
          if (i > 0) pv += ' ';
          pv += hubMoveText(type, r.pv[i]);
        }
        answer("info depth=" + std::to_string(r.depth) + " score=" + std::to_string(r.score) +
               " nodes=" + std::to_string(r.nodes) + " pv=\"" + pv + "\"");
        std::string done = "done move=" + hubMoveText(type, game->legalMoves[index]);
        // The reply it expects, for the host to ponder on.
        if (r.pvLength >= 2 && r.rootIndex == index) {
          done += " ponder=";
          done += hubMoveText(type, r.pv[1]);
        }
        {
          std::lock_guard lock(searchLock_);
          searching_ = false;
        }
        searchEnded_.notify_all();
        answer(done);
      });
}

}  // namespace velmora
