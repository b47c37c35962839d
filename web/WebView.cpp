#include "web/WebView.h"

#include "app/Shell.h"
#include "web/WebPage.h"

WebView::WebView(WebPage& page, Shell& shell, QWidget* parent)
    : QTextBrowser(parent), page_(page), shell_(shell) {
    setOpenLinks(false);
    setOpenExternalLinks(false);
    setFrameShape(QFrame::NoFrame);
    connect(&page_, &WebPage::loaded, this, &WebView::showPage);
    connect(this, &QTextBrowser::anchorClicked, this, &WebView::openLink);
}

QVariant WebView::loadResource(int, const QUrl&) {
    return {};
}

void WebView::showPage() {
    setHtml(page_.html());
}

void WebView::openLink(const QUrl& link) {
    const QUrl target = page_.url().resolved(link);
    const QString scheme = target.scheme().toLower();
    // Only ordinary web and mail links leave the view; anything else a page might carry
    // (file:, javascript:, custom protocol handlers) is ignored.
    if (scheme == QLatin1String("http") || scheme == QLatin1String("https") ||
        scheme == QLatin1String("mailto"))
        shell_.openAddress(target.toString());
}
