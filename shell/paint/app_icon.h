#pragma once
// The program's icon, drawn at every size it is shown at.

#include <QIcon>

namespace velmora {

QIcon appIcon();

}  // namespace velmora
