#include "forms/fonts.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QFontDatabase>
#include <QFontInfo>
#include <QGuiApplication>
#include <QScreen>
#include <algorithm>

namespace forms {

void loadFonts() {
    static bool loaded = false;
    if (loaded)
        return;
    loaded = true;
#ifndef Q_OS_WIN
    // Debian's fonts-wine ships a free MS Sans Serif outside fontconfig's search path.
    // It holds bitmaps only, which Qt cannot scale: where any screen is scaled, the window
    // may be shown or dragged there, and an outline substitute reads far better.
    const QString wineSansSerif = QStringLiteral("/usr/share/wine/fonts/ms_sans_serif.ttf");
    const QList<QScreen*> screens = QGuiApplication::screens();
    const bool unscaled = std::ranges::all_of(
        screens, [](const QScreen* screen) { return screen->devicePixelRatio() == 1.0; });
    if (unscaled && QFile::exists(wineSansSerif))
        QFontDatabase::addApplicationFont(wineSansSerif);
#else
    // The faces the program carries (src/forms/CMakeLists.txt names them) for a Windows
    // without Microsoft Sans Serif or Arial.
    for (const QFileInfo& face : QDir(QStringLiteral(":/faces")).entryInfoList())
        QFontDatabase::addApplicationFont(face.filePath());
#endif
    // Substitutes count only where the family itself is missing.
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                               {QStringLiteral("Liberation Sans"), QStringLiteral("Arial"),
                                QStringLiteral("DejaVu Sans")});
    QFont::insertSubstitutions(QStringLiteral("Arial"),
                               {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
}

QFont faceFont(const char* family, double points) {
    QString face = QString::fromUtf8(family);
    const bool sansSerif = face == QLatin1String("MS Sans Serif");
    const QString outline = QStringLiteral("Microsoft Sans Serif");
#ifdef Q_OS_WIN
    // Windows' MS Sans Serif is a bitmap face whose strikes Qt files under their cell
    // heights: asked for 8 points, it gets the 10-point strike, too large for every
    // caption, and above 100 % blocky. Microsoft Sans Serif, on every Windows 10 and 11, is
    // the outline face of its design, drawn to its widths; where it is missing (as under
    // Wine), the Liberation Sans the program carries.
    if (sansSerif)
        face = QFontDatabase::hasFamily(outline) ? outline : QStringLiteral("Liberation Sans");
#endif
    QFont font(face);
    font.setPointSizeF(points);
    // Any other outline face for MS Sans Serif (Liberation Sans, where the bitmap face is
    // missing or cannot be scaled) sets about 4 % wider than the face it stands for;
    // narrowed so much, it takes the room the windows' layout gives the captions.
    const QString drawn = QFontInfo(font).family();
    if (sansSerif && drawn != QLatin1String("MS Sans Serif") && drawn != outline) {
        font.setStretch(96);
#ifdef Q_OS_WIN
        // Qt's GDI engine narrows through a whole-pixel average width (to 80 % at 8
        // points); DirectWrite, which hinting in one direction asks for, exactly.
        font.setHintingPreference(QFont::PreferVerticalHinting);
#endif
    }
    return font;
}

} // namespace forms
