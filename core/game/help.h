#pragma once
// The manual: HTML pages opened in the desktop's browser at a topic.

#include <string>

namespace velmora {

enum HelpTopic { HelpStart = 0, HelpRules = 1, HelpAppearance = 3, HelpNetwork = 4, HelpEngines = 5 };

// Where the manual's pages are; set once at start-up.
void setManualDirectory(const std::string& directory);

// The page of a topic; topics without a page of their own open the start page.
std::string helpPage(int topic);

// Opens the page and returns at once.
void openHelp(int topic);

// The link file of "Velmora home page", in the working folder.
constexpr const char* kHomePageLinkFile = "Quennet.url";

// What the home page command opens: the address in the link file (an
// internet shortcut, "URL=" in its [InternetShortcut] section) when the file
// holds one, the manual's start page otherwise.
std::string homePageTarget(const std::string& linkFile);

}  // namespace velmora
