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
  CmdExportBoard = 32800,
  CmdContinue = 32801,  // beyond the original menu: a stopped game goes on  // beyond the original menu: the board as a
                        // picture file
};

}  // namespace velmora
