#include "forms/form_builder.h"

#include "forms/wrap_button.h"

#include <QComboBox>
#include <QFont>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
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

Qt::Alignment labelAlignment(Align align) {
    switch (align) {
    case Align::Right: return Qt::AlignRight | Qt::AlignTop;
    case Align::Centre: return Qt::AlignHCenter | Qt::AlignTop;
    case Align::Left: break;
    }
    return Qt::AlignLeft | Qt::AlignTop;
}

QWidget* createWidget(const ControlSpec& spec, QWidget* parent) {
    const QString caption = QString::fromUtf8(spec.caption);
    switch (spec.kind) {
    case Kind::CommandButton: return new WrapButton(caption, parent);
    case Kind::DropDownList: return new QComboBox(parent);
    case Kind::SimpleCombo: {
        auto* edit = new QLineEdit(caption, parent);
        edit->setCursor(Qt::ForbiddenCursor);
        return edit;
    }
    case Kind::Label: {
        auto* label = new QLabel(parent);
        label->setTextFormat(Qt::PlainText);
        label->setText(caption);
        label->setAlignment(labelAlignment(spec.align));
        label->setWordWrap(spec.wordWrap);
        label->setProperty(kGrowToFit, spec.growToFit);
        if (spec.link) {
            label->setCursor(Qt::PointingHandCursor);
            QPalette palette = label->palette();
            palette.setColor(QPalette::WindowText, palette.color(QPalette::Highlight));
            label->setPalette(palette);
        }
        return label;
    }
    case Kind::Frame: return new QGroupBox(caption, parent);
    case Kind::Timer: break;
    }
    return nullptr;
}

} // namespace

QRect toPixels(const TwipRect& rect) {
    const int left = twipsToPixels(rect.left);
    const int top = twipsToPixels(rect.top);
    return QRect(left, top, twipsToPixels(rect.left + rect.width) - left,
                 twipsToPixels(rect.top + rect.height) - top);
}

QFont toFont(const FontSpec& spec) {
    QFont font(QString::fromUtf8(spec.family));
    font.setPointSizeF(spec.points);
    font.setBold(spec.bold);
    font.setUnderline(spec.underline);
    return font;
}

void setLabelCaption(QLabel* label, const QString& caption) {
    label->setText(caption);
    if (!label->property(kGrowToFit).toBool())
        return;
    if (label->wordWrap())
        label->resize(label->width(), label->heightForWidth(label->width()));
    else
        label->resize(label->sizeHint());
}

void setTextColour(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    for (const auto group : {QPalette::Active, QPalette::Inactive})
        for (const auto role : {QPalette::Text, QPalette::ButtonText, QPalette::WindowText})
            palette.setColor(group, role, colour);
    widget->setPalette(palette);
}

void buildForm(QWidget* form, std::span<const ControlSpec> controls) {
    // Containers first, so that the controls inside them find their parent.
    std::vector<const ControlSpec*> order;
    for (const ControlSpec& spec : controls)
        order.push_back(&spec);
    std::stable_partition(order.begin(), order.end(),
                          [](const ControlSpec* spec) { return spec->container == nullptr; });

    std::vector<std::pair<int, QWidget*>> tabOrder;
    for (const ControlSpec* spec : order) {
        if (spec->kind == Kind::Timer) {
            auto* timer = new QTimer(form);
            timer->setObjectName(QString::fromUtf8(spec->name));
            timer->setInterval(spec->interval);
            if (spec->enabled)
                timer->start();
            continue;
        }
        QWidget* parent = form;
        if (spec->container)
            parent = form->findChild<QWidget*>(QString::fromUtf8(spec->container));
        QWidget* widget = createWidget(*spec, parent ? parent : form);
        widget->setObjectName(QString::fromUtf8(spec->name));
        widget->setGeometry(toPixels(spec->rect));
        widget->setFont(toFont(spec->font));
        if (spec->textColour)
            setTextColour(widget, toColor(*spec->textColour));
        if (spec->backColour) {
            QPalette palette = widget->palette();
            palette.setColor(QPalette::Window, toColor(*spec->backColour));
            palette.setColor(QPalette::Button, toColor(*spec->backColour));
            widget->setPalette(palette);
        }
        if (auto* label = qobject_cast<QLabel*>(widget))
            setLabelCaption(label, label->text());
        widget->setEnabled(spec->enabled);
        if (!spec->visible)
            widget->hide();
        if (spec->tabIndex >= 0 && widget->focusPolicy() != Qt::NoFocus)
            tabOrder.emplace_back(spec->tabIndex, widget);
    }

    // raise() puts a control in front of its siblings: go from the back to the front.
    for (auto spec = controls.rbegin(); spec != controls.rend(); ++spec)
        if (auto* widget = form->findChild<QWidget*>(QString::fromUtf8(spec->name)))
            widget->raise();

    std::sort(tabOrder.begin(), tabOrder.end(),
              [](const auto& a, const auto& b) { return a.first < b.first; });
    for (std::size_t i = 1; i < tabOrder.size(); ++i)
        QWidget::setTabOrder(tabOrder[i - 1].second, tabOrder[i].second);
}

} // namespace forms
