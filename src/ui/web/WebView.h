#pragma once

#include <QHash>
#include <QTextBrowser>
#include <QTimer>

class ConnectionCheck;
class QScrollBar;
class Shell;
class WebPage;

// Shows the HTML of a WebPage. Links open in the user's browser through the shell. The
// pictures a page names (<img>) are fetched as the page was, over http or https only, with the
// same time-out and size cap, and only while the computer is online; nothing else is ever read,
// so a page cannot make the view open local files.
//
// A page with a <marquee> scrolls as a browser shows one: its content enters at one edge of
// the view and travels across until it has left at the other, then starts again. Like a
// browser's hidden tab, it rests while the view cannot be seen (hidden, or its window
// minimised) and goes on from where it rested.
class WebView : public QTextBrowser {
    Q_OBJECT
public:
    static constexpr int maxPictures = 16;
    static constexpr int marqueeStepMs = 85; // a browser's default scroll delay
    static constexpr int marqueeStepPx = 6;  // and scroll amount

    WebView(WebPage& page, Shell& shell, QWidget* parent = nullptr);
    ~WebView() override;

    // Without a connection check no picture is ever fetched.
    void setConnection(ConnectionCheck* connection) { connection_ = connection; }

    QVariant loadResource(int type, const QUrl& name) override;

    // Shows what the page holds now; the view does it by itself each time the page loads.
    void showPage();

    // One step of the marquee; its timer runs only while a marquee page is in view.
    void tickMarquee();
    bool hasMarquee() const { return marquee_ != Marquee::None; }
    bool isScrolling() const { return marqueeTimer_.isActive(); }

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void fetchPictures(const QString& html);
    void pictureArrived(WebPage* fetch, const QUrl& address);
    void dropFetches();
    QScrollBar* marqueeBar() const;
    void layOutMarquee();
    void scrollWhileInView();
    void openLink(const QUrl& link);

    WebPage& page_;
    Shell& shell_;
    ConnectionCheck* connection_ = nullptr;
    QHash<QUrl, QImage> pictures_;
    QList<WebPage*> fetches_;
    QTimer marqueeTimer_;
    enum class Marquee { None, Sideways, Upright };
    Marquee marquee_ = Marquee::None;
    bool marqueeBackwards_ = false; // direction right or down
    bool inView_ = false;           // shown and not hidden with its minimised window
};
