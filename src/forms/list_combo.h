#pragma once

#include <QComboBox>

namespace forms {

/// A pick-only list. Its rows keep their exact texts (leading blanks right-align the
/// numbers in the open list); the closed field drops a row's leading blanks where the
/// whole text would not fit, so that nothing of the value itself is cut off. Before Qt
/// 6.5 its accessible description is its current row, for screen readers to read.
class ListCombo : public QComboBox {
    Q_OBJECT
public:
    explicit ListCombo(QWidget* parent = nullptr);

    /// What the closed field shows for the current row.
    QString displayedText() const;
    /// The width the closed field has for its text.
    int textRoom() const;

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace forms
