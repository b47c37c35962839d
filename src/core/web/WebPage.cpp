#include "web/WebPage.h"

#include "platform/Diagnostics.h"
#include "web/CodePageDecoder.h"
#include "web/SystemHostLookup.h"

#include <QMetaObject>
#include <QNetworkAccessManager>
#include <QNetworkProxy>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QPointer>
#include <QRegularExpression>
#include <QStringDecoder>
#include <QTimer>

#include <utility>

WebPage::WebPage(QObject* parent, int timeoutMs, qint64 sizeCap)
    : QObject(parent), network_(new QNetworkAccessManager(this)), timeoutMs_(timeoutMs),
      sizeCap_(sizeCap) {}

WebPage::~WebPage() {
    dropReply();
}

void WebPage::navigate(const QUrl& address) {
    dropReply();
    pendingFailure_ = false;
    ++attempt_;
    url_ = address;
    data_.clear();
    bytes_.clear();
    html_.clear();

    const QString scheme = address.scheme().toLower();
    if (!address.isValid() ||
        (scheme != QLatin1String("http") && scheme != QLatin1String("https"))) {
        // Report the failure from the event loop, as a real fetch would, so callers see the
        // same order of events either way.
        pendingFailure_ = true;
        const quint64 attempt = ++attempt_;
        QMetaObject::invokeMethod(
            this,
            [this, attempt] {
                if (attempt == attempt_)
                    fail("not a web address");
            },
            Qt::QueuedConnection);
        return;
    }

    lookingUp_ = true;
    const quint64 attempt = attempt_;
    lookup().lookUp(address.host(), this, [this, attempt](bool found) {
        if (attempt == attempt_ && lookingUp_)
            onHostFound(found);
    });
    // A name server that does not answer must not keep the page busy longer than a transfer may.
    QTimer::singleShot(timeoutMs_, this, [this, attempt] {
        if (attempt == attempt_ && lookingUp_) {
            lookingUp_ = false;
            pendingFailure_ = true;
            fail("the host lookup timed out");
        }
    });
}

HostLookup& WebPage::lookup() {
    if (lookup_)
        return *lookup_;
    if (!ownLookup_)
        ownLookup_ = std::make_unique<SystemHostLookup>();
    return *ownLookup_;
}

void WebPage::onHostFound(bool found) {
    lookingUp_ = false;
    if (found) {
        request();
        return;
    }
    const QList<QNetworkProxy> proxies =
        QNetworkProxyFactory::systemProxyForQuery(QNetworkProxyQuery(url_));
    if (!proxies.isEmpty() && proxies.first().type() != QNetworkProxy::NoProxy) {
        request();
        return;
    }
    pendingFailure_ = true;
    fail("host not found");
}

void WebPage::request() {
    QNetworkRequest request(url_);
    request.setTransferTimeout(timeoutMs_);
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute,
                         QNetworkRequest::AlwaysNetwork);
    reply_ = network_->get(request);
    connect(reply_, &QNetworkReply::readyRead, this, &WebPage::onReadyRead);
    connect(reply_, &QNetworkReply::finished, this, &WebPage::onFinished);
}

void WebPage::onReadyRead() {
    if (!reply_)
        return;
    data_ += reply_->readAll();
    if (data_.size() > sizeCap_)
        fail("larger than the size cap");
}

void WebPage::onFinished() {
    if (!reply_)
        return;
    if (reply_->error() != QNetworkReply::NoError) {
        fail(qPrintable(reply_->errorString()));
        return;
    }
    data_ += reply_->readAll();
    if (data_.size() > sizeCap_) {
        fail("larger than the size cap");
        return;
    }
    const QByteArray contentType = reply_->header(QNetworkRequest::ContentTypeHeader).toByteArray();
    html_ = decode(data_, contentType);
    bytes_ = std::exchange(data_, {});
    dropReply();
    emit loaded();
}

void WebPage::fail(const char* why) {
    if (!reply_ && !pendingFailure_)
        return;
    qCWarning(lcWeb) << "page fetch failed:" << url_.toString() << why;
    pendingFailure_ = false;
    dropReply();
    data_.clear();
    html_.clear();
    emit loaded();
}

void WebPage::dropReply() {
    // A lookup under way is left to finish and its answer ignored: aborting one leaks what Qt
    // holds for its answer.
    lookingUp_ = false;
    if (!reply_)
        return;
    QNetworkReply* reply = reply_;
    reply_ = nullptr;
    reply->disconnect(this);
    reply->abort();
    reply->deleteLater();
}

namespace {

// Qt's decoder for the charset, else the platform's (the Chinese legacy charsets where Qt has
// no ICU); nothing when neither knows it.
std::optional<QString> decodeAs(const QByteArray& data, const QByteArray& charset) {
    QStringDecoder decoder(charset.constData());
    if (decoder.isValid())
        return decoder.decode(data);
    return CodePageDecoder::decode(data, charset);
}

} // namespace

QString WebPage::decode(const QByteArray& data, const QByteArray& contentType) {
    // The charset named by the server wins; otherwise the page's own <meta> or BOM, else UTF-8.
    static const QRegularExpression charsetPattern(
        QStringLiteral("charset\\s*=\\s*[\"']?([^\\s;\"'>]+)"),
        QRegularExpression::CaseInsensitiveOption);
    const auto named = charsetPattern.match(QString::fromLatin1(contentType));
    if (named.hasMatch()) {
        if (auto text = decodeAs(data, named.captured(1).toLatin1()))
            return *text;
    }
    QStringDecoder guessed = QStringDecoder::decoderForHtml(data);
    if (guessed.isValid())
        return guessed.decode(data);
    // A <meta> charset that Qt does not know: the page's head names it near the top.
    const auto meta = charsetPattern.match(QString::fromLatin1(data.left(1024)));
    if (meta.hasMatch()) {
        if (auto text = decodeAs(data, meta.captured(1).toLatin1()))
            return *text;
    }
    return QString::fromUtf8(data);
}

QString WebPage::bodyOf(const QString& html) {
    static const QRegularExpression open(QStringLiteral("<body(\\s[^>]*)?>"),
                                         QRegularExpression::CaseInsensitiveOption);
    const auto start = open.match(html);
    if (!start.hasMatch())
        return html;
    const qsizetype from = start.capturedEnd();
    const qsizetype to = html.lastIndexOf(QLatin1String("</body"), -1, Qt::CaseInsensitive);
    return to >= from ? html.mid(from, to - from) : html.mid(from);
}
