#pragma once

#include <QDesktopServices>
#include <QObject>
#include <QUrl>

/// Takes the desktop's place for the mail and web addresses the program asks it to open:
/// while it lives, what the program hands over through Qt's URL handlers lands in
/// `opened` instead of in a mail program or a browser.
class DesktopRecorder : public QObject {
    Q_OBJECT
public:
    DesktopRecorder() {
        for (const char* scheme : {"mailto", "https", "http"})
            QDesktopServices::setUrlHandler(QLatin1String(scheme), this, "open");
    }
    ~DesktopRecorder() override {
        for (const char* scheme : {"mailto", "https", "http"})
            QDesktopServices::unsetUrlHandler(QLatin1String(scheme));
    }
    QList<QUrl> opened;

public slots:
    void open(const QUrl& url) { opened << url; }
};
