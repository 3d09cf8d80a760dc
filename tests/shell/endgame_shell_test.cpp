// The Expert's endgame databases in the window: made in the background on
// its first use in a family, with the progress in the status bar, read on
// the next start, broken off when the window closes; and what they know
// shown by the score beside the board, by a hint and by the analysis.

#include <gtest/gtest.h>

#include <QLabel>
#include <QProgressBar>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <cstring>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "core/ai/endgame_file.h"
#include "core/game/game_state.h"
#include "core/game/new_game.h"
#include "core/game/position_score.h"
#include "core/game/settings.h"
#include "core/records/listing.h"
#include "core/rules/position_text.h"
#include "shell/endgame_library.h"
#include "tests/shell/window_test_support.h"

namespace velmora {
namespace {

using test::commandAction;
using test::messages;
using test::Window;

constexpr int kWaitMs = 120000;  // a loaded machine makes three pieces in far less

// Two kings against one in the double corner, White to move: a win.
constexpr const char* kTwoKingsWin = "W:.B....../......../......../......../...W.W../......../......../........";
// A king against a king far from it: a draw.
constexpr const char* kKingsDraw = "W:.B....../......../......../......../...W..../......../......../........";

// The texts and the share the status bar showed, as each report arrived.
struct ProgressSeen {
  std::vector<std::string> texts;
  std::vector<int> percents;
  bool grabbed = false;

  explicit ProgressSeen(Window& w) {
    QObject::connect(&w.window->endgames(), &EndgameLibrary::progressChanged, w.window.get(), [this, &w] {
      if (!w.window->statusBar()->isVisible()) return;
      texts.push_back(w.window->statusBar()->findChild<QLabel*>()->text().toStdString());
      percents.push_back(w.window->statusBar()->findChild<QProgressBar*>()->value());
    });
  }
  bool saw(const std::string& text) const {
    for (const std::string& t : texts)
      if (t == text) return true;
    return false;
  }
};

// A game against the Expert, as the New game dialog starts one.
void playTheExpert(Window& w, GameType type) {
  NewGameChoice choice;
  choice.type[White] = ChooseHuman;
  choice.type[Black] = ChooseComputer;
  choice.expert = true;
  choice.moveTimeMs = 200;
  choice.gameType = type;
  startNewGame(*w.game, w.listing, choice);
  w.window->placeWindow();
  w.window->refresh();
}

bool ready(const Window& w) { return w.window->endgames().setFor(*w.game) != nullptr; }

int filesIn(const std::string& folder) {
  std::error_code error;
  int n = 0;
  for (const auto& entry : std::filesystem::directory_iterator(folder, error)) n += entry.is_regular_file();
  return n;
}

// The position on the board anew, a game of two people running from it.
void setUp(Window& w, const char* text) {
  ASSERT_FALSE(readPosition(text, w.game->gameType, *w.game));
  w.game->start.side = w.game->sideToMove();
  w.game->start.custom = 1;
  std::memcpy(w.game->start.board, w.game->board, sizeof w.game->board);
  w.game->plyCount = 0;
  w.game->gameRunning = 1;
  resetListing(w.listing);
  w.window->refresh();
}

TEST(EndgamesInTheWindow, MadeInTheBackgroundOnTheExpertsFirstGameThenReadOnTheNextStart) {
  QTemporaryDir dir;
  const std::string folder = dir.path().toStdString() + "/endgames";
  const auto tables = static_cast<int>(endgameMaterials(3).size());
  {
    Window w(American, test::Boxes::Recorded, folder);
    ProgressSeen seen(w);
    // A game of two people asks nothing of the Expert.
    EXPECT_FALSE(w.window->endgames().progress().active);
    EXPECT_FALSE(w.window->statusBar()->isVisible());
    const int height = w.window->height();

    playTheExpert(w, American);
    EXPECT_TRUE(w.window->statusBar()->isVisible());
    EXPECT_EQ(w.window->statusBar()->findChild<QLabel*>()->text(), "Making the endgame databases for American");
    // The bar is added below the board, not taken from it.
    EXPECT_TRUE(QTest::qWaitFor([&] { return ready(w) || w.window->height() > height; }, kWaitMs));
    EXPECT_TRUE(w.window->gameCommandsEnabled());  // the game goes on meanwhile
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
          // A picture of the bar while it fills.
          if (!seen.grabbed && !seen.percents.empty() && seen.percents.back() > 0 && seen.percents.back() < 100 &&
              w.window->statusBar()->isVisible())
            seen.grabbed = w.window->grab().save("screenshots/endgames-made-in-the-status-bar.png");
          return ready(w);
        },
        kWaitMs));
    EXPECT_TRUE(seen.saw("Making the endgame databases for American"));
    EXPECT_FALSE(seen.saw("Reading the endgame databases for American"));
    EXPECT_EQ(seen.percents.back(), 100);
    EXPECT_TRUE(std::is_sorted(seen.percents.begin(), seen.percents.end()));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !w.window->statusBar()->isVisible(); }, kWaitMs));
    EXPECT_TRUE(QTest::qWaitFor([&] { return w.window->height() == height; }, kWaitMs)) << w.window->height();
    EXPECT_EQ(filesIn(folder), tables);
  }
  const auto written =
      std::filesystem::last_write_time(folder + "/" + endgameFileName(RuleFamily::American, 8, Material{0, 2, 0, 1}));
  Window w(American, test::Boxes::Recorded, folder);
  ProgressSeen seen(w);
  playTheExpert(w, American);
  ASSERT_TRUE(QTest::qWaitFor([&] { return ready(w); }, kWaitMs));
  EXPECT_TRUE(seen.saw("Reading the endgame databases for American"));
  EXPECT_FALSE(seen.saw("Making the endgame databases for American"));
  EXPECT_EQ(
      std::filesystem::last_write_time(folder + "/" + endgameFileName(RuleFamily::American, 8, Material{0, 2, 0, 1})),
      written);
  // Another family on the same board has databases of its own.
  auto russian = std::make_unique<GameState>(*w.game);
  russian->gameType = Russian;
  EXPECT_EQ(w.window->endgames().setFor(*russian), nullptr);
}

TEST(EndgamesInTheWindow, ClosingTheWindowBreaksTheMakingOffAndLeavesOnlyWholeTables) {
  QTemporaryDir dir;
  const std::string folder = dir.path().toStdString() + "/endgames";
  Window w(International, test::Boxes::Recorded, folder);
  playTheExpert(w, International);
  ASSERT_TRUE(w.window->endgames().progress().active);
  w.window->close();
  EXPECT_FALSE(w.window->endgames().progress().active);
  EXPECT_FALSE(w.window->statusBar()->isVisible());
  // Whatever was finished reads back; nothing half written lies beside it.
  std::error_code error;  // the folder itself may not have been made yet
  for (const auto& entry : std::filesystem::directory_iterator(folder, error))
    EXPECT_EQ(entry.path().extension(), ".egdb") << entry.path();
  const auto materials = endgameMaterials(3);
  EndgameDb<10> db(RuleFamily::International);
  for (const Material& m : materials)
    if (std::filesystem::exists(folder + "/" + endgameFileName(RuleFamily::International, 10, m))) {
      const auto problem = db.load(folder, m);
      EXPECT_FALSE(problem) << *problem;
    }
}

TEST(EndgamesInTheWindow, TheScoreAHintAndTheAnalysisSayWhatTheDatabasesKnow) {
  QTemporaryDir dir;
  Window w(American, test::Boxes::Recorded, dir.path().toStdString() + "/endgames");
  // The score beside the board is the Expert's first use here.
  commandAction(w.window.get(), CmdEvaluation)->trigger();
  ASSERT_TRUE(QTest::qWaitFor([&] { return ready(w); }, kWaitMs));
  const EndgameSet& set = *w.window->endgames().setFor(*w.game);

  setUp(w, kTwoKingsWin);
  const auto won = set.probe(*w.game, White);
  ASSERT_TRUE(won);
  ASSERT_EQ(won->outcome, EndgameOutcome::Win);
  ASSERT_TRUE(QTest::qWaitFor([&] { return w.window->shownScore().found; }, kWaitMs));
  EXPECT_EQ(w.window->shownScore().score, "1-0");
  EXPECT_EQ(w.window->shownScore().line, "White wins in " + std::to_string(movesOfPlies(won->plies)));

  w.window->dispatch(CmdHint);
  ASSERT_TRUE(QTest::qWaitFor([&] { return w.board()->status().startsWith("Hint: "); }, kWaitMs));
  EXPECT_EQ(w.board()->status().toStdString(), "Hint: win in " + std::to_string(movesOfPlies(won->plies)));
  w.save("endgame-hint-win-in");

  // The hint is about the position it was given in: a move ends it.
  generateMoves(w.game->legalMoves, *w.game, White);
  w.play(moveText(w.game->legalMoves[0]));
  EXPECT_FALSE(w.board()->status().startsWith("Hint: "));

  setUp(w, kKingsDraw);
  ASSERT_TRUE(QTest::qWaitFor([&] { return w.window->shownScore().found; }, kWaitMs));
  EXPECT_EQ(w.window->shownScore().score, "1/2-1/2");
  EXPECT_EQ(w.window->shownScore().line, "Draw");
  w.window->dispatch(CmdHint);
  ASSERT_TRUE(QTest::qWaitFor([&] { return w.board()->status().startsWith("Hint: "); }, kWaitMs));
  EXPECT_EQ(w.board()->status(), "Hint: draw");

  // Four pieces, held once White takes one.
  setUp(w, "W:.B....../......../......../......../...b..../..w...../......../W.......");
  w.play("c3:e5");
  const auto after = set.probe(*w.game, Black);
  ASSERT_TRUE(after);
  messages.clear();
  commandAction(w.window.get(), CmdAnalyse)->trigger();
  ASSERT_TRUE(QTest::qWaitFor([&] { return !w.window->analysing() && !messages.empty(); }, kWaitMs));
  EXPECT_NE(messages[0].find(
                "After 1. c3:e5 the endgame databases know the game: " + knownPositionScore(*after, Black).line + "."),
            std::string::npos)
      << messages[0];
}

}  // namespace
}  // namespace velmora
