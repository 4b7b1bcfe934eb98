#include "platform/program_icon.h"

namespace platform {

QIcon programIcon() {
    QIcon icon;
    // The sizes a window's title bar and task switcher draw; launchers take the larger
    // ones from the installed icon theme. Each size here is decoded when added.
    for (const int size : {16, 32, 48, 64})
        icon.addFile(QStringLiteral(":/icons/brenvik-%1.png").arg(size), QSize(size, size));
    return icon;
}

} // namespace platform
