#pragma once

#include <QIcon>

namespace platform {

/// The program's icon, shared by both windows, in every size a window draws it at.
QIcon programIcon();

} // namespace platform
