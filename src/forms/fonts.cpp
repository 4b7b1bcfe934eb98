#include "forms/fonts.h"

#include <QFile>
#include <QFont>
#include <QFontDatabase>

namespace forms {

void loadFonts() {
    static bool loaded = false;
    if (loaded)
        return;
    loaded = true;
    // Debian's fonts-wine ships a free MS Sans Serif outside fontconfig's search path.
    const QString wineSansSerif = QStringLiteral("/usr/share/wine/fonts/ms_sans_serif.ttf");
    if (QFile::exists(wineSansSerif))
        QFontDatabase::addApplicationFont(wineSansSerif);
    // Substitutes count only where the family itself is missing.
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                               {QStringLiteral("Liberation Sans"), QStringLiteral("Arial"),
                                QStringLiteral("DejaVu Sans")});
    QFont::insertSubstitutions(QStringLiteral("Arial"),
                               {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
}

} // namespace forms
