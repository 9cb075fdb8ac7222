#pragma once

#include <QIcon>

namespace spinora {

// The application's icon: the desktop theme's "org.spinora.Spinora" icon when installed,
// else the same potted cactus drawn here.
QIcon applicationIcon();

} // namespace spinora
