#include "forms/accessibility.h"

#include "forms/link_label.h"
#include "forms/wrap_button.h"

#include <QAccessibleWidget>

namespace forms {
namespace {

// A command button, named by its caption read as one phrase; while the caption is blank,
// by its accessible name.
class ButtonAccessible : public QAccessibleWidget {
public:
    explicit ButtonAccessible(QWidget* widget)
        : QAccessibleWidget(widget, QAccessible::Button) {}

    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Name) {
            const QString caption = button()->text().simplified(); // CR LF read as a blank
            return caption.isEmpty() ? button()->accessibleName() : caption;
        }
        return QAccessibleWidget::text(kind);
    }
    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.pressed = button()->isDown();
        return state;
    }
    QStringList actionNames() const override {
        return QStringList{pressAction()} + QAccessibleWidget::actionNames();
    }
    void doAction(const QString& action) override {
        if (action == pressAction())
            button()->click();
        else
            QAccessibleWidget::doAction(action);
    }

private:
    WrapButton* button() const { return static_cast<WrapButton*>(widget()); }
};

// A link, named by what it does where the program says so, else by its text.
class LinkAccessible : public QAccessibleWidget {
public:
    explicit LinkAccessible(QWidget* widget)
        : QAccessibleWidget(widget, QAccessible::Link) {}

    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Name && !widget()->accessibleName().isEmpty())
            return widget()->accessibleName();
        if (kind == QAccessible::Name || kind == QAccessible::Value)
            return link()->text();
        return QAccessibleWidget::text(kind);
    }
    QStringList actionNames() const override {
        return QStringList{pressAction()} + QAccessibleWidget::actionNames();
    }
    void doAction(const QString& action) override {
        if (action == pressAction())
            emit link()->activated();
        else
            QAccessibleWidget::doAction(action);
    }

private:
    LinkLabel* link() const { return static_cast<LinkLabel*>(widget()); }
};

QAccessibleInterface* accessibleFor(const QString&, QObject* object) {
    if (auto* button = qobject_cast<WrapButton*>(object))
        return new ButtonAccessible(button);
    if (auto* link = qobject_cast<LinkLabel*>(object))
        return new LinkAccessible(link);
    return nullptr;
}

} // namespace

void installAccessibility() {
    QAccessible::installFactory(accessibleFor); // Qt keeps one copy of a factory
}

void announce(QWidget* widget, const QString& message) {
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    QAccessibleAnnouncementEvent event(widget, message);
    event.setPoliteness(QAccessible::AnnouncementPoliteness::Polite);
    QAccessible::updateAccessibility(&event);
#else
    Q_UNUSED(widget)
    Q_UNUSED(message)
#endif
}

} // namespace forms
