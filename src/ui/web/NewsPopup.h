#pragma once

#include <QPoint>
#include <QTimer>
#include <QWidget>

class QLabel;
class Shell;
class WebPage;
class WebView;

// The news pop-up window `form_tan`: a small always-on-top window at the lower right of the
// work area that rolls up from the bottom, can be dragged by its title and fades out when
// closed. It never takes the focus from the practice, never waits, and never keeps the
// program running on its own.
class NewsPopup : public QWidget {
    Q_OBJECT
public:
    static constexpr int widthTwips = 3855;
    static constexpr int heightTwips = 3915;
    static constexpr int revealIntervalMs = 10;
    static constexpr int revealStepPx = 10;
    static constexpr int fadeIntervalMs = 60;
    static constexpr int fadeFirstLevel = 255;
    static constexpr int fadeLastLevel = 15;
    static constexpr int fadeStepLevel = 10;

    explicit NewsPopup(Shell& shell, QWidget* parent = nullptr);

    WebPage& page() const { return *page_; }

    // Places the (still hidden) window at the lower right of the work area, starts the roll-up
    // and fetches the page.
    void load(const QUrl& address);

    // One step of the roll-up: the visible band's upper edge moves up; once it passes the top
    // the whole window is shown, without a mask.
    void revealStep();
    bool isRevealing() const { return revealTimer_.isActive(); }

    // One step of the fade-out that every close runs first; the last step hides the window.
    void fadeStep();
    bool isFading() const { return fadeTimer_.isActive(); }
    int opacityLevel() const { return opacityLevel_; }

    QLabel* titleLabel() const { return Label2; }
    QLabel* closeLabel() const { return Label1; }
    QWidget* pageBox() const { return box_; }
    WebView* webView() const { return WebBrowser1; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void placeAtWorkAreaCorner();
    bool dragByTitle(QEvent* event);

    WebPage* page_;
    QLabel* Label2;
    QLabel* Label1;
    QWidget* box_;
    WebView* WebBrowser1;

    QTimer revealTimer_;
    int revealTop_ = 0;

    QTimer fadeTimer_;
    int opacityLevel_ = fadeFirstLevel;
    bool fadeDone_ = false;

    bool dragging_ = false;
    QPoint dragOffset_;
};
