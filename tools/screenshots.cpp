// Renders the main window in a few states into PNG files, with the real window code and
// QWidget::grab(), so that the README shows what the program looks like.
// Usage: brenvik-screenshots OUTPUT_DIR   (run with QT_QPA_PLATFORM=offscreen)

#include "calculator/ampacity.h"
#include "forms/fonts.h"

#include <QApplication>
#include <QDir>
#include <QTest>
#include <cstdio>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fputs("usage: brenvik-screenshots OUTPUT_DIR\n", stderr);
        return 2;
    }
    forms::loadFonts();
    const QDir out(QString::fromLocal8Bit(argv[1]));
    Ampacity window;
    window.show();
    QTest::qWait(120); // the first ticks select the ampacity row

    const auto save = [&](const char* name) {
        const QString path = out.filePath(QString::fromLatin1(name));
        if (!window.grab().save(path)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            return false;
        }
        return true;
    };
    return save("main-window.png") ? 0 : 1;
}
