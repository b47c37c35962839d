#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QUrl>

#include <memory>

class HostLookup;
class QNetworkAccessManager;
class QNetworkReply;

// One web page fetched in the background: the stand-in for a browser control whose busy flag
// and body text the web strip and the news pop-up poll. Nothing here ever blocks; a fetch that
// fails, takes too long or grows too large ends as a page with an empty body.
//
// The host's name is looked up before the page is asked for: without a connection the fetch
// ends there, before the TLS libraries (megabytes of them) are loaded for nothing. Through a
// proxy the proxy looks the name up instead.
class WebPage : public QObject {
    Q_OBJECT
public:
    static constexpr int defaultTimeoutMs = 15000;
    static constexpr qint64 defaultSizeCap = 1024 * 1024;

    explicit WebPage(QObject* parent = nullptr, int timeoutMs = defaultTimeoutMs,
                     qint64 sizeCap = defaultSizeCap);
    ~WebPage() override;

    // The resolver asked before each fetch; without one the system's is used. Not owned.
    void setHostLookup(HostLookup* lookup) { lookup_ = lookup; }
    HostLookup* hostLookup() const { return lookup_; }

    // Starts fetching the address, dropping any fetch still under way.
    void navigate(const QUrl& address);

    // True from navigate() until the fetch has ended, well or badly.
    bool isBusy() const { return reply_ != nullptr || pendingFailure_ || lookingUp_; }

    // The address of the page last navigated to.
    const QUrl& url() const { return url_; }

    // The whole decoded text of the page (empty after a failure).
    const QString& html() const { return html_; }

    // The bytes of the answer as they came, for what is not a page (a picture).
    const QByteArray& bytes() const { return bytes_; }

    // The inner HTML of <body>, or the whole text when the page has no body tag.
    QString bodyHtml() const { return bodyOf(html_); }

    static QString bodyOf(const QString& html);

signals:
    // The fetch has ended; html() and bodyHtml() hold its result.
    void loaded();

private:
    void onHostFound(bool found);
    HostLookup& lookup();
    void request();
    void onReadyRead();
    void onFinished();
    void fail(const char* why);
    void dropReply();
    static QString decode(const QByteArray& data, const QByteArray& contentType);

    QNetworkAccessManager* network_;
    QNetworkReply* reply_ = nullptr;
    HostLookup* lookup_ = nullptr; // the injected one, or ownLookup_
    std::unique_ptr<HostLookup> ownLookup_;
    bool lookingUp_ = false; // a host name lookup of the current attempt is under way
    bool pendingFailure_ = false;
    quint64 attempt_ = 0; // tells a stale queued failure from the current fetch
    int timeoutMs_;
    qint64 sizeCap_;
    QUrl url_;
    QByteArray data_;
    QByteArray bytes_;
    QString html_;
};
