#pragma once
// Printing and picture export from the command line, without a window:
//   velmora [--load FILE.vlm] --print-pdf FILE listing|board|mini
//   velmora [--load FILE.vlm] --export-board FILE.png|FILE.svg
//   velmora --position VARIANT TEXT [--path MOVE] [--diagram] --export-board FILE
// The game is the one in FILE.vlm, or a position text, or else the last game
// of the settings file at its start. A path marks a move of the position as
// the board marks a picked-up piece's move; --diagram adds the names of the
// squares around the board, the path as a line and the taken pieces crossed
// out: the diagrams of the manual.

#include <optional>
#include <string>
#include <vector>

namespace velmora {

struct ScriptedOutput {
  std::string load;
  std::string pdf;
  std::string kind;
  std::string picture;
  std::string variant;   // with position: a variant's name
  std::string position;  // a position text
  std::string path;      // a legal move of that position, as the listing writes it
  bool diagram = false;  // the picture as a diagram: the squares' names, the path drawn
  int size = 0;          // of the exported picture in pixels; 0: 64 a square
};

// Everything the game's command line says.
struct CommandLine {
  bool help = false;
  bool version = false;
  std::string home;  // --home DIR: the working folder
  std::optional<ScriptedOutput> scripted;
};

constexpr const char* kGameUsage =
    "usage: velmora [--home DIR] [--load FILE.vlm] [--print-pdf FILE listing|board|mini] [--export-board FILE]\n"
    "\n"
    "  --home DIR                   keep settings, saved games, skins and sounds in DIR\n"
    "  --load FILE.vlm              the game to print or export (with the two options below)\n"
    "  --print-pdf FILE KIND        print the listing, the board or the mini board to a PDF file\n"
    "  --export-board FILE          the board as a PNG or SVG picture (by the file's extension)\n"
    "  --position VARIANT TEXT      export this position (\"W:\" or \"B:\", then the rows from the top,\n"
    "                               '.' empty, w/W white man/king, b/B black) instead of a game\n"
    "  --path MOVE                  mark a legal move of that position (c3:e5:g7) as the board does\n"
    "  --diagram                    with --position: the squares' names around the board, the move's\n"
    "                               path as a line and the pieces it takes crossed out\n"
    "  --size PIXELS                the exported picture's width and height (64 to 8192)\n"
    "  --version                    the version\n"
    "  --help, -h                   this text\n"
    "\n"
    "Printing and exporting show no window. Without --load they show the start position of the last game's "
    "variant.\n";

// The options; `error` is set when they are wrong.
CommandLine parseCommandLine(const std::vector<std::string>& args, std::string& error);

// Writes the file; the exit status: 0 done, 1 with a message on stderr.
int runScriptedOutput(const ScriptedOutput& request);

}  // namespace velmora
