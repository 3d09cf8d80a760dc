#include "core/game/help.h"

#include "core/platform/host.h"

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
    default: return manualDirectory + "/index.html";
  }
}

void openHelp(int topic) { host.openDocument(helpPage(topic)); }

}  // namespace velmora
