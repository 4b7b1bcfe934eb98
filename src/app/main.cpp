#include "calculator/calculator_window.h"
#include "forms/fonts.h"
#include "forms/held_keys.h"
#include "platform/version.h"

#include <QApplication>
#include <QCommandLineParser>
#include <cstdio>
#include <optional>
#include <vector>

namespace {

// The options of Qt's own that QGuiApplication and QApplication read from the command
// line, listed so that the parser lets them through and --help names them.
struct QtOption {
    const char* name;
    const char* value; // none: a switch
    const char* description;
};
constexpr QtOption kQtOptions[] = {
    {"platform", "name[:options]", "Platform plugin to draw with: xcb, wayland, offscreen..."},
    {"platformpluginpath", "path", "Where to look for platform plugins as well."},
    {"platformtheme", "name", "Platform theme to take colours and fonts from."},
    {"plugin", "plugin", "Further plugin to load, such as an input device's."},
    {"qwindowgeometry", "geometry", "Size and place of the main window, as X11's -geometry."},
    {"qwindowicon", "icon", "Icon of the windows."},
    {"qwindowtitle", "title", "Title of the main window."},
    {"reverse", nullptr, "Lays the windows out from right to left."},
    {"session", "session", "Session to restore (X11)."},
    {"style", "style", "Widget style: Fusion, Windows..."},
    {"stylesheet", "file", "Qt style sheet to draw the windows with."},
    {"widgetcount", nullptr, "Prints how many widgets were left at the end."},
    {"display", "display", "X server to show the windows on (X11)."},
    {"geometry", "geometry", "Size and place of the main window (X11)."},
    {"nograb", nullptr, "Never grabs the mouse or the keyboard (X11)."},
    {"dograb", nullptr, "Grabs the mouse and the keyboard even under a debugger (X11)."},
};

// What the command line asks before any window: the exit status where the program ends
// here, and whether it names a widget style.
struct CommandLine {
    std::optional<int> status;
    bool styleNamed = false;
};

// Answers --help, --version and a mistaken argument as any Qt desktop program does, from
// a short-lived QCoreApplication that needs no display.
CommandLine answerCommandLine(int argc, char* argv[]) {
    int count = argc; // QCoreApplication may take arguments of its own out of its copy
    std::vector<char*> arguments(argv, argv + argc);
    const QCoreApplication core(count, arguments.data());
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "The allowable current (ampacity) of insulated copper and aluminum building conductors "
        "under the NEC 2017-2023, with the ambient temperature correction and the adjustment "
        "for more than three current-carrying conductors."));
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.addHelpOption();
    parser.addVersionOption();
    for (const QtOption& option : kQtOptions)
        parser.addOption(option.value
                             ? QCommandLineOption(QString::fromLatin1(option.name),
                                                  QString::fromLatin1(option.description),
                                                  QString::fromLatin1(option.value))
                             : QCommandLineOption(QString::fromLatin1(option.name),
                                                  QString::fromLatin1(option.description)));
    const bool understood = parser.parse(QCoreApplication::arguments());
    if (parser.isSet(QStringLiteral("help")) || parser.isSet(QStringLiteral("help-all")))
        parser.showHelp(); // ends the program
    if (parser.isSet(QStringLiteral("version")))
        parser.showVersion(); // ends the program
    QString mistake = parser.errorText();
    if (understood && !parser.positionalArguments().isEmpty())
        mistake = QStringLiteral("It takes no arguments, only options.");
    if (!mistake.isEmpty()) {
        std::fprintf(stderr, "brenvik: %s See brenvik --help.\n", qPrintable(mistake));
        return {2};
    }
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    // Without a display Qt aborts with a long message; say plainly what is missing.
    if (!parser.isSet(QStringLiteral("platform")) &&
        qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY") &&
        qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) {
        std::fputs("brenvik: no graphical display could be opened. DISPLAY (X11) or "
                   "WAYLAND_DISPLAY (Wayland) names the display a program shows its windows "
                   "on, and neither is set: start Brenvik from a desktop session, which sets "
                   "them.\n",
                   stderr);
        return {1};
    }
#endif
    return {std::nullopt, parser.isSet(QStringLiteral("style"))};
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication::setApplicationName(QStringLiteral("Brenvik"));
    QCoreApplication::setOrganizationName(QString::fromLatin1(platform::kMaker));
    QCoreApplication::setApplicationVersion(QString::fromLatin1(platform::kDisplayVersion));
    // Ties the windows to the installed desktop entry (its name and icon in the shell).
    QGuiApplication::setDesktopFileName(QStringLiteral("example.tarnholm.brenvik"));
    const CommandLine commandLine = answerCommandLine(argc, argv);
    if (commandLine.status)
        return *commandLine.status;
    QApplication app(argc, argv);
#ifdef Q_OS_WIN
    // The windows are laid out for the Windows 10 style, which Qt picks on Windows 10 and
    // used to pick on 11 as well. Its Windows 11 style leaves the lists' rows and the
    // buttons' captions less room: Windows 11 gets the Windows 10 style too, unless -style
    // or QT_STYLE_OVERRIDE asks for another. Set on the application, not through the
    // variable, which the programs the links start would inherit.
    if (!commandLine.styleNamed && qEnvironmentVariableIsEmpty("QT_STYLE_OVERRIDE"))
        QApplication::setStyle(QStringLiteral("windowsvista"));
#endif
    forms::loadFonts();
    forms::pressOncePerHeldKey();
    CalculatorWindow window;
    window.show();
    return app.exec();
}
