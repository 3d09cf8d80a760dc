// The game's working folder: where it is, and its first filling, which
// never replaces a player's own files.

#include "core/platform/home_folder.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace velmora {
namespace {

namespace fs = std::filesystem;

std::string readAll(const fs::path& p) {
  std::ifstream in(p);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

TEST(HomeFolder, FilledFromTheInstalledDataWithoutReplacingAnything) {
  const fs::path root = fs::temp_directory_path() / ("velmora-home-" + std::to_string(::getpid()));
  fs::remove_all(root);
  const fs::path data = root / "usr" / "share" / "velmora";
  fs::create_directories(data / "Sound");
  fs::create_directories(data / "SKIN");
  fs::create_directories(data / "manual");
  fs::create_directories(root / "usr" / "bin");
  std::ofstream(data / "Sound" / "Capture.wav") << "installed";
  std::ofstream(data / "SKIN" / "Example.bmp") << "skin";

  EXPECT_EQ(installedDataFolder((root / "usr" / "bin").string()), data.string());
  EXPECT_EQ(installedDataFolder((root / "build").string()), std::nullopt);
  // A build folder's own media, made beside the program; none elsewhere.
  fs::create_directories(root / "build" / "media" / "Sound");
  EXPECT_EQ(buildTreeMediaFolder((root / "build").string()), (root / "build" / "media").string());
  EXPECT_EQ(buildTreeMediaFolder((root / "usr" / "bin").string()), std::nullopt);

  const fs::path home = root / "home" / "velmora";
  fs::create_directories(home / "Sound");
  std::ofstream(home / "Sound" / "Capture.wav") << "the player's own";
  EXPECT_EQ(prepareHomeFolder(home.string(), data.string()), "");
  EXPECT_TRUE(fs::is_directory(home / "Save"));
  EXPECT_EQ(readAll(home / "Sound" / "Capture.wav"), "the player's own");
  EXPECT_EQ(readAll(home / "SKIN" / "Example.bmp"), "skin");

  // A folder that cannot be made is said so.
  std::ofstream(root / "file") << "x";
  EXPECT_NE(prepareHomeFolder((root / "file" / "velmora").string(), std::nullopt), "");
  fs::remove_all(root);
}

TEST(HomeFolder, TheUsersDataFolderFollowsXdgDataHome) {
  const char* saved = std::getenv("XDG_DATA_HOME");
  const std::string keep = saved ? saved : "";
  const char* savedHome = std::getenv("HOME");
  const std::string keepHome = savedHome ? savedHome : "";
  ::setenv("XDG_DATA_HOME", "/srv/data", 1);
  EXPECT_EQ(userDataFolder(), "/srv/data/velmora");
  ::setenv("XDG_DATA_HOME", "relative", 1);  // not absolute: ignored
  ::setenv("HOME", "/home/anna", 1);
  EXPECT_EQ(userDataFolder(), "/home/anna/.local/share/velmora");
  if (saved)
    ::setenv("XDG_DATA_HOME", keep.c_str(), 1);
  else
    ::unsetenv("XDG_DATA_HOME");
  if (savedHome) ::setenv("HOME", keepHome.c_str(), 1);
}

}  // namespace
}  // namespace velmora
