#include "platform/desktop_shell.h"

#ifdef Q_OS_WIN
#include <shellapi.h>
#include <windows.h>
#else
#include <QDesktopServices>
#include <QUrl>
#endif

namespace platform {

void shellOpen(const QString& file) {
#ifdef Q_OS_WIN
    // The shell's narrow entry point takes the text in the system's ANSI code page.
    const QByteArray ansi = file.toLocal8Bit();
    ShellExecuteA(nullptr, nullptr, ansi.constData(), nullptr, nullptr, SW_SHOWNORMAL);
#else
    // Qt hands the address to the desktop's handler for its scheme (xdg-open on Linux).
    QDesktopServices::openUrl(QUrl(file, QUrl::TolerantMode));
#endif
}

} // namespace platform
