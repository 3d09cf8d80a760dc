// The turn controller: what the tick starts, what waits while a modal
// window or the break question is up, and what the program is doing.

#include "core/game/turn_controller.h"

#include <gtest/gtest.h>

#include <string>

#include "core/records/listing.h"
#include "core/rules/position_text.h"
#include "support/fake_host.h"
#include "support/test_support.h"

namespace velmora {
namespace {

struct Turns {
  test::FakeHost fake;
  std::unique_ptr<GameState> game = test::startPosition(American);
  MoveListing listing;
  TurnController turn{*game, listing};

  Turns(PlayerType white, PlayerType black) {
    game->players[White].type = white;
    game->players[Black].type = black;
    game->gameRunning = 1;
    refreshListing(listing, *game, 0);
  }
};

TEST(TurnController, TheTickStartsTheComputerOnlyWhenNothingElseIsUnderWay) {
  Turns t(ComputerPlayer, HumanPlayer);
  EXPECT_EQ(t.turn.onTick(), TurnStart::ComputerMove);
  EXPECT_EQ(t.turn.activity(), Activity::Idle);

  t.turn.modalOpened();  // a message box, a file dialog: nothing starts behind it
  EXPECT_EQ(t.turn.onTick(), TurnStart::Nothing);
  t.turn.modalClosed();
  EXPECT_EQ(t.turn.onTick(), TurnStart::ComputerMove);

  t.game->thinking = 1;
  EXPECT_EQ(t.turn.onTick(), TurnStart::Nothing);
  EXPECT_EQ(t.turn.activity(), Activity::Thinking);
  EXPECT_FALSE(t.turn.commandsAllowed());
  t.game->thinking = 0;

  t.game->showingMove = 1;
  EXPECT_EQ(t.turn.onTick(), TurnStart::Nothing);
  EXPECT_EQ(t.turn.activity(), Activity::ShowingMove);
  t.game->showingMove = 0;

  t.game->gameRunning = 0;  // broken off: the computer does not start again
  EXPECT_EQ(t.turn.onTick(), TurnStart::Nothing);
  EXPECT_EQ(t.turn.activity(), Activity::Idle);
}

TEST(TurnController, WhileTheGameIsAnalysedOrSetUpNoTurnStartsAndNoCommandIsTaken) {
  Turns t(ComputerPlayer, HumanPlayer);
  t.turn.setAnalysing(true);
  EXPECT_EQ(t.turn.activity(), Activity::Analysing);
  EXPECT_EQ(t.turn.onTick(), TurnStart::Nothing);
  EXPECT_FALSE(t.turn.commandsAllowed());
  t.turn.setAnalysing(false);

  t.turn.setSettingUp(true);
  EXPECT_EQ(t.turn.activity(), Activity::SettingUp);
  EXPECT_EQ(t.turn.onTick(), TurnStart::Nothing);
  EXPECT_FALSE(t.turn.commandsAllowed());
  t.turn.setSettingUp(false);

  EXPECT_EQ(t.turn.onTick(), TurnStart::ComputerMove);
  EXPECT_TRUE(t.turn.commandsAllowed());
}

TEST(TurnController, TheTimersLeaveTheGameAloneWhileEventsWait) {
  Turns t(HumanPlayer, HumanPlayer);
  EXPECT_TRUE(t.turn.timersRun());
  t.turn.modalOpened();
  EXPECT_FALSE(t.turn.timersRun());
  t.turn.modalClosed();
  EXPECT_TRUE(t.turn.timersRun());
  t.turn.breakQuestionOpened();
  EXPECT_FALSE(t.turn.timersRun());
}

TEST(TurnController, ANetworkMoveGoesOutEvenWhenItEndedTheGameButNeverDuringATransfer) {
  Turns t(HumanPlayer, RemotePlayer);
  t.game->gameRunning = 0;
  EXPECT_EQ(t.turn.onTick({true, false, true}), TurnStart::NetworkExchange);
  EXPECT_EQ(t.turn.onTick({true, true, false}), TurnStart::Nothing);
  EXPECT_EQ(t.turn.activity({true, true, false}), Activity::Transferring);
  EXPECT_FALSE(t.turn.commandsAllowed({true, true, false}));
  t.turn.modalOpened();
  EXPECT_EQ(t.turn.onTick({true, false, true}), TurnStart::Nothing);
}

TEST(TurnController, WhatArrivesWhileAModalWindowIsUpWaitsAndRunsInOrderAfterIt) {
  Turns t(HumanPlayer, HumanPlayer);
  std::string ran;
  t.turn.deliver([&] { ran += "a"; });
  EXPECT_EQ(ran, "a");  // nothing up: at once

  t.turn.modalOpened();
  t.turn.modalOpened();  // a message box over a dialog
  t.turn.deliver([&] { ran += "b"; });
  t.turn.deliver([&] { ran += "c"; });
  t.turn.runWaiting();
  EXPECT_EQ(ran, "a");
  t.turn.modalClosed();
  t.turn.runWaiting();
  EXPECT_EQ(ran, "a");  // the dialog is still up
  t.turn.modalClosed();
  t.turn.modalClosed();  // an extra close does not go below nothing
  t.turn.runWaiting();
  EXPECT_EQ(ran, "abc");

  // An event that opens a modal window holds back the ones after it.
  t.turn.modalOpened();
  t.turn.deliver([&] {
    ran += "d";
    t.turn.modalOpened();
  });
  t.turn.deliver([&] { ran += "e"; });
  t.turn.modalClosed();
  t.turn.runWaiting();
  EXPECT_EQ(ran, "abcd");
  EXPECT_EQ(t.turn.waitingEvents(), 1);
  t.turn.modalClosed();
  t.turn.runWaiting();
  EXPECT_EQ(ran, "abcde");
}

TEST(TurnController, TheBreakQuestionHoldsTheWorkersReportsUntilItIsAnswered) {
  Turns t(HumanPlayer, ComputerPlayer);
  t.game->thinking = 1;
  EXPECT_TRUE(t.turn.escapeAsksBreak());
  t.turn.breakQuestionOpened();
  EXPECT_FALSE(t.turn.escapeAsksBreak());  // a second press asks nothing more
  bool finished = false;
  t.turn.deliver([&] { finished = true; });
  EXPECT_FALSE(finished);
  EXPECT_EQ(t.turn.onTick(), TurnStart::Nothing);
  t.turn.breakQuestionClosed();
  t.turn.runWaiting();
  EXPECT_TRUE(finished);

  t.game->thinking = 0;
  EXPECT_FALSE(t.turn.escapeAsksBreak());                    // nothing to break
  EXPECT_TRUE(t.turn.escapeAsksBreak({true, true, false}));  // but a transfer
}

TEST(TurnController, AReplacedGameDropsWhatWaitedForTheOldOne) {
  Turns t(ComputerPlayer, ComputerPlayer);
  t.turn.modalOpened();
  bool oldMovePlayed = false;
  t.turn.deliver([&] { oldMovePlayed = true; });
  t.turn.gameReplaced();
  t.turn.modalClosed();
  t.turn.runWaiting();
  EXPECT_FALSE(oldMovePlayed);
}

TEST(TurnController, PauseHoldsOnlyAGameOfTwoComputers) {
  Turns t(ComputerPlayer, ComputerPlayer);
  t.turn.togglePause();
  EXPECT_TRUE(t.turn.paused());
  EXPECT_EQ(t.turn.activity(), Activity::Paused);
  EXPECT_EQ(t.turn.onTick(), TurnStart::Nothing);
  t.game->players[Black].type = HumanPlayer;
  t.turn.dropPauseUnlessComputers();
  EXPECT_FALSE(t.turn.paused());
  t.turn.togglePause();
  EXPECT_FALSE(t.turn.paused());
}

TEST(TurnController, AGameWonAtItsLastLineIsOver) {
  Turns t(HumanPlayer, HumanPlayer);
  readPosition("W:......../......../......../......../......../......../.b....../w.......", American, *t.game);
  t.game->plyCount = 0;
  refreshListing(t.listing, *t.game, 0);
  EXPECT_EQ(t.turn.activity(), Activity::HumanToMove);
  readPosition("W:......../......../......../......../......../......../......../b.......", American, *t.game);
  EXPECT_EQ(t.turn.activity(), Activity::GameOver);  // White has nothing left
  t.game->gameRunning = 0;
  EXPECT_EQ(t.turn.activity(), Activity::GameOver);
}

}  // namespace
}  // namespace velmora
