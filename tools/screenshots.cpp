// Renders the windows in a few states into PNG files, with the real window code and
// QWidget::grab(), so that the README shows what the program looks like.
// Usage: brenvik-screenshots light|dark OUTPUT_DIR [SUFFIX]
// light: the pictures of a light desktop (run with QT_QPA_PLATFORM=offscreen); dark: the
// picture of a dark one, run on an X server under a dark desktop theme, whose platform
// theme hands Qt its palette as it does for a user (see the Makefile). With
// QT_SCALE_FACTOR=2 and SUFFIX @2x, the high-DPI pictures.

#include "calculator/calculator_window.h"
#include "forms/fonts.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QPushButton>
#include <QTest>
#include <cstdio>

namespace {

void click(QWidget& window, const char* button, int times = 1) {
    auto* target = window.findChild<QPushButton*>(QString::fromLatin1(button));
    for (int i = 0; i < times; ++i)
        QTest::mouseClick(target, Qt::LeftButton);
}

void pickSize(QWidget& window, int row) {
    window.findChild<QComboBox*>(QStringLiteral("sizeList"))->setCurrentIndex(row);
    QTest::qWait(120); // a few ticks: the ampacity list follows, the box is recomputed
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const QString desktop = argc > 2 ? QString::fromLocal8Bit(argv[1]) : QString();
    if (desktop != QLatin1String("light") && desktop != QLatin1String("dark")) {
        std::fputs("usage: brenvik-screenshots light|dark OUTPUT_DIR [SUFFIX]\n", stderr);
        return 2;
    }
    const bool dark = QApplication::palette().color(QPalette::Window).lightness() < 128;
    if (dark != (desktop == QLatin1String("dark"))) {
        std::fprintf(stderr, "the desktop's palette is not %s\n", argv[1]);
        return 1;
    }
    forms::loadFonts();
    const QDir out(QString::fromLocal8Bit(argv[2]));
    const QString suffix = argc > 3 ? QString::fromLocal8Bit(argv[3]) : QString();
    bool ok = true;
    const auto save = [&](QWidget& window, const char* name) {
        QString file = QString::fromLatin1(name);
        file.insert(file.lastIndexOf(QLatin1Char('.')), suffix);
        const QString path = out.filePath(file);
        if (!window.grab().save(path)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            ok = false;
        }
    };

    // Aluminum, 90 °C, 41-45 °C ambient, 4-6 conductors, 4/0 AWG, on either desktop.
    const auto aluminum = [&](const char* name) {
        CalculatorWindow window;
        window.show();
        click(window, "materialButton");
        click(window, "insulationButton", 2);
        click(window, "ambientButton", 3);
        click(window, "conductorCountButton");
        pickSize(window, 11);
        save(window, name);
    };
    if (dark) {
        aluminum("dark-desktop.png");
        return ok ? 0 : 1;
    }
    {
        CalculatorWindow window;
        window.show();
        QTest::qWait(120); // the first ticks select the ampacity row
        save(window, "main-window.png");
    }
    {
        // Copper in free air, 75 °C, 36-40 °C ambient, 500 MCM.
        CalculatorWindow window;
        window.show();
        click(window, "installationButton");
        click(window, "insulationButton");
        click(window, "ambientButton", 2);
        pickSize(window, 17);
        save(window, "free-air.png");
    }
    aluminum("aluminum-corrected.png");
    {
        CalculatorWindow window;
        window.show();
        click(window, "readMeButton");
        QTest::qWait(50);
        for (QWidget* top : QApplication::topLevelWidgets())
            if (top->objectName() == QLatin1String("readMeWindow") && top->isVisible())
                save(*top, "read-me.png");
    }
    return ok ? 0 : 1;
}
