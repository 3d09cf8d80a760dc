#pragma once
// The login name of the user running the program, at most 50 characters.

#include <string>

namespace velmora {

std::string loginName();

}  // namespace velmora
