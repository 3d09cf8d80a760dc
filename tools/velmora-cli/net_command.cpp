// velmora-cli net: a network player that plays its side with the computer.

#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>

#include "cli_common.h"
#include "core/net/connection_setup.h"
#include "core/net/net_player.h"
#include "core/platform/host.h"
#include "core/platform/text.h"

namespace velmora::cli {

namespace {

// A silent peer is given up after this long.
constexpr int kPeerTimeoutMs = 60'000;

bool acceptChanged = true;

void installCliHost() {
  host = silentHost();
  host.messageBox = [](const std::string& text, MessageIcon, MessageButtons buttons) {
    std::fprintf(stderr, "velmora-cli: %s\n", text.c_str());
    // Only the changed-game question is answered Yes, and only when asked to.
    return buttons == MessageButtons::Ok || (buttons == MessageButtons::YesNo && acceptChanged);
  };
  host.after = [](int, std::function<void()> then) { then(); };  // no pauses between capture steps
  host.tickCount = [] {
    return static_cast<std::uint32_t>(
        std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now().time_since_epoch())
            .count());
  };
}

struct NetOptions {
  std::string name = "velmora-cli";
  int level = 1;
  int serverSide = 0;
  bool giveAway = false;
  int clocks[2] = {0, 0};
};

// Reads the options from argv[i] on; false with the message printed.
bool readOptions(int argc, char** argv, int i, bool server, NetOptions& options) {
  for (; i < argc; ++i) {
    const std::string option = argv[i];
    const bool hasValue = i + 1 < argc;
    if (option == "--give-away" && server) {
      options.giveAway = true;
      continue;
    }
    if (!hasValue) return fail("missing value or unknown option: " + quotedExcerpt(option)) == 0;
    const std::string value = argv[++i];
    if (option == "--name" && !networkName(value).empty()) {
      options.name = networkName(value);
    } else if (option == "--level") {
      const auto level = readInteger(value);
      if (!level || *level < 0 || *level > 2) return fail("--level takes 0, 1 or 2") == 0;
      options.level = static_cast<int>(*level);
    } else if (option == "--changed" && (value == "accept" || value == "refuse")) {
      acceptChanged = value == "accept";
    } else if (option == "--side" && server && (value == "0" || value == "1")) {
      options.serverSide = value[0] - '0';
    } else if (option == "--clocks" && server) {
      const size_t comma = value.find(',');
      const auto white = readInteger(value.substr(0, comma));
      const auto black = comma == std::string::npos ? std::nullopt : readInteger(value.substr(comma + 1));
      if (!white || !black || *white < 0 || *black < 0) return fail("--clocks takes W,B in seconds") == 0;
      options.clocks[0] = static_cast<int>(*white);
      options.clocks[1] = static_cast<int>(*black);
    } else {
      return fail("bad option: " + quotedExcerpt(option) + " " + quotedExcerpt(value)) == 0;
    }
  }
  return true;
}

// No game was played: the connection did not come about.
int noConnection(const char* message, const char* end) {
  std::fprintf(stderr, "velmora-cli: %s\n", message);
  std::printf("end %s\nmoves 0\nlisting\n", end);
  return kGameOver;
}

int play(NetPlayer& player) {
  while (stepNetPlayer(player, kPeerTimeoutMs, false) != NetStep::Over) {
  }
  const NetEnd end = player.session->end();
  std::printf("end %s\nmoves %d\nlisting", netEndWord(end), player.listing.moveCount());
  for (const std::string& move : messageLines(buildListingText(*player.game, player.listing)))
    std::printf(" %s", move.c_str());
  std::printf("\n");
  if (endedByRules(end)) return 0;
  std::fprintf(stderr, "velmora-cli: the network game ended: %s\n", netEndWord(end));
  return kGameOver;
}

}  // namespace

int netCommand(int argc, char** argv) {
  if (argc < 1) return fail("net serve PORT VARIANT ... or net join HOST PORT ...");
  installCliHost();
  const std::string mode = argv[0];
  NetPlayer player;
  NetOptions options;
  Cancel never;
  if (mode == "serve" && argc >= 3) {
    const auto port = readPort(argv[1]);
    const auto variant = readVariant(argv[2]);
    if (!port) return fail("bad port: " + quotedExcerpt(argv[1]));
    if (!variant) return fail(unknownVariant(argv[2]));
    if (!readOptions(argc, argv, 3, true, options)) return kNotDone;
    std::string error;
    int listener = listenOn("0.0.0.0", *port, error);
    if (listener < 0) {
      return noConnection(error.c_str(), "connection-lost");
    }
    std::fprintf(stderr, "velmora-cli: listening on port %d\n", boundPort(listener));
    WaitResult waited;
    const int fd = acceptClient(listener, never, kPeerTimeoutMs, waited);
    closeSocket(listener);
    if (fd < 0) {
      if (waited == WaitResult::TimedOut) return noConnection("no client came", "timeout");
      return noConnection("Could not accept client", "connection-lost");
    }
    NetChoice choice;
    choice.gameType = *variant;
    choice.serverSide = options.serverSide;
    choice.giveAway = options.giveAway;
    startNetPlayer(player, fd, true, options.name, options.level, choice);
    // The clocks go out in the header, which start has already written.
    if (player.next.kind == NetAction::Send) {
      player.game->players[0].clockSeconds = options.clocks[0];
      player.game->players[1].clockSeconds = options.clocks[1];
      NetHeader header = *readHeader(player.next.text);
      header.clocks[0] = options.clocks[0];
      header.clocks[1] = options.clocks[1];
      player.next.text = headerText(header);
    }
    return play(player);
  }
  if (mode == "join" && argc >= 3) {
    const auto port = readPort(argv[2]);
    if (!port || *port == 0) return fail("bad port: " + quotedExcerpt(argv[2]));
    if (!isDottedIpv4(argv[1])) return fail("HOST must be a dotted IPv4 address: " + quotedExcerpt(argv[1]));
    if (!readOptions(argc, argv, 3, false, options)) return kNotDone;
    WaitResult waited;
    const int fd = connectTo(argv[1], *port, never, kPeerTimeoutMs, waited);
    if (fd < 0) return noConnection("Could not connect to server", "connection-lost");
    startNetPlayer(player, fd, false, options.name, options.level);
    return play(player);
  }
  return fail("net serve PORT VARIANT ... or net join HOST PORT ...");
}

}  // namespace velmora::cli
