// The listing, playing a move with its animation and sounds, the move limit,
// and the end of the game.

#include "core/game/play.h"

#include <gtest/gtest.h>

#include "core/game/sound.h"
#include "core/records/listing.h"
#include "core/records/notation.h"
#include "core/rules/generate.h"
#include "core/rules/position_text.h"
#include "support/fake_host.h"
#include "support/test_support.h"

namespace velmora {
namespace {

using Lines = std::vector<std::string>;
using Sounds = std::vector<SoundId>;

struct Game {
  std::unique_ptr<GameState> state;
  MoveListing listing;

  explicit Game(std::unique_ptr<GameState> s) : state(std::move(s)) {
    resetListing(listing);
    refreshListing(listing, *state, 0);
  }

  // Plays the move with this text from the shown position, as mouse entry does.
  void play(const std::string& text) { test::playListed(*state, listing, text); }
};

TEST(Listing, LinesNumberWhiteMovesAndIndentBlackOnes) {
  Game g(test::startPosition(American));
  EXPECT_EQ(g.listing.lines, (Lines{" 0."}));
  EXPECT_EQ(g.listing.selected, 0);
  EXPECT_EQ(g.listing.sideToMove(), White);
  test::FakeHost fake;
  for (const char* m : {"c3-d4", "f6-e5", "d4:f6", "g7:e5"}) g.play(m);
  EXPECT_EQ(g.listing.lines, (Lines{" 0.", " 1. c3-d4", "        f6-e5", " 2. d4:f6", "        g7:e5"}));
  EXPECT_EQ(g.listing.selected, 4);
  EXPECT_EQ(listingLine(21, "a1-b2"), " 11. a1-b2");
  EXPECT_EQ(listingLine(20, "a1-b2"), "        a1-b2");
}

TEST(Listing, EarlierLineShowsItsPositionAndPlayingThereCutsTheGame) {
  test::FakeHost fake;
  Game g(test::startPosition(American));
  for (const char* m : {"c3-d4", "f6-e5", "d4:f6", "g7:e5", "b2-c3"}) g.play(m);
  auto scratch = std::make_unique<GameState>();
  g.listing.selected = 3;
  showListedPosition(*g.state, *scratch, g.listing);
  EXPECT_EQ(g.state->board[5][5].kind, Man);  // after d4:f6
  EXPECT_EQ(g.state->board[5][5].side, White);
  EXPECT_EQ(g.state->plyCount, 5);  // the record is kept
  EXPECT_EQ(checkGameEnd(*g.state, g.listing, true), GameGoesOn);
  EXPECT_TRUE(fake.record().messages.empty());

  g.play("e7:g5");
  EXPECT_EQ(g.listing.lines.size(), 5u);
  EXPECT_EQ(g.listing.lines.back(), "        e7:g5");
  EXPECT_EQ(g.listing.selected, 4);
}

TEST(PlayMove, PlainMoveRepaintsAndSoundsOnce) {
  test::FakeHost fake;
  Game g(test::startPosition(American));
  g.play("c3-d4");
  EXPECT_EQ(fake.record().sounds, (Sounds{SoundId::Movement}));
  EXPECT_EQ(fake.record().repaintsNow, 1);
  EXPECT_TRUE(fake.record().sleeps.empty());
  EXPECT_EQ(g.state->gameModified, 1);
}

TEST(PlayMove, CaptureIsShownStepByStep) {
  test::FakeHost fake;
  // c1 takes d2, f4 and f6, landing on e3, g5 and e7.
  Game g(test::position(American, "W:......../......../.....b../......../.....b../......../...b..../..w....."));
  generateMoves(g.state->legalMoves, *g.state, White);
  // Each repaint sees the board after one more capture.
  static std::vector<std::string> boards;
  static GameState* watched;
  boards.clear();
  watched = g.state.get();
  host.repaintNow = [] { boards.push_back(writePosition(*watched)); };
  playMove(*g.state, g.listing, 0);
  EXPECT_EQ(boards, (Lines{"B:......../......../.....b../......../.....b../....w.../......../........",
                           "B:......../......../.....b../......w./......../......../......../........",
                           "B:......../....w.../......../......../......../......../......../........"}));
  EXPECT_EQ(fake.record().sounds, (Sounds{SoundId::Capture, SoundId::Capture, SoundId::Capture}));
  EXPECT_EQ(fake.record().sleeps, (std::vector<int>{750, 750}));
  EXPECT_EQ(g.state->gameRecord[0].captureCount, 3);
  EXPECT_EQ(formatMove(*g.state, 0), "c1:e3:g5:e7");
}

TEST(PlayMove, PromotionSoundsAfterTheMoveAndKingsNeverDo) {
  test::FakeHost fake;
  Game g(test::position(American, "W:.B....../......w./......../......../......../......../......../........"));
  g.play("g7-f8");
  EXPECT_EQ(fake.record().sounds, (Sounds{SoundId::Movement, SoundId::Promotion}));
  g.play("b8-a7");
  fake.record().sounds.clear();
  g.play("f8-e7");
  EXPECT_EQ(fake.record().sounds, (Sounds{SoundId::Movement}));
}

TEST(PlayMove, EachStepWaitsForItsSoundAndDisabledSoundsAreSkipped) {
  test::FakeHost fake;
  // The sounds are heard later, as the window plays them: each continuation
  // is kept until the test lets the sound end.
  static std::vector<std::function<void()>> playing;
  playing.clear();
  host.playSound = [](SoundId e, const std::string&, std::function<void()> finished) {
    test::FakeHost::installed().sounds.push_back(e);
    playing.push_back(std::move(finished));
  };
  Game g(test::position(American, "W:......../......../.....b../......../.....b../......../...b..../..w....."));
  generateMoves(g.state->legalMoves, *g.state, White);
  playMove(*g.state, g.listing, 0);
  EXPECT_EQ(fake.record().sounds.size(), 1u);
  EXPECT_TRUE(fake.record().sleeps.empty());  // no pause before the sound has ended
  EXPECT_EQ(g.state->showingMove, 1);
  playing.back()();
  EXPECT_EQ(fake.record().sleeps, (std::vector<int>{750}));
  EXPECT_EQ(fake.record().sounds.size(), 2u);
  playing.back()();
  playing.back()();
  EXPECT_EQ(fake.record().sleeps, (std::vector<int>{750, 750}));
  EXPECT_EQ(g.state->showingMove, 0);

  // Every event switched off: a plain move, a promotion and a capture are silent.
  for (auto& e : soundEvents) e.enabled = 0;
  fake.record().sounds.clear();
  Game quiet(test::position(American, "W:.B....../......w./......../......../......../......../......../........"));
  quiet.play("g7-f8");
  quiet.play("b8-a7");
  EXPECT_TRUE(fake.record().sounds.empty());
  EXPECT_EQ(quiet.state->showingMove, 0);
  for (auto& e : soundEvents) e.enabled = 1;
}

TEST(PlayMove, CaptureOntoThePromotionRowSoundsItsCapturesThenPromotion) {
  test::FakeHost fake;
  Game g(test::position(American, "W:......../......../...b..../......../.b....../w......./......../........"));
  g.play("a3:c5:e7");
  EXPECT_EQ(fake.record().sounds, (Sounds{SoundId::Capture, SoundId::Capture}));
  fake.record().sounds.clear();
  Game p(test::position(American, "W:......../...b..../..w...../......../......../......../......../........"));
  p.play("c6:e8");
  EXPECT_EQ(fake.record().sounds, (Sounds{SoundId::Capture, SoundId::Promotion}));
  EXPECT_EQ(fake.record().soundFiles.back(), ".\\Sound\\Promotion.wav");
}

TEST(PlayMove, ClosingWhileASoundPlaysLeavesItNothingToDo) {
  test::FakeHost fake;
  static std::function<void()> pending;
  host.playSound = [](SoundId, const std::string&, std::function<void()> finished) { pending = std::move(finished); };
  Game g(test::startPosition(American));
  bool done = false;
  generateMoves(g.state->legalMoves, *g.state, White);
  playMove(*g.state, g.listing, 0, [&] { done = true; });
  EXPECT_FALSE(done);
  finishShowingMove(*g.state);
  EXPECT_TRUE(done);
  EXPECT_EQ(g.state->showingMove, 0);
  done = false;
  pending();  // the sound ends after the window has shown the move whole
  EXPECT_FALSE(done);
}

TEST(PlayMove, FourHundredMovesAtMost) {
  test::FakeHost fake;
  Game g(test::startPosition(American));
  g.listing.lines.resize(kMaxGameMoves + 1, " x");
  g.listing.selected = kMaxGameMoves;
  g.state->gameRunning = 1;
  generateMoves(g.state->legalMoves, *g.state, White);
  playMove(*g.state, g.listing, 0);
  EXPECT_EQ(fake.record().messages, (Lines{"Limit of amount movements has been reached.\nGame over."}));
  EXPECT_EQ(g.state->gameRunning, 0);
  EXPECT_EQ(g.listing.lines.size(), static_cast<size_t>(kMaxGameMoves + 1));
  playMove(*g.state, g.listing, 999);  // an index beyond the list is ignored
  EXPECT_EQ(fake.record().messages.size(), 1u);
}

TEST(GameEnd, SideWithoutMovesLosesOrWinsTheGiveAwayGame) {
  test::FakeHost fake;
  Game g(test::position(American, "W:......../......../......../......../......../..b...../.b....../w......."));
  EXPECT_EQ(checkGameEnd(*g.state, g.listing, true), BlackWins);
  g.state->giveAway = 1;
  EXPECT_EQ(checkGameEnd(*g.state, g.listing, true), WhiteWins);
  EXPECT_EQ(fake.record().messages, (Lines{"Game over.\nBlack wins.", "Game over.\nWhite wins."}));
  EXPECT_EQ(checkGameEnd(*g.state, g.listing, false), WhiteWins);
  EXPECT_EQ(fake.record().messages.size(), 2u);
}

TEST(GameEnd, ThirtyQuietMovesDrawAndAManMoveOrCaptureRestartsTheCount) {
  test::FakeHost fake;
  Game g(test::position(American, "W:.B....../......../......../......../......../......../......../W......."));
  const char* white[] = {"a1-b2", "b2-a1"};
  const char* black[] = {"b8-a7", "a7-b8"};
  for (int i = 0; i < 29; ++i) g.play(i % 2 == 0 ? white[(i / 2) % 2] : black[(i / 2) % 2]);
  EXPECT_EQ(checkGameEnd(*g.state, g.listing, true), GameGoesOn);
  g.play(black[(29 / 2) % 2]);
  EXPECT_EQ(checkGameEnd(*g.state, g.listing, true), Draw);
  EXPECT_EQ(fake.record().messages, (Lines{"Game over.\nNo capture in 15 last moves.\nThis game is a draw"}));

  // A man's sideways move breaks the run; a Turkish man going straight on does not.
  MoveRecord quiet{};
  quiet.pieceKind = Man;
  quiet.fromX = 3;
  quiet.steps[0].toX = 3;
  Game t(test::position(Turkish, "W:......../......../......../......../......../......../W......./.......B"));
  for (int i = 0; i < 30; ++i) t.state->gameRecord[i] = quiet;
  t.listing.lines.resize(31, " x");
  t.listing.selected = 30;
  EXPECT_EQ(checkGameEnd(*t.state, t.listing, false), Draw);
  t.state->gameRecord[10].steps[0].toX = 4;
  EXPECT_EQ(checkGameEnd(*t.state, t.listing, false), GameGoesOn);
}

}  // namespace
}  // namespace velmora
