// The home page command: the link file's address, or the manual.

#include "core/game/help.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

namespace velmora {
namespace {

TEST(Help, HomePageOpensTheLinkFilesAddressOrTheManual) {
  setManualDirectory("/opt/velmora/manual");
  const std::string link =
      (std::filesystem::temp_directory_path() / ("velmora-link-" + std::to_string(::getpid()) + ".url")).string();
  std::remove(link.c_str());
  EXPECT_EQ(homePageTarget(link), "/opt/velmora/manual/index.html");  // no link file

  std::ofstream(link, std::ios::binary) << "[InternetShortcut]\r\nURL=https://example.org/velmora\r\n";
  EXPECT_EQ(homePageTarget(link), "https://example.org/velmora");

  // Something other than a web address is not handed to the desktop.
  std::ofstream(link, std::ios::binary) << "[InternetShortcut]\r\nURL=file:///etc/passwd\r\n";
  EXPECT_EQ(homePageTarget(link), "/opt/velmora/manual/index.html");
  std::remove(link.c_str());
  setManualDirectory("manual");
}

}  // namespace
}  // namespace velmora
