#include "core/game/help.h"

#include "core/platform/host.h"
#include "core/platform/profile.h"

namespace velmora {

namespace {
std::string manualDirectory = "manual";
}

void setManualDirectory(const std::string& directory) { manualDirectory = directory; }

std::string helpPage(int topic) {
  switch (topic) {
    case HelpRules: return manualDirectory + "/rules.html";
    case HelpAppearance: return manualDirectory + "/appearance.html";
    case HelpNetwork: return manualDirectory + "/network.html";
    case HelpEngines: return manualDirectory + "/engines.html";
    default: return manualDirectory + "/index.html";
  }
}

void openHelp(int topic) { host.openDocument(helpPage(topic)); }

std::string homePageTarget(const std::string& linkFile) {
  const std::string url = Profile::readFile(linkFile).getString("InternetShortcut", "URL", "", 2048);
  // Only an address the browser opens; anything else in a damaged link file
  // falls back to the manual.
  const bool web = url.rfind("http://", 0) == 0 || url.rfind("https://", 0) == 0;
  return web ? url : helpPage(HelpStart);
}

}  // namespace velmora
