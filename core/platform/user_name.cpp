#include "core/platform/user_name.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>

#include "core/platform/player_name.h"

namespace velmora {

std::string loginName() {
  std::string name;
  if (const passwd* entry = getpwuid(geteuid()); entry && entry->pw_name) name = entry->pw_name;
  if (name.empty())
    if (const char* user = std::getenv("USER")) name = user;
  return playerNameFrom(name);
}

}  // namespace velmora
