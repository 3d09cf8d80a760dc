#pragma once
// The game's working folder, where it keeps velmora.ini, Save/, SKIN/ and
// Sound/. A copy run from its build folder works in the current folder (the
// run command's run/); an installed copy works in $XDG_DATA_HOME/velmora,
// made on its first start from the installed data.

#include <optional>
#include <string>

namespace velmora {

// The installed data folder (<prefix>/share/velmora) of a program in
// <prefix>/bin, if the program is installed there.
std::optional<std::string> installedDataFolder(const std::string& programFolder);

// The media a copy run from its build folder made beside itself
// (<build>/media with Sound/ and SKIN/), if there are any.
std::optional<std::string> buildTreeMediaFolder(const std::string& programFolder);

// $XDG_DATA_HOME/velmora, or ~/.local/share/velmora when that is unset.
std::string userDataFolder();

// Makes `home` with Save/, SKIN/ and Sound/, and copies into Sound/ and
// SKIN/ the files of <data>/Sound and <data>/SKIN that are not there yet: a
// player's own files are never replaced. Returns an error text, or empty.
std::string prepareHomeFolder(const std::string& home, const std::optional<std::string>& data);

}  // namespace velmora
