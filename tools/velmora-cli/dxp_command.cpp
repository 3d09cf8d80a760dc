// velmora-cli dxp: the Expert against another draughts program over the
// DamExchange protocol, International draughts, as initiator or follower.

#include <cstdio>
#include <memory>
#include <string>

#include "cli_common.h"
#include "core/ai/engine.h"
#include "core/game/game_state.h"
#include "core/net/dxp.h"
#include "core/net/dxp_player.h"
#include "core/net/socket.h"
#include "core/platform/text.h"
#include "core/records/fen.h"

namespace velmora::cli {

namespace {

constexpr const char* kDxpUsage =
    "dxp connect HOST PORT [OPTIONS] or dxp listen PORT [OPTIONS]; OPTIONS: --initiator, --games N, --time MIN, "
    "--moves N, --fen FEN, --movetime MS, --name NAME";

const char* sideName(GameResult r) { return r == WhiteWins ? "white" : r == BlackWins ? "black" : "draw"; }

}  // namespace

int dxpCommand(int argc, char** argv) {
  if (argc < 2) return fail(kDxpUsage);
  const std::string mode = argv[0];
  const bool connecting = mode == "connect";
  if (!connecting && mode != "listen") return fail(kDxpUsage);
  if (connecting && argc < 3) return fail(kDxpUsage);
  if (connecting && !isDottedIpv4(argv[1]))
    return fail("HOST must be a dotted IPv4 address: " + quotedExcerpt(argv[1]));
  const auto portNumber = readPort(argv[connecting ? 2 : 1]);
  if (!portNumber || (connecting && *portNumber == 0))
    return fail("bad port: " + quotedExcerpt(argv[connecting ? 2 : 1]));
  DxpSettings settings;
  settings.initiator = false;  // without --initiator it takes the games it is offered
  for (int i = connecting ? 3 : 2; i < argc; ++i) {
    const std::string option = argv[i];
    if (option == "--initiator") {
      settings.initiator = true;
      continue;
    }
    if (i + 1 >= argc) return fail("missing value or unknown option: " + quotedExcerpt(option));
    const std::string value = argv[++i];
    const auto n = readInteger(value);
    if (option == "--games" && n && *n >= 1 && *n <= 1000) {
      settings.games = static_cast<int>(*n);
    } else if (option == "--time" && n && *n >= 1 && *n <= 999) {
      settings.minutes = static_cast<int>(*n);
    } else if (option == "--moves" && n && *n >= 1 && *n <= 999) {
      settings.moves = static_cast<int>(*n);
    } else if (option == "--movetime" && n && *n >= 1 && *n <= kLongestMoveTimeMs) {
      settings.moveTimeMs = static_cast<int>(*n);
    } else if (option == "--name" && !value.empty()) {
      settings.name = value;
    } else if (option == "--fen") {
      auto state = std::make_unique<GameState>();
      if (const auto why = readFen(value, International, *state)) return fail("--fen: " + *why);
      settings.board = dxpBoard(*state);
      settings.sideToMove = state->sideToMove() == White ? 'W' : 'Z';
    } else {
      return fail("bad value or unknown option: " + quotedExcerpt(option) + " " + quotedExcerpt(value));
    }
  }
  Cancel never;
  WaitResult waited = WaitResult::Failed;
  int fd = -1;
  if (connecting) {
    fd = connectTo(argv[1], *portNumber, never, settings.peerTimeoutMs, waited);
    if (fd < 0) return fail("could not connect to " + quotedExcerpt(argv[1]));
  } else {
    std::string error;
    int listener = listenOn("0.0.0.0", *portNumber, error);
    if (listener < 0) return fail("could not listen: " + error);
    std::fprintf(stderr, "velmora-cli: listening on port %d\n", boundPort(listener));
    fd = acceptClient(listener, never, settings.peerTimeoutMs, waited);
    closeSocket(listener);
    if (fd < 0) return fail(waited == WaitResult::TimedOut ? "no program came" : "could not accept a program");
  }
  Engine engine;
  int wins = 0, draws = 0, losses = 0;
  const std::string error = playDxp(fd, settings, engine, [&](const DxpGameReport& g) {
    const bool white = g.colour == 'W';
    std::printf("game %d colour %s result %s end %s plies %d\n", g.number, white ? "white" : "black",
                sideName(g.result), g.end.c_str(), g.plies);
    std::fflush(stdout);
    if (g.result == Draw) {
      ++draws;
    } else if ((g.result == WhiteWins) == white) {
      ++wins;
    } else {
      ++losses;
    }
  });
  closeSocket(fd);
  std::printf("score %d %d %d\n", wins, draws, losses);
  if (!error.empty()) {
    std::fprintf(stderr, "velmora-cli: %s\n", error.c_str());
    return kGameOver;
  }
  return 0;
}

}  // namespace velmora::cli
