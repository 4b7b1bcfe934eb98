#include "forms/form_builder.h"

#include "forms/accessibility.h"
#include "forms/colours.h"
#include "forms/fonts.h"
#include "forms/link_label.h"
#include "forms/list_combo.h"
#include "forms/wrap_button.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QFont>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QStyle>
#include <QStyleFactory>
#include <QTimer>
#include <algorithm>
#include <cmath>
#include <vector>

namespace forms {
namespace {

constexpr const char* kGrowToFit = "growToFit";

int twipsToPixels(int twips) {
    return static_cast<int>(std::lround(static_cast<double>(twips) / kTwipsPerPixel));
}

QStyle* frameStyle() {
    static QPointer<QStyle> fusion;
    if (!fusion) {
        fusion = QStyleFactory::create(QStringLiteral("Fusion"));
        fusion->setParent(QCoreApplication::instance()); // goes with the application
    }
    return fusion;
}

Qt::Alignment labelAlignment(Align align) {
    switch (align) {
    case Align::Right:
        return Qt::AlignRight | Qt::AlignTop;
    case Align::Centre:
        return Qt::AlignHCenter | Qt::AlignTop;
    case Align::Left:
        break;
    }
    return Qt::AlignLeft | Qt::AlignTop;
}

QWidget* createWidget(const ControlRow& control, QWidget* parent) {
    const QString caption = QString::fromUtf8(control.caption);
    switch (control.kind) {
    case Kind::PushButton:
        return new WrapButton(caption, parent);
    case Kind::ComboBox:
        return new ListCombo(parent);
    case Kind::LineEdit: {
        auto* edit = new QLineEdit(caption, parent);
        edit->setCursor(Qt::ForbiddenCursor);
        // One pixel more on each side than QLineEdit's own margins leave: the longest
        // results fill the one-line field exactly.
        edit->setTextMargins(-1, 0, -1, 0);
        return edit;
    }
    case Kind::Label: {
        auto* label = control.link ? new LinkLabel(parent) : new QLabel(parent);
        label->setTextFormat(Qt::PlainText);
        label->setText(caption);
        label->setAlignment(labelAlignment(control.align));
        label->setWordWrap(control.wordWrap);
        label->setProperty(kGrowToFit, control.growToFit);
        return label;
    }
    case Kind::GroupBox: {
        auto* frame = new QGroupBox(caption, parent);
        // The controls over a frame leave its caption room at the top left, where Fusion
        // draws it; a desktop's style may draw it elsewhere (Breeze centres it, lower, where
        // the buttons over the frame cut it off).
        frame->setStyle(frameStyle());
        return frame;
    }
    case Kind::Timer:
        break;
    }
    return nullptr;
}

// A control that fixes one of its colours fixes them all: what it does not give is what
// it would have on a light desktop, in its window's background.
void fixColours(QWidget* widget, const ControlRow& control, Rgb formBack) {
    if (!control.textColour && !control.backColour)
        return; // the theme's, both colours
    const QPalette light = lightPalette();
    const QColor text =
        control.textColour ? toColor(*control.textColour) : light.color(QPalette::WindowText);
    const QColor back = toColor(control.backColour.value_or(formBack));
    setColours(widget, text, back, control.backColour ? back : light.color(QPalette::Button));
}

} // namespace

QRect toPixels(const TwipRect& rect) {
    const int left = twipsToPixels(rect.left);
    const int top = twipsToPixels(rect.top);
    return QRect(left, top, twipsToPixels(rect.left + rect.width) - left,
                 twipsToPixels(rect.top + rect.height) - top);
}

QFont toFont(const FontChoice& face) {
    QFont font = faceFont(face.family, face.points);
    font.setBold(face.bold);
    font.setUnderline(face.underline);
    return font;
}

void setLabelCaption(QLabel* label, const QString& caption) {
    label->setText(caption);
    if (!label->property(kGrowToFit).toBool())
        return;
    if (label->wordWrap()) {
        label->resize(label->width(), label->heightForWidth(label->width()));
        return;
    }
    // A one-line label keeps the edge, or the centre, its text is aligned to.
    const QSize size = label->sizeHint();
    int left = label->x();
    if (label->alignment() & Qt::AlignHCenter)
        left += (label->width() - size.width()) / 2;
    else if (label->alignment() & Qt::AlignRight)
        left += label->width() - size.width();
    label->setGeometry(left, label->y(), size.width(), size.height());
}

void buildForm(QWidget* form, const FormTable& table) {
    installAccessibility();
    form->setObjectName(QString::fromUtf8(table.name));
    form->setWindowTitle(QString::fromUtf8(table.caption));
    const QRect area = toPixels(table.clientArea);
    form->setFixedSize(area.size());
    form->move(area.topLeft());
    setFormColours(form, toColor(table.backColour));

    std::vector<std::pair<int, QWidget*>> tabOrder;
    for (const ControlRow& control : table.controls) {
        if (control.kind == Kind::Timer) {
            auto* timer = new QTimer(form);
            timer->setObjectName(QString::fromUtf8(control.name));
            timer->setInterval(control.interval);
            continue;
        }
        QWidget* parent = form;
        if (control.container)
            parent = form->findChild<QWidget*>(QString::fromUtf8(control.container));
        QWidget* widget = createWidget(control, parent ? parent : form);
        widget->setObjectName(QString::fromUtf8(control.name));
        widget->setGeometry(toPixels(control.rect));
        widget->setFont(toFont(control.font));
        fixColours(widget, control, table.backColour);
        if (auto* label = qobject_cast<QLabel*>(widget)) {
            // A one-line label is at least a line high, so that no descender is cut off.
            if (!label->wordWrap())
                label->resize(label->width(),
                              std::max(label->height(), label->fontMetrics().height()));
            setLabelCaption(label, label->text());
        }
        if (control.accessibleName) {
            const QString name = QString::fromUtf8(control.accessibleName);
            widget->setAccessibleName(name);
            // Screen readers on Linux name a list by the label whose buddy it is.
            if (control.kind == Kind::ComboBox) {
                auto* label = new QLabel(name, widget->parentWidget());
                label->setObjectName(widget->objectName() + QLatin1String("Name"));
                label->setBuddy(widget);
                label->hide();
            }
        }
        if (widget->focusPolicy() != Qt::NoFocus)
            tabOrder.emplace_back(control.tabIndex, widget);
    }

    // raise() puts a control in front of its siblings: go from the back to the front.
    for (auto control = table.controls.rbegin(); control != table.controls.rend(); ++control)
        if (auto* widget = form->findChild<QWidget*>(QString::fromUtf8(control->name)))
            widget->raise();

    // Controls that share a tab index keep the table's order.
    std::stable_sort(tabOrder.begin(), tabOrder.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    for (std::size_t i = 1; i < tabOrder.size(); ++i)
        QWidget::setTabOrder(tabOrder[i - 1].second, tabOrder[i].second);
}

} // namespace forms
