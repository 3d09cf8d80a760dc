#pragma once
// Printing and picture export from the command line, without a window:
//   velmora [--load FILE.vlm] --print-pdf FILE listing|board|mini
//   velmora [--load FILE.vlm] --export-board FILE.png|FILE.svg
// The game is the one in FILE.vlm, or else the last game of the settings
// file at its start.

#include <optional>
#include <string>
#include <vector>

namespace velmora {

struct ScriptedOutput {
  std::string load;
  std::string pdf;
  std::string kind;
  std::string picture;
};

// The scripted request on the command line, if there is one; `error` is set
// (and the result empty) when the options are wrong.
std::optional<ScriptedOutput> parseScriptedOutput(const std::vector<std::string>& args, std::string& error);

// Writes the file; the exit status: 0 done, 1 with a message on stderr.
int runScriptedOutput(const ScriptedOutput& request);

}  // namespace velmora
