// Renders the main window in a few states into PNG files, with the real window code and
// QWidget::grab(), so that the README shows what the program looks like.
// Usage: brenvik-screenshots OUTPUT_DIR [SUFFIX]   (run with QT_QPA_PLATFORM=offscreen;
// with QT_SCALE_FACTOR=2 and SUFFIX @2x for the high-DPI pictures)

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

// The palette Qt takes from GNOME's dark theme (Adwaita:dark, through its GTK platform
// theme), for the picture of the window on a dark desktop.
QPalette gnomeDark() {
    const QColor window(0x32, 0x32, 0x32), text(0xf0, 0xf0, 0xf0);
    QPalette palette(text, window, QColor(0x4b4b4b), QColor(0x212121), QColor(0x262626), text,
                     QColor(0x4b4b4b), QColor(0x242424), window);
    palette.setColor(QPalette::Highlight, QColor(48, 140, 198));
    palette.setColor(QPalette::HighlightedText, text);
    return palette;
}

void pickSize(QWidget& window, int row) {
    window.findChild<QComboBox*>(QStringLiteral("sizeList"))->setCurrentIndex(row);
    QTest::qWait(120); // a few ticks: the ampacity list follows, the box is recomputed
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fputs("usage: brenvik-screenshots OUTPUT_DIR [SUFFIX]\n", stderr);
        return 2;
    }
    forms::loadFonts();
    const QDir out(QString::fromLocal8Bit(argv[1]));
    const QString suffix = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QString();
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
    // Aluminum, 90 °C, 41-45 °C ambient, 4-6 conductors, 4/0 AWG, on a light desktop and on
    // a dark one.
    const QPalette light = QApplication::palette();
    for (const auto& [palette, name] :
         {std::pair{light, "aluminum-corrected.png"}, std::pair{gnomeDark(), "dark-desktop.png"}}) {
        QApplication::setPalette(palette);
        CalculatorWindow window;
        window.show();
        click(window, "materialButton");
        click(window, "insulationButton", 2);
        click(window, "ambientButton", 3);
        click(window, "conductorCountButton");
        pickSize(window, 11);
        save(window, name);
    }
    QApplication::setPalette(light);
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
