#include "readme/about_brenvik.h"

#include "forms/form_builder.h"
#include "forms/link_label.h"
#include "platform/desktop_shell.h"
#include "platform/program_icon.h"
#include "platform/version.h"
#include "readme/about_layout.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QStringList>

namespace {

const QString kCrLf = QStringLiteral("\r\n");

QString lines(std::initializer_list<const char*> parts) {
    QStringList joined;
    for (const char* part : parts)
        joined.append(QString::fromUtf8(part));
    return joined.join(kCrLf);
}

const QString kDisclaimer = lines({
    "Information provided by this software shall be used with all applicable code rules and "
    "any other regulations imposed by authority having jurisdiction.",
    "This free software is provided \"as is\" and without any warranties as to performance or "
    "accuracy or any other warranties whether expressed or implied.",
    "The user must assume the entire risk of using the program.",
});

const QString kNecNotes = lines({
    "This application conforms to 2017 to 2023 NEC. The ampacity values and applicable "
    "correction factors are identical in all editions only the referenced table numbers have "
    "changed.",
    "",
    "The following correction tables have been incorporated in the calculator",
    "- Ambient Temperature Correction Factors Based on 30\u00B0C (86\u00B0F)",
    "   NEC 2017 Table 310.15(B)(2)(a) / NEC 2020/23 310.15(B)(1)",
    "- Adjustment Factors for More Than Three Current-Carrying Conductors",
    "   NEC 2017 Table 310.15(B)(3)(a) / NEC 2020/23 310.15(C)(1)",
});

const QString kSmallConductors = lines({
    "As per 240.4 (D) Protection of Small Conductors. Unless specifically permitted in "
    "240.4(E) or (G), the overcurrent protection shall not exceed: ",
    "- 15 amperes for 14 AWG Copper ",
    "- 15 amperes for 12 AWG Aluminum and Copper-Clad Aluminum. ",
    "- 20 amperes for 12 AWG Copper. ",
    "- 25 amperes for 10 AWG Aluminum and Copper-Clad Aluminum. ",
    "- 30 amperes for 10 AWG Copper. ",
    "After any correction factors for ambient temperature and number of conductors have been "
    "applied. ",
    "",
    "To check for updates or other usefull tools please visit Tarnholm Inc. website:",
});

const QString kOrderingTerms = QStringLiteral(
    "Brenvik is free software: use it at no charge and share unchanged copies. It may not be "
    "sold without the consent of Tarnholm Inc. Comments are welcome:");

QString copyrightNotice(int major) {
    return QStringLiteral("Copyright \u00A9 2017-20%1 Tarnholm Inc.").arg(major);
}

} // namespace

AboutBrenvik::AboutBrenvik(const QWidget* mainWindow, std::function<void()> afterClose)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
    , mainWindow_(mainWindow)
    , afterClose_(std::move(afterClose)) {
    // Closed, the window is gone: the next opening loads it afresh.
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowIcon(mainWindow ? mainWindow->windowIcon() : platform::programIcon());
    forms::buildForm(this, readme::kAboutForm);
    const auto bind = [this](QLabel*& label, const char* name) {
        label = findChild<QLabel*>(QString::fromLatin1(name));
        Q_ASSERT_X(label, "AboutBrenvik", name);
        // A click on a label is the label's, never the background's.
        label->setAttribute(Qt::WA_NoMousePropagation);
    };
    Command3 = findChild<QPushButton*>(QStringLiteral("Command3"));
    bind(Label1, "Label1");
    bind(Label2, "Label2");
    bind(Label3, "Label3");
    bind(Label4, "Label4");
    bind(Label5, "Label5");
    bind(Label6, "Label6");
    bind(LabelMail, "LabelMail");
    bind(LabelTarnholm, "LabelTarnholm");
    connect(Command3, &QPushButton::clicked, this, &AboutBrenvik::Command3_Click);
    connect(static_cast<forms::LinkLabel*>(LabelMail), &forms::LinkLabel::activated, this,
            &AboutBrenvik::LabelMail_Click);
    connect(static_cast<forms::LinkLabel*>(LabelTarnholm), &forms::LinkLabel::activated, this,
            &AboutBrenvik::LabelTarnholm_Click);

    Form_Load();
    Command3->setFocus(); // the only control that takes the focus
}

AboutBrenvik::~AboutBrenvik() = default;

void AboutBrenvik::Form_Load() {
    if (mainWindow_)
        move(mainWindow_->pos()); // outer top-left corners, as the main window's own
    forms::setLabelCaption(Label1, kDisclaimer);
    forms::setLabelCaption(Label2, kNecNotes);
    forms::setLabelCaption(Label3, kSmallConductors);
    forms::setLabelCaption(Label4, kOrderingTerms);
    forms::setLabelCaption(Label5, copyrightNotice(platform::kProgramVersion.major));
    LabelMail->setAccessibleName(QStringLiteral("Send an e-mail to %1").arg(LabelMail->text()));
    LabelTarnholm->setAccessibleName(
        QStringLiteral("Visit the web site %1").arg(LabelTarnholm->text()));
    forms::setLabelCaption(Label6, QStringLiteral("Version: ") +
                                       QString::fromLatin1(platform::kDisplayVersion));
}

void AboutBrenvik::Command3_Click() {
    close();
    if (afterClose_)
        afterClose_();
}

void AboutBrenvik::Form_Click() {
    Command3_Click();
}

void AboutBrenvik::LabelMail_Click() {
    platform::shellOpen(QStringLiteral("Mailto:") + LabelMail->text());
}

void AboutBrenvik::LabelTarnholm_Click() {
    platform::shellOpen(LabelTarnholm->text());
}

// Escape dismisses the window as "OK" does.
void AboutBrenvik::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier)
        Command3_Click();
    else
        QWidget::keyPressEvent(event);
}

// A click on the background is a press and a release on the window itself.
void AboutBrenvik::mousePressEvent(QMouseEvent* event) {
    backgroundClick_.press(event);
}

void AboutBrenvik::mouseReleaseEvent(QMouseEvent* event) {
    if (backgroundClick_.release(event, this))
        Form_Click();
}
