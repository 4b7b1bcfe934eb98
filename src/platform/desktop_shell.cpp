#include "platform/desktop_shell.h"

#ifdef Q_OS_WIN
#include <shellapi.h>
#include <windows.h>
#else
#include <QDesktopServices>
#include <QUrl>
#endif

namespace platform {
namespace {

void openWithDesktop(const QString& file) {
#ifdef Q_OS_WIN
    // The shell's narrow entry point takes the text in the system's ANSI code page.
    const QByteArray ansi = file.toLocal8Bit();
    ShellExecuteA(nullptr, nullptr, ansi.constData(), nullptr, nullptr, SW_SHOWNORMAL);
#else
    QDesktopServices::openUrl(QUrl(file, QUrl::TolerantMode));
#endif
}

ShellOpener& currentOpener() {
    static ShellOpener opener = openWithDesktop;
    return opener;
}

} // namespace

void shellOpen(const QString& file) {
    currentOpener()(file);
}

ShellOpener setShellOpener(ShellOpener opener) {
    ShellOpener previous = std::move(currentOpener());
    currentOpener() = opener ? std::move(opener) : ShellOpener(openWithDesktop);
    return previous;
}

} // namespace platform
