#include "web/WebStripPanel.h"

#include "look/SongFont.h"
#include "web/WebStrip.h"
#include "web/WebView.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>

namespace {

// 15 twips to the pixel at 96 dots per inch.
int px(int twips) {
    return (twips + 7) / 15;
}

// The small "×" of the hide button, drawn to the given size.
QPixmap hidePicture(QSize size) {
    QPixmap picture(size);
    picture.fill(QColor(200, 208, 240));
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(90, 100, 150), 1.6, Qt::SolidLine, Qt::RoundCap));
    const int side = std::min(size.width(), size.height()) - 8;
    const QRectF cross(QPointF((size.width() - side) / 2.0, (size.height() - side) / 2.0),
                       QSizeF(side, side));
    painter.drawLine(cross.topLeft(), cross.bottomRight());
    painter.drawLine(cross.topRight(), cross.bottomLeft());
    painter.setPen(QColor(160, 170, 210));
    painter.drawLine(0, 0, 0, size.height() - 1);
    return picture;
}

} // namespace

WebStripPanel::WebStripPanel(WebStrip& strip, WebPage& page, Shell& shell, QWidget* parent)
    : QFrame(parent), gg_Picture2(nullptr), gg_Picture3(nullptr), gg_Label1(nullptr),
      gg_WebBrowser1(nullptr) {
    resize(px(widthTwips), px(heightTwips));
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    QPalette background = palette();
    background.setColor(QPalette::Window, QColor(215, 220, 248));
    setPalette(background);
    setAutoFillBackground(true);
    setMouseTracking(true);

    // The label lies behind the inner box; it shows once the box is hidden.
    gg_Label1 = new QLabel(labelCaption(), this);
    gg_Label1->setFont(SongFont::make(10.5));
    QPalette blue = gg_Label1->palette();
    blue.setColor(QPalette::WindowText, QColor(0, 0, 255));
    gg_Label1->setPalette(blue);
    gg_Label1->setAlignment(Qt::AlignCenter);
    gg_Label1->setCursor(Qt::PointingHandCursor);
    gg_Label1->setMouseTracking(true);
    gg_Label1->installEventFilter(this);

    gg_Picture2 = new QWidget(this);
    gg_WebBrowser1 = new WebView(page, shell, gg_Picture2);
    gg_WebBrowser1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    gg_Picture3 = new QLabel(gg_Picture2);
    gg_Picture3->setToolTip(QStringLiteral("隐藏"));
    gg_Picture3->setCursor(Qt::PointingHandCursor);
    gg_Picture3->installEventFilter(this);

    // Design positions; the layout step fits them to the strip before it is shown.
    gg_Picture2->setGeometry(contentsRect());
    gg_WebBrowser1->setGeometry(-px(60), -px(60), gg_Picture2->width() + px(1200),
                                gg_Picture2->height() + px(1200));
    const QSize button(px(255), gg_Picture2->height());
    gg_Picture3->setGeometry(gg_Picture2->width() - button.width(), 0, button.width(),
                             button.height());
    gg_Picture3->setPixmap(hidePicture(button));
    gg_Label1->setGeometry(px(100), 0, width() - px(200), height());
    hide();

    connect(&strip, &WebStrip::laidOut, this, &WebStripPanel::layOut);
    connect(&strip, &WebStrip::stripVisibleChanged, this, &WebStripPanel::setVisible);
}

void WebStripPanel::layOut() {
    setFrameStyle(QFrame::NoFrame);
    gg_Picture2->setGeometry(0, 0, width(), height());
    const int buttonWidth = gg_Picture3->width();
    gg_Picture3->setGeometry(width() - buttonWidth, 0, buttonWidth, height());
    gg_Picture3->setPixmap(hidePicture(gg_Picture3->size()));
    gg_WebBrowser1->setGeometry(-px(60), -px(60), gg_Picture2->width() + px(1200),
                                gg_Picture2->height() + px(1200));
    const int labelWidth = width() - px(200);
    gg_Label1->setGeometry((width() - labelWidth) / 2, 0, labelWidth, height());
    gg_Picture3->raise();
}

void WebStripPanel::mouseMoveEvent(QMouseEvent* event) {
    // Over the strip but not over the label.
    gg_Label1->setText(QString());
    QFrame::mouseMoveEvent(event);
}

bool WebStripPanel::eventFilter(QObject* watched, QEvent* event) {
    const auto isLeftRelease = [event] {
        return event->type() == QEvent::MouseButtonRelease &&
               static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton;
    };
    if (watched == gg_Label1) {
        switch (event->type()) {
        case QEvent::Enter:
        case QEvent::MouseMove:
            gg_Label1->setText(hoverCaption());
            return event->type() == QEvent::MouseMove;
        default:
            if (isLeftRelease()) {
                gg_Picture2->show();
                return true;
            }
            break;
        }
    } else if (watched == gg_Picture3 && isLeftRelease()) {
        gg_Picture2->hide();
        return true;
    }
    return QFrame::eventFilter(watched, event);
}
