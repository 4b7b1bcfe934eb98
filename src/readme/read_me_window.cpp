#include "readme/read_me_window.h"

#include "forms/form_builder.h"
#include "forms/link_label.h"
#include "platform/program_icon.h"
#include "platform/version.h"
#include "readme/read_me_layout.h"

#include <QDesktopServices>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QStringList>
#include <QUrl>

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

const QString kCopyrightNotice = QStringLiteral("Copyright \u00A9 %1 Tarnholm Inc.")
                                     .arg(QLatin1String(platform::kCopyrightYears));

} // namespace

ReadMeWindow::ReadMeWindow()
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint) {
    // Closed, the window is gone: the next opening starts afresh.
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowIcon(platform::programIcon());
    forms::buildForm(this, readme::kReadMeForm);
    const auto bind = [this](auto*& label, const char* name) {
        forms::bind(this, label, name);
        // A click on a label is the label's, never the background's.
        label->setAttribute(Qt::WA_NoMousePropagation);
    };
    forms::bind(this, okButton, "okButton");
    bind(disclaimer, "disclaimer");
    bind(necNotes, "necNotes");
    bind(smallConductorLimits, "smallConductorLimits");
    bind(orderingTerms, "orderingTerms");
    bind(copyrightNotice, "copyrightNotice");
    bind(versionLine, "versionLine");
    bind(mailLink, "mailLink");
    bind(webLink, "webLink");
    connect(okButton, &QPushButton::clicked, this, &ReadMeWindow::dismiss);
    connect(mailLink, &forms::LinkLabel::activated, this, &ReadMeWindow::openMailLink);
    connect(webLink, &forms::LinkLabel::activated, this, &ReadMeWindow::openWebLink);

    fillTexts();
    okButton->setFocus(); // first in the tab order, before the two links
}

ReadMeWindow::~ReadMeWindow() = default;

void ReadMeWindow::fillTexts() {
    forms::setLabelCaption(disclaimer, kDisclaimer);
    forms::setLabelCaption(necNotes, kNecNotes);
    forms::setLabelCaption(smallConductorLimits, kSmallConductors);
    forms::setLabelCaption(orderingTerms, kOrderingTerms);
    forms::setLabelCaption(copyrightNotice, kCopyrightNotice);
    mailLink->setAccessibleName(QStringLiteral("Send an e-mail to %1").arg(mailLink->text()));
    webLink->setAccessibleName(QStringLiteral("Visit the web site %1").arg(webLink->text()));
    forms::setLabelCaption(versionLine, QStringLiteral("Version: ") +
                                            QString::fromLatin1(platform::kDisplayVersion));
}

// "OK", or a click on the background: the window goes.
void ReadMeWindow::dismiss() {
    close();
    emit dismissed();
}

// The desktop opens the addresses with the programs it associates with them; with none,
// nothing is shown and nothing changes.
void ReadMeWindow::openMailLink() {
    QUrl mail;
    mail.setScheme(QStringLiteral("mailto"));
    mail.setPath(mailLink->text()); // the whole address, whatever it holds
    QDesktopServices::openUrl(mail);
}

void ReadMeWindow::openWebLink() {
    QDesktopServices::openUrl(QUrl(webLink->text(), QUrl::StrictMode));
}

// Escape dismisses the window as "OK" does.
void ReadMeWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier)
        dismiss();
    else
        QWidget::keyPressEvent(event);
}

// A click on the background is a press and a release on the window itself.
void ReadMeWindow::mousePressEvent(QMouseEvent* event) {
    backgroundClick_.press(event);
}

void ReadMeWindow::mouseReleaseEvent(QMouseEvent* event) {
    if (backgroundClick_.release(event, this))
        dismiss();
}
