// Starts the calculator as the program does and exits once the window has been painted
// and its first tick has run: the whole-process cost of a look-up's start.

#include "calculator/calculator_window.h"
#include "first_paint_and_tick.h"
#include "forms/fonts.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    forms::loadFonts();
    CalculatorWindow window;
    FirstPaintAndTick exit(&window, window.findChild<QTimer*>(QStringLiteral("sizeListTimer")));
    window.show();
    return app.exec();
}
