// train: the Expert's pattern weights, learned from its own games.
//
//   train games VARIANT GAMES [--nodes N] [--seed S]
// plays the Expert against itself by its hand-written terms alone, each game
// from a few random moves, and writes every quiet position (no capture for
// the side to move) after them as "<game> <result> <position>", the result
// 2, 1 or 0 for a White win, a draw or a Black win.
//
//   train fit VARIANT FILE... [--epochs E] [--share P] [--seed S]
// fits the weights to those results by logistic regression on top of the
// hand-written score and writes them as the program embeds them. Every
// tenth game is held out, to show that the fit predicts games it has not
// seen.

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "cli_common.h"
#include "core/ai/engine.h"
#include "core/ai/eval_patterns.h"
#include "core/ai/expert_eval.h"
#include "core/ai/match.h"
#include "core/game/game_state.h"
#include "core/platform/text.h"
#include "core/rules/generate.h"
#include "core/rules/position_text.h"

namespace velmora::cli {

namespace {

const char kTrainUsage[] =
    "usage: velmora-cli train games VARIANT GAMES [--nodes N] [--seed S]\n"
    "       velmora-cli train fit VARIANT FILE... [--epochs E] [--share P] [--seed S]";

constexpr int kFewestOpeningPlies = 4, kMostOpeningPlies = 9;

bool hasPatterns(GameType type) {
  return patternRegionCount(variantInfo(type).boardSize) > 0 && onDarkSquaresOnly(familyRulesOf(type));
}

std::optional<long> numberOption(int& argc, char** argv, const char* name, long fallback, long low, long high,
                                 bool& valid) {
  const auto given = takeOption(argc, argv, name);
  if (!given) return fallback;
  const auto n = readInteger(*given);
  if (!n || *n < low || *n > high) {
    valid = false;
    return std::nullopt;
  }
  return n;
}

void play(RecordedPosition& game, int index) {
  const MoveRecord move = game.legalMoves[index];
  applyMove(move, game.gameRecord[game.plyCount], game);
  ++game.plyCount;
}

int resultDigit(GameResult r) { return r == WhiteWins ? 2 : r == BlackWins ? 0 : 1; }

int gamesCommand(int argc, char** argv) {
  bool valid = true;
  const auto nodes = numberOption(argc, argv, "--nodes", 4000, 100, 100000000, valid);
  const auto seed = numberOption(argc, argv, "--seed", 1, 0, 2147483647, valid);
  if (!valid) return fail("--nodes takes 100 or more, --seed a number from 0");
  if (argc != 2) return fail(kTrainUsage);
  const auto type = readVariant(argv[0]);
  if (!type) return fail(unknownVariant(argv[0]));
  if (!hasPatterns(*type)) return fail("the variant's board has no patterns");
  const auto games = readInteger(argv[1]);
  if (!games || *games < 1 || *games > 10000000) return fail("GAMES must be a positive number");

  EngineLimits limits;
  limits.level = kExpertLevel;
  limits.maxNodes = static_cast<std::uint64_t>(*nodes);
  limits.learnedPatterns = false;
  Engine engine;
  auto game = std::make_unique<RecordedPosition>();
  MatchSettings settings;
  settings.type = *type;
  std::vector<std::string> positions;
  std::vector<std::uint64_t> seen;
  for (long g = 0; g < *games; ++g) {
    std::mt19937_64 random(static_cast<std::uint64_t>(*seed) * 1000003u + static_cast<std::uint64_t>(g));
    setUpBoard(*game, *game, *type);
    game->plyCount = 0;
    const int opening =
        kFewestOpeningPlies + static_cast<int>(random() % (kMostOpeningPlies - kFewestOpeningPlies + 1));
    positions.clear();
    seen.assign(1, expertPositionKey(*game, game->sideToMove()));
    GameEnd end = GameEnd::Rules;
    GameResult result;
    while ((result = matchResult(*game, seen, end)) == GameGoesOn) {
      const int side = game->sideToMove();
      int index;
      if (game->plyCount < opening) {
        index = static_cast<int>(random() % static_cast<std::uint64_t>(game->moveCount));
      } else {
        if (game->legalMoves[0].captureCount == 0)
          positions.push_back(positionText(game->board, game->boardSize, side));
        engine.setPosition(*game, *game);
        index = engine.think(limits).rootIndex;
        if (index < 0) return fail("the Expert chose no move");
      }
      play(*game, index);
      seen.push_back(expertPositionKey(*game, game->sideToMove()));
    }
    for (const std::string& p : positions) std::printf("%ld %d %s\n", g, resultDigit(result), p.c_str());
  }
  return 0;
}

// A quiet position of a game: the hand-written score and the regions'
// indices, both from White's side, and the result for White (0, 0.5, 1).
struct Sample {
  float hand;
  float result;
  std::uint16_t white[kMaxPatternRegions];
  std::uint16_t black[kMaxPatternRegions];
  bool heldOut;
};

double sigmoid(double z) { return 1 / (1 + std::exp(-z)); }

double logLoss(double score, double scale, double result) {
  const double p = std::clamp(sigmoid(score / scale), 1e-9, 1 - 1e-9);
  return -(result * std::log(p) + (1 - result) * std::log(1 - p));
}

struct Losses {
  double train = 0, heldOut = 0;
};

template <class Score>
Losses lossesOf(const std::vector<Sample>& samples, double scale, Score score) {
  Losses sum;
  long train = 0, held = 0;
  for (const Sample& s : samples) {
    const double loss = logLoss(score(s), scale, s.result);
    (s.heldOut ? sum.heldOut : sum.train) += loss;
    ++(s.heldOut ? held : train);
  }
  sum.train /= std::max(1L, train);
  sum.heldOut /= std::max(1L, held);
  return sum;
}

// The scale that makes the hand-written score predict the results best: a
// golden-section search on its logarithm.
double fitScale(const std::vector<Sample>& samples) {
  const auto loss = [&](double logScale) {
    return lossesOf(samples, std::exp(logScale), [](const Sample& s) { return s.hand; }).train;
  };
  double low = std::log(20.0), high = std::log(5000.0);
  const double ratio = (std::sqrt(5.0) - 1) / 2;
  for (int i = 0; i < 60; ++i) {
    const double a = high - ratio * (high - low), b = low + ratio * (high - low);
    if (loss(a) < loss(b))
      high = b;
    else
      low = a;
  }
  return std::exp((low + high) / 2);
}

bool readSamples(const std::string& path, GameType type, std::vector<Sample>& samples, std::string& error) {
  std::ifstream in(path);
  if (!in) {
    error = "cannot read " + quotedExcerpt(path);
    return false;
  }
  auto state = std::make_unique<RecordedPosition>();
  std::string line;
  long number = 0;
  while (std::getline(in, line)) {
    ++number;
    const auto words = wordsOf(line);
    const auto game = words.size() == 3 ? readInteger(std::string(words[0])) : std::nullopt;
    const auto result = words.size() == 3 ? readInteger(std::string(words[1])) : std::nullopt;
    if (!game || !result || *result < 0 || *result > 2 || readPosition(words[2], type, *state)) {
      error = path + " line " + std::to_string(number) + " is not \"<game> <result> <position>\"";
      return false;
    }
    const int side = state->sideToMove();
    const int hand = expertEvaluate(*state, side, 0, nullptr);
    const PatternIndices at = patternIndices(state->board, state->boardSize);
    Sample s{};
    s.hand = static_cast<float>(side == White ? hand : -hand);
    s.result = static_cast<float>(*result) / 2;
    for (int r = 0; r < at.count; ++r) {
      s.white[r] = static_cast<std::uint16_t>(at.white[static_cast<std::size_t>(r)]);
      s.black[r] = static_cast<std::uint16_t>(at.black[static_cast<std::size_t>(r)]);
    }
    // Whole games are held out, so that no position of theirs is learned.
    s.heldOut = *game % 10 == 9;
    samples.push_back(s);
  }
  return true;
}

int fitCommand(int argc, char** argv) {
  bool valid = true;
  const auto epochs = numberOption(argc, argv, "--epochs", 8, 1, 1000, valid);
  const auto seed = numberOption(argc, argv, "--seed", 1, 0, 2147483647, valid);
  const auto share = numberOption(argc, argv, "--share", 50, 1, 100, valid);
  if (!valid) return fail("--epochs takes a number from 1 to 1000, --share 1 to 100, --seed a number from 0");
  if (argc < 2) return fail(kTrainUsage);
  const auto type = readVariant(argv[0]);
  if (!type) return fail(unknownVariant(argv[0]));
  if (!hasPatterns(*type)) return fail("the variant's board has no patterns");

  std::vector<Sample> samples;
  for (int i = 1; i < argc; ++i) {
    std::string error;
    if (!readSamples(argv[i], *type, samples, error)) return fail(error);
  }
  if (samples.empty()) return fail("no positions to fit");
  const int size = variantInfo(*type).boardSize, regions = patternRegionCount(size);
  const double scale = fitScale(samples);
  const Losses before = lossesOf(samples, scale, [](const Sample& s) { return s.hand; });
  std::fprintf(stderr, "%zu positions, scale %.1f, loss by the hand-written terms %.5f (held out %.5f)\n",
               samples.size(), scale, before.train, before.heldOut);

  // Stochastic gradient descent with a step per weight that shrinks with
  // the gradients it has had (AdaGrad), which suits weights seen rarely;
  // a little decay keeps those near 0.
  std::vector<double> weights(static_cast<std::size_t>(regions * kPatternIndices), 0.0);
  std::vector<double> squares(weights.size(), 1e-8);
  const double rate = 4.0, decay = 1e-4;
  const auto patternSum = [&](const Sample& s) {
    double sum = 0;
    for (int r = 0; r < regions; ++r)
      sum += weights[static_cast<std::size_t>(r * kPatternIndices + s.white[r])] -
             weights[static_cast<std::size_t>(r * kPatternIndices + s.black[r])];
    return sum;
  };
  std::vector<std::size_t> order(samples.size());
  for (std::size_t i = 0; i < order.size(); ++i) order[i] = i;
  std::mt19937_64 random(static_cast<std::uint64_t>(*seed));
  Losses after = before;
  for (long epoch = 1; epoch <= *epochs; ++epoch) {
    std::shuffle(order.begin(), order.end(), random);
    for (const std::size_t i : order) {
      const Sample& s = samples[i];
      if (s.heldOut) continue;
      const double gradient = (sigmoid((s.hand + patternSum(s)) / scale) - s.result) / scale;
      for (int r = 0; r < regions; ++r)
        for (const auto& [index, sign] : {std::pair{s.white[r], 1.0}, std::pair{s.black[r], -1.0}}) {
          double& w = weights[static_cast<std::size_t>(r * kPatternIndices + index)];
          const double g = sign * gradient * scale + decay * w;  // per unit of the score's scale
          double& g2 = squares[static_cast<std::size_t>(r * kPatternIndices + index)];
          g2 += g * g;
          w -= rate * g / std::sqrt(g2);
        }
    }
    after = lossesOf(samples, scale, [&](const Sample& s) { return s.hand + patternSum(s); });
    std::fprintf(stderr, "epoch %ld: loss %.5f (held out %.5f)\n", epoch, after.train, after.heldOut);
  }

  PatternWeights out;
  out.type = *type;
  out.boardSize = size;
  out.scale = scale;
  out.weights.resize(weights.size());
  // The search seeks out the positions whose patterns the fit overrates, so
  // the weights are kept at a share of their fitted size: at half, the
  // Expert at depth 6 lost fewer games to the "Easy" level than with the
  // whole weights or none.
  for (std::size_t i = 0; i < weights.size(); ++i)
    out.weights[i] = static_cast<std::int16_t>(
        std::clamp(std::lround(weights[i] * static_cast<double>(*share) / 100), -1000L, 1000L));
  char comment[512];
  std::snprintf(comment, sizeof comment,
                "Made by velmora-cli train fit %s, %ld epochs, seed %ld, share %ld %%, from %zu positions.\n"
                "Log loss %.5f by the hand-written terms, %.5f with the whole weights; on the held-out games "
                "%.5f and %.5f.",
                variantInfo(*type).name, *epochs, *seed, *share, samples.size(), before.train, after.train,
                before.heldOut, after.heldOut);
  std::fputs(patternWeightsText(out, comment).c_str(), stdout);
  return 0;
}

}  // namespace

int trainCommand(int argc, char** argv) {
  if (argc < 1) return fail(kTrainUsage);
  const std::string what = argv[0];
  if (what == "games") return gamesCommand(argc - 1, argv + 1);
  if (what == "fit") return fitCommand(argc - 1, argv + 1);
  return fail(kTrainUsage);
}

}  // namespace velmora::cli
