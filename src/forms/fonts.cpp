#include "forms/fonts.h"

#include <QFile>
#include <QFont>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QScreen>

namespace forms {

void loadFonts() {
    static bool loaded = false;
    if (loaded)
        return;
    loaded = true;
#ifndef Q_OS_WIN // Windows has an MS Sans Serif of its own
    // Debian's fonts-wine ships a free MS Sans Serif outside fontconfig's search path.
    // It holds bitmaps only, which Qt cannot scale: on a high-DPI screen an outline
    // substitute reads far better.
    const QString wineSansSerif = QStringLiteral("/usr/share/wine/fonts/ms_sans_serif.ttf");
    const QScreen* screen = QGuiApplication::primaryScreen();
    const bool unscaled = !screen || screen->devicePixelRatio() == 1.0;
    if (unscaled && QFile::exists(wineSansSerif))
        QFontDatabase::addApplicationFont(wineSansSerif);
#endif
    // Substitutes count only where the family itself is missing.
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                               {QStringLiteral("Liberation Sans"), QStringLiteral("Arial"),
                                QStringLiteral("DejaVu Sans")});
    QFont::insertSubstitutions(QStringLiteral("Arial"),
                               {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
}

} // namespace forms
