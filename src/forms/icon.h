#pragma once

#include <QIcon>

namespace forms {

/// The program's icon, shared by both windows, in every size it is drawn at.
QIcon programIcon();

} // namespace forms
