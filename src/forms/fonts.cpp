#include "forms/fonts.h"

#include <QFile>
#include <QFont>
#include <QFontDatabase>
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
    // Windows' own MS Sans Serif is a bitmap face; how Qt draws it above 1x is unseen under Wine.
#endif
    // Substitutes count only where the family itself is missing.
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                               {QStringLiteral("Liberation Sans"), QStringLiteral("Arial"),
                                QStringLiteral("DejaVu Sans")});
    QFont::insertSubstitutions(QStringLiteral("Arial"),
                               {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
}

} // namespace forms
