#pragma once

#include <QString>
#include <QUrl>

// Every web address the trainer uses, all below one base, so that moving the site (or pointing
// the tests at a local server) changes a single value.
class WebAddresses {
public:
    // The maker's site. Every page below is relative to it.
    static QUrl defaultBase() { return QUrl(QStringLiteral("https://keyvora.cn/")); }

    explicit WebAddresses(QUrl base = defaultBase()) : base_(std::move(base)) {}

    const QUrl& base() const { return base_; }

    // The news strip page, told the program's name and the date of its first online start.
    QUrl stripPage(const QString& programName, const QString& firstDate) const {
        return page(QStringLiteral("rjshengji/gg.htm?id=") + encoded(programName) +
                    QStringLiteral("&an=") + encoded(firstDate));
    }

    // The page shown in the news pop-up window.
    QUrl popupPage() const { return page(QStringLiteral("rjshengji/gg_tan.htm?id=kyvr")); }

    // Software updates ("软件升级下载").
    QUrl downloadPage() const { return page(QStringLiteral("xiazai/")); }

    // The two link labels: the home page and the practice material.
    QUrl homePage() const { return base_; }
    QUrl materialPage() const { return page(QStringLiteral("ziliao/")); }

private:
    QUrl page(const QString& relative) const {
        return base_.resolved(QUrl::fromEncoded(relative.toUtf8(), QUrl::StrictMode));
    }

    // Query values are percent-encoded so that '&', '+', '#' or '=' in a value cannot change
    // the meaning of the query; the date's slashes, dots and dashes stay readable.
    static QString encoded(const QString& value) {
        return QString::fromLatin1(QUrl::toPercentEncoding(value, QByteArrayLiteral("/:")));
    }

    QUrl base_;
};
