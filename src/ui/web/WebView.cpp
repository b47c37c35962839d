#include "web/WebView.h"

#include "platform/ConnectionCheck.h"
#include "platform/Shell.h"
#include "web/WebPage.h"

#include <QImage>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTextDocument>
#include <QTextFrame>

namespace {

bool isWebAddress(const QUrl& address) {
    const QString scheme = address.scheme().toLower();
    return address.isValid() &&
           (scheme == QLatin1String("http") || scheme == QLatin1String("https"));
}

// The direction attribute of the page's first marquee, or an empty text when it has none.
QString marqueeDirection(const QString& html, bool* found) {
    static const QRegularExpression tag(QStringLiteral("<marquee\\b([^>]*)>"),
                                        QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression direction(QStringLiteral("direction\\s*=\\s*[\"']?(\\w+)"),
                                              QRegularExpression::CaseInsensitiveOption);
    const auto match = tag.match(html);
    *found = match.hasMatch();
    if (!*found)
        return {};
    return direction.match(match.captured(1)).captured(1).toLower();
}

} // namespace

WebView::WebView(WebPage& page, Shell& shell, QWidget* parent)
    : QTextBrowser(parent), page_(page), shell_(shell) {
    setOpenLinks(false);
    setOpenExternalLinks(false);
    setFrameShape(QFrame::NoFrame);
    marqueeTimer_.setInterval(marqueeStepMs);
    connect(&marqueeTimer_, &QTimer::timeout, this, &WebView::tickMarquee);
    connect(&page_, &WebPage::loaded, this, &WebView::showPage);
    connect(this, &QTextBrowser::anchorClicked, this, &WebView::openLink);
}

WebView::~WebView() {
    dropFetches();
}

QVariant WebView::loadResource(int type, const QUrl& name) {
    if (type != QTextDocument::ImageResource)
        return {};
    const auto found = pictures_.constFind(page_.url().resolved(name));
    return found != pictures_.constEnd() ? QVariant(*found) : QVariant();
}

void WebView::showPage() {
    dropFetches();
    pictures_.clear();
    const QString html = page_.html();

    bool found = false;
    const QString direction = marqueeDirection(html, &found);
    const bool upright = direction == QLatin1String("up") || direction == QLatin1String("down");
    marquee_ = !found ? Marquee::None : upright ? Marquee::Upright : Marquee::Sideways;
    marqueeBackwards_ = direction == QLatin1String("right") || direction == QLatin1String("down");
    // A sideways marquee is one line that runs past the edges.
    setLineWrapMode(marquee_ == Marquee::Sideways ? NoWrap : WidgetWidth);

    setHtml(html);
    layOutMarquee();
    fetchPictures(html);
}

void WebView::fetchPictures(const QString& html) {
    if (!connection_ || !connection_->isOnline())
        return;
    static const QRegularExpression img(
        QStringLiteral("<img\\b[^>]*\\bsrc\\s*=\\s*(?:\"([^\"]*)\"|'([^']*)'|([^\\s>]+))"),
        QRegularExpression::CaseInsensitiveOption);
    QList<QUrl> wanted;
    for (auto it = img.globalMatch(html); it.hasNext() && wanted.size() < maxPictures;) {
        const auto match = it.next();
        const QString src = match.captured(1) + match.captured(2) + match.captured(3);
        const QUrl address = page_.url().resolved(QUrl(src.trimmed()));
        if (isWebAddress(address) && !wanted.contains(address))
            wanted << address;
    }
    for (const QUrl& address : wanted) {
        auto* fetch = new WebPage(this);
        fetch->setHostLookup(page_.hostLookup());
        fetches_ << fetch;
        connect(fetch, &WebPage::loaded, this,
                [this, fetch, address] { pictureArrived(fetch, address); });
        fetch->navigate(address);
    }
}

void WebView::pictureArrived(WebPage* fetch, const QUrl& address) {
    fetches_.removeOne(fetch);
    fetch->deleteLater();
    const QImage picture = QImage::fromData(fetch->bytes());
    if (picture.isNull())
        return;
    pictures_.insert(address, picture);
    // The document asks for its pictures again when it is laid out anew.
    const int x = horizontalScrollBar()->value();
    const int y = verticalScrollBar()->value();
    setHtml(page_.html());
    layOutMarquee();
    horizontalScrollBar()->setValue(x);
    verticalScrollBar()->setValue(y);
}

void WebView::dropFetches() {
    for (WebPage* fetch : std::as_const(fetches_)) {
        fetch->disconnect(this);
        fetch->deleteLater();
    }
    fetches_.clear();
}

void WebView::layOutMarquee() {
    QTextFrameFormat format = document()->rootFrame()->frameFormat();
    // Margins as wide as the view let the content start just outside one edge and travel
    // until it is just outside the other.
    const qreal across = marquee_ == Marquee::Sideways ? viewport()->width() : 0;
    const qreal down = marquee_ == Marquee::Upright ? viewport()->height() : 0;
    format.setLeftMargin(across);
    format.setRightMargin(across);
    format.setTopMargin(down);
    format.setBottomMargin(down);
    document()->rootFrame()->setFrameFormat(format);
    if (hasMarquee()) {
        QScrollBar* bar = marqueeBar();
        bar->setValue(marqueeBackwards_ ? bar->maximum() : bar->minimum());
    }
    scrollWhileInView();
}

void WebView::scrollWhileInView() {
    if (hasMarquee() && inView_ && isVisible())
        marqueeTimer_.start();
    else
        marqueeTimer_.stop();
}

QScrollBar* WebView::marqueeBar() const {
    return marquee_ == Marquee::Sideways ? horizontalScrollBar() : verticalScrollBar();
}

void WebView::tickMarquee() {
    if (!hasMarquee())
        return;
    QScrollBar* bar = marqueeBar();
    const int step = marqueeBackwards_ ? -marqueeStepPx : marqueeStepPx;
    const int next = bar->value() + step;
    if (next > bar->maximum())
        bar->setValue(bar->minimum());
    else if (next < bar->minimum())
        bar->setValue(bar->maximum());
    else
        bar->setValue(next);
}

// Minimising the window hides the view as well (a hide event that leaves isVisible() true),
// and restoring it shows the view again.
void WebView::showEvent(QShowEvent* event) {
    QTextBrowser::showEvent(event);
    inView_ = true;
    scrollWhileInView();
}

void WebView::hideEvent(QHideEvent* event) {
    QTextBrowser::hideEvent(event);
    inView_ = false;
    scrollWhileInView();
}

void WebView::resizeEvent(QResizeEvent* event) {
    QTextBrowser::resizeEvent(event);
    if (hasMarquee())
        layOutMarquee();
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
