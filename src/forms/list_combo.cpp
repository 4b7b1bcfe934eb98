#include "forms/list_combo.h"

#include <QStyleOptionComboBox>
#include <QStylePainter>

namespace forms {

ListCombo::ListCombo(QWidget* parent)
    : QComboBox(parent) {
#if QT_VERSION < QT_VERSION_CHECK(6, 5, 0)
    // Before Qt 6.5 a combo box shows screen readers no selected row, so they name the
    // list without its value; they read the description on focus instead.
    connect(this, &QComboBox::currentTextChanged, this,
            [this](const QString& row) { setAccessibleDescription(row.trimmed()); });
#endif
}

int ListCombo::textRoom() const {
    QStyleOptionComboBox option;
    initStyleOption(&option);
    // The style draws the label one pixel in from each side of the edit field.
    return style()
               ->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, this)
               .width() -
           2;
}

QString ListCombo::displayedText() const {
    const QString text = currentText();
    if (fontMetrics().horizontalAdvance(text) <= textRoom())
        return text;
    qsizetype blanks = 0;
    while (blanks < text.size() && text.at(blanks) == QLatin1Char(' '))
        ++blanks;
    return text.mid(blanks);
}

void ListCombo::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionComboBox option;
    initStyleOption(&option);
    painter.drawComplexControl(QStyle::CC_ComboBox, option);
    option.currentText = displayedText();
    painter.drawControl(QStyle::CE_ComboBoxLabel, option);
}

} // namespace forms
