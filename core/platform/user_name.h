#pragma once
// The login name of the user running the program, at most kMaxNameLength bytes.

#include <string>

namespace velmora {

std::string loginName();

}  // namespace velmora
