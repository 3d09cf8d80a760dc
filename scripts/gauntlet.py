#!/usr/bin/env python3
"""Plays the Expert of one velmora-cli against another's: NEW against OLD.

Each opening, two to four random legal plies from the variant's start (the
same ones for the same --seed), is played twice, NEW with White and then
with Black. Each move is asked of the side's binary as

  velmora-cli search VARIANT --moves MOVE ... expert --movetime MS

so that both sides know the game's repetitions and quiet run. A binary that
takes no --moves is given the position alone, and a warning says so. NEW_CLI
also keeps the rules: it lists the legal moves for the openings, judges each
game with `velmora-cli result` (no move, the quiet run, a position a third
time, 400 moves) and writes the PDN. --max-plies ends a game sooner, drawn.

Prints a line per game, then NEW's score against OLD and the Elo difference
with its 95 % margin, from the spread of the points per game. The games go
as PDN to --pdn FILE or, without it, to standard output after the summary;
a game drawn by repetition or the ply limit, which the rules leave open,
carries a comment saying why and the result "*".

--movetime depends on the machine's speed and load, and --jobs shares the
cores among games; --depth or --nodes gives the same games on every run.
"""

import argparse
import concurrent.futures
import math
import os
import random
import subprocess
import sys
import tempfile


class GauntletError(Exception):
    pass


def run(cli, *args):
    done = subprocess.run([cli, *args], capture_output=True, text=True)
    if done.returncode != 0:
        command = " ".join([cli, *args])
        raise GauntletError(f"{command[:300]}: exit {done.returncode}: {done.stderr.strip()}")
    return done.stdout


def fields(output):
    """The "key value" lines of velmora-cli's output as a dictionary."""
    return dict(line.split(" ", 1) for line in output.splitlines() if " " in line)


class Player:
    def __init__(self, cli, referee, variant, limits):
        self.cli, self.referee, self.variant, self.limits = cli, referee, variant, list(limits)
        self.knows_moves = "--moves" in run(cli, "--help")
        if not self.knows_moves:
            print(f"gauntlet: {cli} takes no --moves: it sees each position without the game's repetitions",
                  file=sys.stderr)

    def move(self, moves):
        if self.knows_moves:
            out = run(self.cli, "search", self.variant, "--moves", *moves, "expert", *self.limits)
        else:
            replayed = fields(run(self.referee, "replay", self.variant, *moves))
            if int(replayed["played"]) != len(moves):
                raise GauntletError(f"{self.referee} does not replay {' '.join(moves)}")
            out = run(self.cli, "search", self.variant, replayed["position"], "expert", *self.limits)
        best = fields(out).get("best", "-")
        if best == "-":
            raise GauntletError(f"{self.cli} chose no move after {' '.join(moves) or 'the start'}")
        return best


def make_openings(referee, variant, count, seed):
    rng = random.Random(seed)
    openings = []
    for _ in range(count):
        for _ in range(20):  # a few tries for one not played yet
            moves = []
            for _ in range(rng.randint(2, 4)):
                legal = run(referee, "moves", variant, "--moves", *moves).split("\n")
                legal = [line.split()[0] for line in legal if line]
                if not legal:
                    break
                moves.append(rng.choice(legal))
            if moves not in openings:
                break
        openings.append(moves)
    return openings


def game_pdn(referee, variant, moves, white, black, end):
    with tempfile.TemporaryDirectory() as folder:
        path = os.path.join(folder, "game.vlm")
        run(referee, "save", path, variant, "--player1", white, "--player2", black, *moves)
        text = run(referee, "pdn", path).rstrip("\n")
    why = {"repetition": "drawn: a position came a third time", "limit": "drawn at the ply limit"}.get(end)
    if why and text.endswith("*"):
        text = text[:-1] + "{" + why + "} *"
    return text + "\n"


def play(number, opening, new, old, referee, variant, max_plies):
    new_white = number % 2 == 0
    white, black = (new, old) if new_white else (old, new)
    moves = list(opening)
    while True:
        verdict = fields(run(referee, "result", variant, "--moves", *moves))
        if verdict["result"] != "none":
            result, end = verdict["result"], verdict["end"]
            break
        if len(moves) >= max_plies:
            result, end = "draw", "limit"
            break
        moves.append((white if len(moves) % 2 == 0 else black).move(moves))
    points = 0.5 if result == "draw" else float((result == "white") == new_white)
    names = ("new", "old") if new_white else ("old", "new")
    line = (f"game {number + 1} new {'white' if new_white else 'black'} "
            f"result {({1.0: 'win', 0.5: 'draw', 0.0: 'loss'})[points]} end {end} plies {len(moves)} "
            f"opening {' '.join(opening)}")
    return points, line, game_pdn(referee, variant, moves, *names, end)


def elo(share):
    return -400 * math.log10(1 / share - 1) + 0.0  # never "-0"


def summary(points):
    n = len(points)
    share = sum(points) / n
    wins, draws = points.count(1.0), points.count(0.5)
    lines = [f"score new {100 * share:.1f} % wins {wins} draws {draws} losses {n - wins - draws} games {n}"]
    if share in (0, 1):
        lines.append(f"elo {'+' if share else '-'}inf")
        return lines
    deviation = math.sqrt(sum((p - share) ** 2 for p in points) / n / n)
    low, high = (min(max(share + k * 1.96 * deviation, 1e-9), 1 - 1e-9) for k in (-1, 1))
    lines.append(f"elo {elo(share):+.0f} ± {(elo(high) - elo(low)) / 2:.0f} "
                 f"(95 %: {elo(low):+.0f} .. {elo(high):+.0f})")
    return lines


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("old_cli")
    parser.add_argument("new_cli")
    parser.add_argument("variant", help="a variant name or number, as velmora-cli takes it")
    parser.add_argument("games", type=int, help="games to play; each opening serves two")
    parser.add_argument("--movetime", type=int, metavar="MS", help="the Expert's time a move")
    parser.add_argument("--depth", type=int, metavar="D", help="the Expert's depth a move")
    parser.add_argument("--nodes", type=int, metavar="N", help="the Expert's nodes a move")
    parser.add_argument("--seed", type=int, default=1, help="chooses the openings (default 1)")
    parser.add_argument("--jobs", type=int, default=1, help="games played at once (default 1)")
    parser.add_argument("--max-plies", type=int, default=400, help="a game this long is a draw (default 400)")
    parser.add_argument("--pdn", metavar="FILE", help="where the games go (default: standard output)")
    parser.add_argument("--new-args", default="", metavar="ARGS",
                        help="more options for NEW's search, one string: --new-args=\"--egdb DIR\"")
    parser.add_argument("--old-args", default="", metavar="ARGS",
                        help="more options for OLD's search: --old-args=\"--no-book --no-patterns\"")
    args = parser.parse_args()
    limits = [word for name in ("movetime", "depth", "nodes") if getattr(args, name) is not None
              for word in (f"--{name}", str(getattr(args, name)))]
    if not limits:
        parser.error("give the Expert --movetime MS, --depth D or --nodes N")
    if args.games < 1 or args.jobs < 1 or args.max_plies < 1:
        parser.error("GAMES, --jobs and --max-plies must be positive")

    pool = concurrent.futures.ThreadPoolExecutor(max_workers=args.jobs)
    try:
        referee = args.new_cli
        new = Player(args.new_cli, referee, args.variant, limits + args.new_args.split())
        old = Player(args.old_cli, referee, args.variant, limits + args.old_args.split())
        openings = make_openings(referee, args.variant, (args.games + 1) // 2, args.seed)
        futures = [pool.submit(play, k, openings[k // 2], new, old, referee, args.variant, args.max_plies)
                   for k in range(args.games)]
        points, games = [], []
        for future in futures:
            score, line, pdn = future.result()
            print(line, flush=True)
            points.append(score)
            games.append(pdn)
    except GauntletError as error:
        pool.shutdown(cancel_futures=True)
        sys.exit(f"gauntlet: {error}")
    pool.shutdown()
    print("\n".join(summary(points)), flush=True)
    if args.pdn:
        with open(args.pdn, "w", encoding="utf-8") as out:
            out.write("\n".join(games))
    else:
        print()
        print("\n".join(games), end="")


if __name__ == "__main__":
    main()
