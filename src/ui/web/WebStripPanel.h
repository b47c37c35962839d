#pragma once

#include <QFrame>
#include <QPoint>
#include <QSize>

class QLabel;
class Shell;
class WebPage;
class WebStrip;
class WebView;

// The news strip `gg_Picture1` under the practice area: an inner box `gg_Picture2` that shows
// the strip page, a hide button `gg_Picture3` at its right end, and behind the box the label
// `gg_Label1` that brings the page back. Hidden until the WebStrip finds a news page.
class WebStripPanel : public QFrame {
    Q_OBJECT
public:
    static constexpr int widthTwips = 7335;
    static constexpr int heightTwips = 420;
    // Where the main window should put the strip: under the finger buttons, centred on the
    // practice area.
    static constexpr int suggestedLeftTwips = 3780;
    static constexpr int suggestedTopTwips = 7620;

    static QString labelCaption() { return QStringLiteral("点击显示最新娱乐资讯"); }
    static QString hoverCaption() { return QStringLiteral(">>>> 点击显示最新娱乐资讯 <<<<"); }

    WebStripPanel(WebStrip& strip, WebPage& page, Shell& shell, QWidget* parent = nullptr);

    // Arranges the parts for showing the page (the strip's step 11).
    void layOut();

    QWidget* innerBox() const { return gg_Picture2; }
    QLabel* hideButton() const { return gg_Picture3; }
    QLabel* label() const { return gg_Label1; }
    WebView* webView() const { return gg_WebBrowser1; }

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* gg_Picture2;
    QLabel* gg_Picture3;
    QLabel* gg_Label1;
    WebView* gg_WebBrowser1;
};
