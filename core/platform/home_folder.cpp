#include "core/platform/home_folder.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace velmora {

namespace fs = std::filesystem;

std::optional<std::string> installedDataFolder(const std::string& programFolder) {
  const fs::path bin(programFolder);
  if (bin.filename() != "bin") return std::nullopt;
  const fs::path data = bin.parent_path() / "share" / "velmora";
  std::error_code ec;
  if (!fs::is_directory(data / "manual", ec)) return std::nullopt;
  return data.string();
}

std::optional<std::string> buildTreeMediaFolder(const std::string& programFolder) {
  const fs::path media = fs::path(programFolder) / "media";
  std::error_code ec;
  if (!fs::is_directory(media / "Sound", ec) && !fs::is_directory(media / "SKIN", ec)) return std::nullopt;
  return media.string();
}

std::string userDataFolder() {
  const char* xdg = std::getenv("XDG_DATA_HOME");
  // A relative XDG_DATA_HOME is invalid and is ignored, as the standard says.
  if (xdg && *xdg && fs::path(xdg).is_absolute()) return (fs::path(xdg) / "velmora").string();
  const char* home = std::getenv("HOME");
  return (fs::path(home && *home ? home : ".") / ".local" / "share" / "velmora").string();
}

std::string prepareHomeFolder(const std::string& home, const std::optional<std::string>& data) {
  std::error_code ec;
  for (const char* sub : {"Save", "SKIN", "Sound"}) {
    fs::create_directories(fs::path(home) / sub, ec);
    if (ec) return "cannot make " + (fs::path(home) / sub).string() + ": " + ec.message();
  }
  if (!data) return {};
  for (const char* sub : {"Sound", "SKIN"}) {
    const fs::path from = fs::path(*data) / sub;
    if (!fs::is_directory(from, ec)) continue;
    for (const auto& entry : fs::directory_iterator(from, ec)) {
      if (!entry.is_regular_file(ec)) continue;
      const fs::path to = fs::path(home) / sub / entry.path().filename();
      if (fs::exists(to, ec)) continue;
      fs::copy_file(entry.path(), to, ec);
      if (ec) return "cannot copy " + entry.path().string() + ": " + ec.message();
    }
  }
  return {};
}

}  // namespace velmora
