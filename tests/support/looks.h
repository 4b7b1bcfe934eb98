#pragma once

// Reading what a window shows off its pixels: the ink of a text and what is behind it,
// and whether a caption is seen whole.

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyleOptionButton>
#include <QStyleOptionGroupBox>
#include <QWidget>
#include <algorithm>
#include <cmath>

/// What the pixels of an area show: their darkest and lightest colour (on a control that
/// holds only text, the text and what is behind it), where they are darker than mid grey,
/// and whether a row of them is inked across nine tenths of that or more: a line under
/// the text.
struct Pixels {
    QColor darkest = Qt::white, lightest = Qt::black;
    QRect inked;
    bool underlined = false;
};

inline Pixels pixelsOf(const QImage& image, QRect area) {
    Pixels seen;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const QColor pixel = image.pixel(x, y);
            seen.darkest = qGray(pixel.rgb()) < qGray(seen.darkest.rgb()) ? pixel : seen.darkest;
            seen.lightest = qGray(pixel.rgb()) > qGray(seen.lightest.rgb()) ? pixel : seen.lightest;
            seen.inked |= qGray(pixel.rgb()) < 128 ? QRect(x, y, 1, 1) : QRect();
        }
    for (int y = seen.inked.top(); y <= seen.inked.bottom() && !seen.underlined; ++y) {
        int run = 0;
        for (int x = seen.inked.left(); x <= seen.inked.right(); ++x)
            run += qGray(image.pixel(x, y)) < 128;
        seen.underlined = run > seen.inked.width() * 9 / 10;
    }
    return seen;
}

inline Pixels pixelsOf(QWidget* widget) {
    const QImage image = widget->grab().toImage();
    return pixelsOf(image, image.rect());
}

/// The contrast ratio of two colours as the Web Content Accessibility Guidelines define
/// it, from 1 (the same) to 21 (black on white): worked out here, not by the program's
/// own formula, which a slip would bend for the windows and for this check alike.
inline double contrast(const QColor& a, const QColor& b) {
    const auto luminance = [](const QColor& c) {
        const auto linear = [](double v) {
            return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
    };
    const double one = luminance(a), other = luminance(b);
    return (std::max(one, other) + 0.05) / (std::min(one, other) + 0.05);
}

/// Where `frame`'s style draws its caption, in the frame.
inline QRect frameCaption(const QGroupBox* frame) {
    QStyleOptionGroupBox option;
    option.initFrom(frame);
    option.text = frame->title();
    option.textAlignment = frame->alignment();
    option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
    option.lineWidth = 1;
    return frame->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel,
                                          frame);
}

/// The contrast of `widget`'s text against what is drawn behind it in its window: for a
/// label, the window's background; for a frame, its caption; elsewhere, inside the bevel
/// or field. Darkest against lightest pixel.
inline double contrastOf(QWidget* widget) {
    QRect area = widget->rect().adjusted(4, 4, -4, -4);
    if (auto* frame = qobject_cast<const QGroupBox*>(widget))
        area = frameCaption(frame);
    else if (qobject_cast<const QLabel*>(widget))
        area = widget->rect();
    const QImage image = widget->window()->grab().toImage();
    const Pixels seen =
        pixelsOf(image, area.translated(widget->mapTo(widget->window(), QPoint())) & image.rect());
    return contrast(seen.darkest, seen.lightest);
}

/// What keeps a label's, button's or frame's caption from being seen whole: not set (a
/// label left empty, or either still showing the placeholder it was built with), cut off
/// at its edge or the window's, under another control, or for a frame, anywhere but at
/// its top left. A button's caption wraps, CR LF as a line break, in the room its style
/// leaves inside the bevel, and is centred there: down, it may use the bevel's inside whole.
inline QString unseen(const QWidget* control) {
    const auto* label = qobject_cast<const QLabel*>(control);
    const auto* button = qobject_cast<const QPushButton*>(control);
    const auto* frame = qobject_cast<const QGroupBox*>(control);
    QRect caption = control->geometry(); // where the caption is drawn, in the parent
    if (frame) {
        caption = frameCaption(frame).translated(control->pos());
        if (caption.left() - control->x() > 12 || caption.top() - control->y() > 4)
            return QStringLiteral("not at the top left");
    } else {
        QStyleOptionButton option;
        option.initFrom(control);
        QRect room = label ? label->contentsRect()
                           : control->style()->subElementRect(QStyle::SE_PushButtonContents,
                                                              &option, control);
        if (button) { // centred there, not clipped: down, it is seen whole up to the bevel
            const int bevel =
                control->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, control);
            room.setTop(bevel);
            room.setBottom(control->height() - 1 - bevel);
        }
        const QString text = label ? label->text() : button->text().replace("\r\n", "\n");
        const QRect need = control->fontMetrics().boundingRect(
            QRect(room.topLeft(), QSize(room.width(), 1 << 20)),
            label ? int(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0)
                  : Qt::AlignCenter | Qt::TextWordWrap,
            text);
        if ((label && text.isEmpty()) || text == control->objectName())
            return QStringLiteral("not set");
        if (need.width() > room.width() || need.height() > room.height())
            return QStringLiteral("\"%1\" cut by %2 px across and %3 px down (%4 x %5 px)")
                .arg(text.simplified())
                .arg(qMax(0, need.width() - room.width()))
                .arg(qMax(0, need.height() - room.height()))
                .arg(room.width())
                .arg(room.height());
    }
    if (!control->parentWidget()->rect().contains(caption))
        return QStringLiteral("past the window's edge");
    for (const QWidget* other :
         control->parentWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (other != control && other->isVisible() && !qobject_cast<const QGroupBox*>(other) &&
            other->geometry().intersects(caption))
            return QStringLiteral("under %1, %2 x %3 px of it")
                .arg(other->objectName())
                .arg((other->geometry() & caption).width())
                .arg((other->geometry() & caption).height());
    return QString();
}

/// What keeps a text of the open windows from being read, one line a fault: a visible
/// label's, button's or frame's caption not seen whole, and where `contrast` is asked for,
/// any text, a list's row and the result too, reading at less than 4.5:1.
inline QStringList textFaults(bool contrast = true) {
    QStringList faults;
    for (QWidget* window : QApplication::topLevelWidgets())
        for (QWidget* control : window->findChildren<QWidget*>()) {
            const auto* button = qobject_cast<const QPushButton*>(control);
            const auto* label = qobject_cast<const QLabel*>(control);
            const bool caption = button || label || qobject_cast<const QGroupBox*>(control);
            const bool blank =
                (button && button->text().isEmpty()) || (label && label->text().isEmpty());
            if (!control->isVisible())
                continue;
            if (const QString whole = caption ? unseen(control) : QString(); !whole.isEmpty())
                faults << control->objectName() + ": " + whole;
            if (contrast && !blank &&
                (caption || qobject_cast<const QComboBox*>(control) ||
                 qobject_cast<const QLineEdit*>(control)))
                if (const double ratio = contrastOf(control); ratio < 4.5)
                    faults << QStringLiteral("%1 reads at %2:1")
                                  .arg(control->objectName())
                                  .arg(ratio, 0, 'f', 1);
        }
    return faults;
}
