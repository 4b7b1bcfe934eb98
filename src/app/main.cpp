#include "calculator/calculator_window.h"
#include "forms/fonts.h"
#include "platform/version.h"

#include <QApplication>
#include <cstdio>

int main(int argc, char* argv[]) {
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    // Without a display Qt aborts with a long message; say plainly what is missing.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY") &&
        qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) {
        std::fputs("brenvik: no graphical display (DISPLAY is not set); run it on a desktop, "
                   "or headless with: xvfb-run -a make run\n",
                   stderr);
        return 1;
    }
#endif
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Brenvik"));
    QApplication::setOrganizationName(QStringLiteral("Tarnholm Inc."));
    QApplication::setApplicationVersion(QString::fromLatin1(platform::kDisplayVersion));
    // Ties the windows to the installed desktop entry (its name and icon in the shell).
    QGuiApplication::setDesktopFileName(QStringLiteral("example.tarnholm.brenvik"));
    forms::loadFonts();
    CalculatorWindow window;
    window.show();
    return app.exec();
}
