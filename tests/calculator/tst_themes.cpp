// Both windows under light, dark and high-contrast desktop palettes: every caption, row
// and result reads at 4.5:1 at least against what is painted behind it, measured on the
// rendered pixels.

#include "calculator/ampacity.h"
#include "forms/colours.h"
#include "forms/fonts.h"
#include "readme/about_brenvik.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyleFactory>
#include <QStyleOptionGroupBox>
#include <QTest>
#include <memory>

namespace {

struct Theme {
    const char* name;
    QColor window, text, base, button, highlight;
};
const Theme kThemes[] = {
    {"light", QColor(239, 239, 239), Qt::black, Qt::white, QColor(239, 239, 239),
     QColor(48, 140, 198)},
    {"Breeze Dark", QColor(0x2a2e32), QColor(0xfcfcfc), QColor(0x1b1e20), QColor(0x31363b),
     QColor(0x3daee9)},
    {"GNOME dark", QColor(0x323232), QColor(0xf0f0f0), QColor(0x242424), QColor(0x323232),
     QColor(48, 140, 198)}, // as Qt's GTK theme gives Adwaita:dark
    {"high contrast", Qt::black, Qt::white, Qt::black, Qt::black, QColor(0x1aebff)},
};

QPalette palette(const Theme& theme) {
    QPalette palette(theme.text, theme.button, theme.button.lighter(150), theme.button.darker(150),
                     theme.button.darker(120), theme.text, Qt::white, theme.base, theme.window);
    palette.setColor(QPalette::Highlight, theme.highlight);
    palette.setColor(QPalette::HighlightedText, theme.text);
    return palette;
}

// Where a control writes its text, in its own coordinates.
QRect textArea(QWidget* control) {
    if (auto* frame = qobject_cast<QGroupBox*>(control)) {
        QStyleOptionGroupBox option;
        option.initFrom(frame);
        option.text = frame->title();
        option.subControls = QStyle::SC_GroupBoxLabel;
        return frame->style()->subControlRect(QStyle::CC_GroupBox, &option,
                                              QStyle::SC_GroupBoxLabel, frame);
    }
    if (qobject_cast<QLabel*>(control))
        return control->contentsRect();
    return control->rect().adjusted(4, 4, -4, -4); // inside the bevel or frame
}

// The colour most pixels of `area` have, and the one that stands out most against it.
std::pair<QColor, QColor> backAndText(const QImage& image, const QRect& area) {
    QHash<QRgb, int> counts;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            ++counts[image.pixel(x, y)];
    QRgb back = counts.constBegin().key();
    for (auto it = counts.constBegin(); it != counts.constEnd(); ++it)
        if (it.value() > counts[back])
            back = it.key();
    QColor text(back);
    for (auto it = counts.constBegin(); it != counts.constEnd(); ++it)
        if (forms::contrastRatio(QColor(it.key()), back) > forms::contrastRatio(text, back))
            text = QColor(it.key());
    return {QColor(back), text};
}

} // namespace

class TestThemes : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void contrastRatio();
    void readable_data();
    void readable();

private:
    void wear(const Theme& theme);

    QString worn_;
    std::unique_ptr<Ampacity> main_;
    QPointer<AboutBrenvik> about_;
};

void TestThemes::initTestCase() {
    forms::loadFonts();
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
}

void TestThemes::contrastRatio() {
    QCOMPARE(forms::contrastRatio(Qt::black, Qt::white), 21.0);
    QCOMPARE(forms::contrastRatio(Qt::white, Qt::white), 1.0);
    QCOMPARE(qRound(forms::contrastRatio(QColor(0x777777), Qt::white) * 100), 448);
}

void TestThemes::readable_data() {
    QTest::addColumn<int>("theme");
    QTest::addColumn<QString>("control");
    const char* controls[] = {"Label1",        "Label2",          "Frame1",
                              "Frame2",        "MaterCmnd",       "CondCmnd",
                              "TempCmnd",      "AmbCmnd",         "NoOfWCmd",
                              "AboutCmd",      "ExitCmd",         "ComWS",
                              "ComAM",         "CorectAmpacity",  "about/Label1",
                              "about/Label3",  "about/Label4",    "about/Label5",
                              "about/Label6",  "about/LabelMail", "about/LabelTarnholm",
                              "about/Command3"};
    for (int theme = 0; theme < 4; ++theme)
        for (const char* control : controls)
            QTest::addRow("%s: %s", kThemes[theme].name, control)
                << theme << QString::fromLatin1(control);
}

void TestThemes::readable() {
    QFETCH(int, theme);
    QFETCH(QString, control);
    wear(kThemes[theme]);
    QWidget* window =
        control.startsWith(QLatin1String("about/")) ? static_cast<QWidget*>(about_) : main_.get();
    auto* widget = window->findChild<QWidget*>(control.section(QLatin1Char('/'), -1));
    QVERIFY(widget && widget->isVisible());
    const QImage image = window->grab().toImage();
    const QRect area = textArea(widget).translated(widget->mapTo(window, QPoint(0, 0)));
    const auto [back, text] = backAndText(image, area & image.rect());
    const double ratio = forms::contrastRatio(text, back);
    QVERIFY2(ratio >= 4.5, qPrintable(QStringLiteral("text %1 on %2: %3:1")
                                          .arg(text.name(), back.name())
                                          .arg(ratio, 0, 'f', 2)));
}

// Both windows, built afresh under `theme`: the result box on screen (a correction in
// force), the read-me window open beside the calculator.
void TestThemes::wear(const Theme& theme) {
    if (worn_ == QLatin1String(theme.name))
        return;
    worn_ = QLatin1String(theme.name);
    delete about_.data();
    QApplication::setPalette(palette(theme));
    main_ = std::make_unique<Ampacity>();
    main_->show();
    main_->AmbCmnd_Click();
    about_ = new AboutBrenvik(nullptr, {});
    about_->show();
    QVERIFY(QTest::qWaitForWindowExposed(about_));
    QTest::qWait(120); // the lists are on their first rows
}

QTEST_MAIN(TestThemes)
#include "tst_themes.moc"
