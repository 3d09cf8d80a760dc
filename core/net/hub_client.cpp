#include "core/net/hub_client.h"

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "core/net/hub_text.h"
#include "core/platform/translation.h"
#include "core/records/notation.h"
#include "core/rules/game_record.h"
#include "core/rules/generate.h"

namespace velmora {

namespace {

std::string lowerCase(std::string text) {
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

std::vector<std::string> words(const std::string& text) {
  std::vector<std::string> out;
  size_t at = 0;
  while (at < text.size()) {
    const size_t end = std::min(text.find(' ', at), text.size());
    if (end > at) out.push_back(text.substr(at, end - at));
    at = end + 1;
  }
  return out;
}

// The value among `values` that names `type`: ours, its name with spaces or
// underscores, in any case, and "normal" for International, which is what
// the protocol's own engines call it.
std::optional<std::string> variantValue(GameType type, const std::string& values) {
  std::vector<std::string> names = {lowerCase(hubVariantName(type)), lowerCase(variantInfo(type).name)};
  if (type == International) names.push_back("normal");
  for (const std::string& value : words(values))
    for (const std::string& name : names)
      if (lowerCase(value) == name) return value;
  return std::nullopt;
}

std::string notPlayed(GameType type) {
  std::string text = say("The engine does not play this variant:");
  text += ' ';
  text += say(gameTypeName(type));
  return text;
}

std::optional<int> integer(const std::optional<std::string>& text) {
  if (!text || text->empty() || text->size() > 9) return std::nullopt;
  char* end = nullptr;
  const long value = std::strtol(text->c_str(), &end, 10);
  if (end != text->c_str() + text->size()) return std::nullopt;
  return static_cast<int>(value);
}

}  // namespace

HubClient::HubClient(std::function<void(const std::string&)> send) : send_(std::move(send)) {}

HubClient::~HubClient() = default;

void HubClient::begin(GameType type) {
  type_ = type;
  stage_ = Stage::Starting;
  send_("hub");
}

HubClient::Heard HubClient::fail(const std::string& why) {
  stage_ = Stage::Failed;
  failure_ = why;
  return Heard::Failed;
}

HubClient::Heard HubClient::line(const std::string& text) {
  if (stage_ == Stage::Failed) return Heard::Nothing;
  const std::string command = text.substr(0, text.find(' '));
  const std::string args = text.size() > command.size() ? text.substr(command.size() + 1) : "";
  if (command == "id") {
    if (const auto name = hubArgument(args, "name")) name_ = name->substr(0, 48);
  } else if (command == "param") {
    if (hubArgument(args, "name") == "variant") {
      hasVariantParameter_ = true;
      variantValues_ = hubArgument(args, "values").value_or(hubArgument(args, "value").value_or(""));
    }
  } else if (command == "wait" && stage_ == Stage::Starting) {
    return wait();
  } else if (command == "ready" && stage_ == Stage::Initialising) {
    stage_ = Stage::Ready;
    if (pending_) sendSearch();
    return Heard::Ready;
  } else if (command == "info" && stage_ == Stage::Thinking) {
    return info(args);
  } else if (command == "done" && (stage_ == Stage::Thinking || stage_ == Stage::Stopping)) {
    return done(args);
  } else if (command == "error") {
    // An error while a search is asked for means the engine did not take
    // the position or the limits: its answer would be for something else.
    const std::string message = hubArgument(args, "message").value_or(args).substr(0, 120);
    if (stage_ == Stage::Thinking || stage_ == Stage::Starting || stage_ == Stage::Initialising)
      return fail(say("The engine reported an error:") + " " + message);
  }
  // Anything else is for a later version of the protocol, or not for us.
  return Heard::Nothing;
}

HubClient::Heard HubClient::wait() {
  if (hasVariantParameter_) {
    const auto value = variantValue(type_, variantValues_);
    if (!value) return fail(notPlayed(type_));
    send_("set-param name=variant value=" + *value);
  } else if (type_ != International) {
    // An engine that names no variant plays the protocol's own, 10 x 10.
    return fail(notPlayed(type_));
  }
  stage_ = Stage::Initialising;
  send_("init");
  return Heard::Nothing;
}

void HubClient::think(const RecordedPosition& state, int moveTimeMs) {
  stop();
  pending_ = std::make_unique<RecordedPosition>(state);
  pendingTimeMs_ = moveTimeMs;
  if (stage_ == Stage::Ready) sendSearch();
}

void HubClient::sendSearch() {
  searched_ = std::move(pending_);
  const RecordedPosition& state = *searched_;
  auto start = std::make_unique<RecordedPosition>();
  setUpStartOf(*start, *start, state.gameType, state.start);
  std::string moves;
  for (int i = 0; i < state.plyCount; ++i) {
    if (i > 0) moves += ' ';
    moves += hubMoveText(state.gameType, state.gameRecord[i]);
  }
  std::string pos = "pos pos=" + hubPositionText(state.gameType, start->board, state.start.side);
  if (!moves.empty()) pos += " moves=\"" + moves + "\"";
  send_(pos);
  char level[64];
  std::snprintf(level, sizeof level, "level move-time=%d.%03d", pendingTimeMs_ / 1000, pendingTimeMs_ % 1000);
  send_(level);
  progress_ = EngineProgress{};
  line_.clear();
  chosen_ = -1;
  stage_ = Stage::Thinking;
  send_("go think");
}

void HubClient::stop() {
  pending_.reset();  // a search not yet sent is not wanted either
  if (stage_ != Stage::Thinking) return;
  stage_ = Stage::Stopping;
  send_("stop");
}

void HubClient::quit() {
  if (stage_ != Stage::Failed) send_("quit");
  stage_ = Stage::Failed;
  if (failure_.empty()) failure_ = say("The engine was closed.");
}

HubClient::Heard HubClient::info(const std::string& args) {
  if (const auto depth = integer(hubArgument(args, "depth"))) progress_.depth = *depth;
  if (const auto score = integer(hubArgument(args, "score"))) progress_.score = *score;
  if (const auto pv = hubArgument(args, "pv")) {
    // The line as far as it is legal, in the listing's words.
    auto scratch = std::make_unique<RecordedPosition>(*searched_);
    line_.clear();
    for (const std::string& move : words(*pv)) {
      const int index = legalHubMove(*scratch, move);
      if (index < 0 || scratch->plyCount >= kMaxGameMoves) break;
      if (!line_.empty()) line_ += ' ';
      line_ += moveText(scratch->legalMoves[index]);
      applyMove(scratch->legalMoves[index], scratch->gameRecord[scratch->plyCount], *scratch);
      ++scratch->plyCount;
    }
  }
  return Heard::Progress;
}

HubClient::Heard HubClient::done(const std::string& args) {
  const bool stopped = stage_ == Stage::Stopping;
  stage_ = Stage::Ready;
  if (stopped && pending_) {
    sendSearch();
    return Heard::Nothing;
  }
  const std::string move = hubArgument(args, "move").value_or("");
  chosen_ = legalHubMove(*searched_, move);
  // A search stopped early may have nothing to say.
  if (chosen_ < 0 && !stopped)
    return fail(say("The engine played a move that is not legal here:") + " " + move.substr(0, 40));
  return Heard::Done;
}

}  // namespace velmora
