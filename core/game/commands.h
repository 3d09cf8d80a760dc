#pragma once
// Numeric command identifiers of the main window's menu and accelerators;
// other code sends them too (the save prompt sends Save).

namespace velmora {

enum Command : int {
  CmdUserManual = 8,
  CmdAbout = 104,
  CmdExit = 105,
  CmdListing = 1014,
  CmdAppearance = 32771,
  CmdNew = 32772,
  CmdLoad = 32773,
  CmdSave = 32774,
  CmdRules = 32777,
  CmdHomePage = 32780,
  CmdNetwork = 32785,
  CmdPrintBoard = 32789,
  CmdPrintMiniBoard = 32790,
  CmdPrintListing = 32791,
  CmdSound = 32794,
  CmdExportBoard = 32800,  // the board as a picture file
  CmdContinue = 32801,     // a stopped game goes on
  CmdTakeBack = 32802,
  CmdPlayOn = 32803,
  CmdPause = 32804,     // a game of two computers stops after the current move
  CmdOneClick = 32805,  // the one-click entry setting, on or off
  CmdExportPdn = 32806,
  CmdImportPdn = 32807,
  CmdCopyFen = 32808,
  CmdPasteFen = 32809,
  CmdSetUp = 32810,       // set up a position on the board
  CmdHint = 32811,        // the move the Expert would play, marked
  CmdEvaluation = 32812,  // the Expert's score and line beside the board, on or off
  CmdAnalyse = 32813,     // the Expert goes over the game and marks mistakes
  CmdFlip = 32814,        // the board turned round: White on top or at the bottom
  CmdPlayEngine = 32815,  // an outside engine as the opponent, or for hints
};

}  // namespace velmora
