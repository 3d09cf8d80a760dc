// velmora-cli hub: the Expert as an engine that another draughts program
// hosts over the Hub protocol, on standard input and output.

#include <cstdio>
#include <iostream>
#include <string>

#include "cli_common.h"
#include "core/net/hub_session.h"

namespace velmora::cli {

int hubCommand(int argc, char**) {
  if (argc != 0) return fail("hub takes no arguments: it reads the Hub protocol on standard input");
  HubSession session([](const std::string& line) {
    std::fputs((line + "\n").c_str(), stdout);
    std::fflush(stdout);
  });
  std::string line;
  // A line longer than any command is cut rather than stored whole.
  while (std::getline(std::cin, line)) {
    if (line.size() > 1 << 16) line.resize(1 << 16);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (!session.line(line)) return 0;
  }
  // The host closed our input: that ends us too, once a move it asked for
  // has been answered.
  session.finish();
  return 0;
}

}  // namespace velmora::cli
