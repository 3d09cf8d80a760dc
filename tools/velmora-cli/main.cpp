// velmora-cli: the rules engine and the computer player on the command line,
// for benchmarks, tests and other programs.

#include <cstdio>
#include <cstring>

#include "cli_common.h"

namespace {

const char kUsage[] =
    "usage: velmora-cli COMMAND ...\n"
    "\n"
    "  perft VARIANT DEPTH [POSITION]        leaves of the move tree, depth 1..DEPTH\n"
    "  moves VARIANT POSITION                legal moves of the side to move\n"
    "  moves VARIANT [POSITION] --moves MOVE ...\n"
    "                                        the same after the moves\n"
    "  result VARIANT [POSITION] [--moves MOVE ...]\n"
    "                                        result white|black|draw|none and\n"
    "                                        end rules|repetition|limit|none: the game's\n"
    "                                        end as match judges it (a position a third\n"
    "                                        time, 400 moves: a draw)\n"
    "  search VARIANT POSITION LEVEL [--give-away] [--literal]\n"
    "                                        the computer's choice; LEVEL 0, 1 or 2\n"
    "  search VARIANT POSITION expert [--movetime MS] [--depth D] [--nodes N]\n"
    "       [--give-away]                    the Expert's choice, its depth and line;\n"
    "                                        one second a move unless told otherwise\n"
    "  search VARIANT [POSITION] --moves MOVE ... LEVEL|expert [OPTION ...]\n"
    "                                        either search after the moves, knowing the\n"
    "                                        game's repetitions and quiet run; exit 1\n"
    "                                        when the rules have ended the game\n"
    "  replay VARIANT [TEXT ...]             play move texts from the start position;\n"
    "                                        the first that is not legal ends it (exit 2)\n"
    "  bench [LEVEL] [--literal] [--kings]   the standing search benchmark\n"
    "  bench expert [--movetime MS] [--depth D] [--nodes N] [--kings]\n"
    "                                        the Expert on the same positions, its time\n"
    "                                        counted in processor time; medians by variant\n"
    "  load FILE                             a saved game: players, level, moves, position\n"
    "  save FILE VARIANT [--give-away] [--player1 NAME] [--player2 NAME]\n"
    "       [--time1 S] [--time2 S] [--level 0|1|2] [--rules official] [--force]\n"
    "       [MOVE ...]\n"
    "                                        writes the game of the moves as a saved game;\n"
    "                                        a player named Computer is the computer\n"
    "  selfplay VARIANT GAMES LEVEL [--give-away] [--seed N]\n"
    "                                        the computer against itself, a line per game\n"
    "  match VARIANT GAMES LEVEL_A LEVEL_B [--movetime MS] [--depth D] [--seed N]\n"
    "       [--give-away]                    LEVEL_A against LEVEL_B (0, 1, 2 or expert),\n"
    "                                        each random opening with both colours; a line\n"
    "                                        per game, then score A% W D L elo E \xC2\xB1 M;\n"
    "                                        the Expert has 100 ms a move by default;\n"
    "       [--listing]                      --listing: each game's moves after its line\n"
    "  analyse FILE.vlm [--movetime MS] [--depth D] [--nodes N]\n"
    "                                        the Expert on each move of a saved game: the\n"
    "                                        move played and its score, the Expert's choice\n"
    "                                        and its score (for White, in men), ? a mistake\n"
    "                                        (half a man lost), ?? a blunder (a man or more)\n"
    "  endings [--movetime MS] [--depth D] [--nodes N] [--egdb DIR] [NUMBER ...]\n"
    "                                        the Expert on both sides of endings theory\n"
    "                                        knows: wins to win, draws not to lose;\n"
    "                                        exit 1 when one fails\n"
    "                                        analyse and endings: one second a move unless\n"
    "                                        told otherwise\n"
    "  book VARIANT PLIES [--depth D | --movetime MS] [--keep K]\n"
    "                                        the Expert's opening book: every position its\n"
    "                                        own moves reach in PLIES, each with the moves\n"
    "                                        scoring within 0.12 of a man of the best, at\n"
    "                                        most K (3); depth 12 unless told otherwise\n"
    "  net serve PORT VARIANT [--side 0|1] [--name NAME] [--level 0|1|2]\n"
    "       [--give-away] [--clocks W,B] [--changed accept|refuse]\n"
    "  net join HOST PORT [--name NAME] [--level 0|1|2] [--changed accept|refuse]\n"
    "                                        plays a network game with the computer;\n"
    "                                        prints end REASON, moves N, listing ...;\n"
    "                                        exit 0 when the rules ended it, else 1\n"
    "  dxp connect HOST PORT [OPTIONS]\n"
    "  dxp listen PORT [OPTIONS]             the Expert against another draughts program\n"
    "       [--initiator] [--games N]        over the DamExchange protocol (International);\n"
    "       [--time MIN] [--moves N]         the initiator proposes each game, colours\n"
    "       [--fen FEN] [--movetime MS]      alternating; prints game N colour C result R\n"
    "       [--name NAME]                    end E plies P, then score WINS DRAWS LOSSES;\n"
    "                                        exit 1 when the session broke off\n"
    "  hub                                   the Expert as an engine a draughts program hosts\n"
    "                                        over the Hub protocol, on standard input and\n"
    "                                        output; param variant chooses the variant\n"
    "  pdn FILE.vlm [--rules R]              the PDN of a saved game\n"
    "  pdn --import FILE.pdn OUT.vlm [--force] [--rules R]\n"
    "                                        the first game of a PDN file as a saved game;\n"
    "                                        --force replaces OUT, as for save\n"
    "  fen VARIANT POSITION                  the FEN of a position\n"
    "  fen VARIANT --from FEN                the position of a FEN\n"
    "  egdb build VARIANT PIECES --dir DIR   the endgame databases of every material of\n"
    "                                        1 to PIECES pieces, by retrograde analysis,\n"
    "                                        a line per material as it is written to DIR\n"
    "  egdb verify VARIANT PIECES --dir DIR  checks every position of those in DIR against\n"
    "                                        its moves; exit 1 at the first that disagrees\n"
    "  egdb probe VARIANT POSITION --dir DIR\n"
    "                                        outcome win|loss|draw|unknown for the side to\n"
    "                                        move, plies N to the end under best play;\n"
    "  egdb sample VARIANT PIECES --dir DIR [--count N] [--movetime MS] [--seed S]\n"
    "                                        won and drawn positions played out by the\n"
    "                                        Expert with the databases, by the game's rules\n"
    "                                        egdb takes --rules official too\n"
    "  train games VARIANT GAMES [--nodes N] [--seed S]\n"
    "                                        the Expert against itself by its hand-written\n"
    "                                        terms: \"<game> <result> <position>\" a quiet\n"
    "                                        position, result 2/1/0 White won/drew/lost\n"
    "  train fit VARIANT FILE... [--epochs E] [--share P] [--seed S]\n"
    "                                        the pattern weights fitted to those results,\n"
    "                                        kept at P % of their fitted size (50)\n"
    "  --help, -h                            this text\n"
    "  --version                             the version\n"
    "\n"
    "Exit status: 0 done; 1 done, and the answer is no: the game had already\n"
    "ended (search), a file was not written (it exists and no --force, or the\n"
    "write failed), an ending failed, a network game ended otherwise than by\n"
    "the rules, a saved game read only in part; 2 nothing done: the command\n"
    "line is wrong, or a variant, position, move, FEN, PDN file or saved game\n"
    "it names is missing or does not read.\n"
    "\n"
    "--literal runs the reference search, which the game's search must agree\n"
    "with, node for node as written. --kings benchmarks positions with kings.\n"
    "--give-away plays or searches the give-away game of the variant, where the\n"
    "side left without a move wins. --time1 and --time2 are the players'\n"
    "clocks in seconds. --rules official (perft, moves, result, search,\n"
    "replay, match, save) plays by the variant's federation's rules instead of\n"
    "Velmora's classic ones; a saved game and a PDN file say which rules\n"
    "their game follows, and load and pdn keep them unless pdn is given\n"
    "--rules classic or --rules official, which reads the moves by those.\n"
    "\n"
    "MOVE is written as the listing writes it (c3-d4, e3:c5:e7) or, where the\n"
    "variant numbers its squares, by their numbers (32-28); --moves starts from\n"
    "the variant's start, or from POSITION where one is given.\n"
    "\n"
    "VARIANT is a variant name as the program writes it (\"Pool checkers\") or its\n"
    "number, 0 to 13. POSITION is \"<side>:<top row>/.../<bottom row>\", side W\n"
    "or B, with . empty, w/W white man/king, b/B black man/king, for example\n"
    "W:.b.b.b.b/b.b.b.b./.b.b.b.b/......../......../w.w.w.w./.w.w.w.w/w.w.w.w.\n";

}  // namespace

int main(int argc, char** argv) {
  using namespace velmora::cli;
  if (argc == 2 && (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0)) {
    std::fputs(kUsage, stdout);
    return 0;
  }
  if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
    std::printf("velmora-cli %s\n", VELMORA_VERSION);
    return 0;
  }
  if (argc >= 2) {
    const char* command = argv[1];
    if (std::strcmp(command, "perft") == 0) return perftCommand(argc - 2, argv + 2);
    if (std::strcmp(command, "moves") == 0) return movesCommand(argc - 2, argv + 2);
    if (std::strcmp(command, "result") == 0) return resultCommand(argc - 2, argv + 2);
    if (std::strcmp(command, "search") == 0) return searchCommand(argc - 2, argv + 2);
    if (std::strcmp(command, "replay") == 0) return replayCommand(argc - 2, argv + 2);
    if (std::strcmp(command, "bench") == 0 && argc >= 3 && std::strcmp(argv[2], "expert") == 0)
      return expertBenchCommand(argc - 3, argv + 3);
    if (std::strcmp(command, "bench") == 0) return benchCommand(argc - 2, argv + 2);
    if (std::strcmp(command, "load") == 0) return loadCommand(argc - 2, argv + 2);
    if (std::strcmp(command, "save") == 0) return saveCommand(argc - 2, argv + 2);
    if (std::strcmp(command, "selfplay") == 0) return selfplayCommand(argc - 2, argv + 2);
    if (std::strcmp(command, "net") == 0) return netCommand(argc - 2, argv + 2);
    if (std::strcmp(command, "dxp") == 0) return dxpCommand(argc - 2, argv + 2);
    if (std::strcmp(command, "hub") == 0) return hubCommand(argc - 2, argv + 2);
    if (std::strcmp(command, "pdn") == 0) return pdnCommand(argc - 2, argv + 2);
    if (std::strcmp(command, "fen") == 0) return fenCommand(argc - 2, argv + 2);
    if (std::strcmp(command, "match") == 0) return matchCommand(argc - 2, argv + 2);
    if (std::strcmp(command, "analyse") == 0) return analyseCommand(argc - 2, argv + 2);
    if (std::strcmp(command, "endings") == 0) return endingsCommand(argc - 2, argv + 2);
    if (std::strcmp(command, "book") == 0) return bookCommand(argc - 2, argv + 2);
    if (std::strcmp(command, "egdb") == 0) return egdbCommand(argc - 2, argv + 2);
    if (std::strcmp(command, "train") == 0) return trainCommand(argc - 2, argv + 2);
  }
  std::fputs(kUsage, stderr);
  return kNotDone;
}
