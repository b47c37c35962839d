#include "web/NewsPopup.h"

#include "look/SongFont.h"
#include "web/WebPage.h"
#include "web/WebView.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QWindow>

namespace {

int px(int twips) {
    return (twips + 7) / 15;
}

constexpr int titleHeight = 24;
constexpr int margin = 6;

} // namespace

NewsPopup::NewsPopup(Shell& shell, QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint | Qt::FramelessWindowHint),
      page_(new WebPage(this)) {
    setAttribute(Qt::WA_QuitOnClose, false);
    // Shown while the user types: it must not steal the keyboard from the practice.
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFixedSize(px(widthTwips), px(heightTwips));
    setWindowTitle(QStringLiteral("新闻资讯"));

    Label2 = new QLabel(QStringLiteral("  新闻资讯"), this);
    Label2->setFont(SongFont::make(10.5, true));
    Label2->setGeometry(0, 0, width() - titleHeight, titleHeight);
    Label2->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    Label2->installEventFilter(this);

    Label1 = new QLabel(QStringLiteral("×"), this);
    Label1->setFont(SongFont::make(14, true));
    Label1->setGeometry(width() - titleHeight, 0, titleHeight, titleHeight);
    Label1->setAlignment(Qt::AlignCenter);
    Label1->setCursor(Qt::PointingHandCursor);
    Label1->setToolTip(QStringLiteral("关闭"));
    Label1->installEventFilter(this);

    for (QLabel* label : {Label2, Label1}) {
        QPalette white = label->palette();
        white.setColor(QPalette::WindowText, Qt::white);
        label->setPalette(white);
    }

    box_ = new QWidget(this);
    box_->setGeometry(margin, titleHeight + 2, width() - 2 * margin,
                      height() - titleHeight - 2 - margin);
    QPalette white = box_->palette();
    white.setColor(QPalette::Window, Qt::white);
    box_->setPalette(white);
    box_->setAutoFillBackground(true);

    // The view is larger than its box so that its scroll bars fall outside the box.
    WebBrowser1 = new WebView(*page_, shell, box_);
    WebBrowser1->setGeometry(0, 0, box_->width() + px(400), box_->height() + px(400));

    revealTimer_.setInterval(revealIntervalMs);
    connect(&revealTimer_, &QTimer::timeout, this, &NewsPopup::revealStep);
    fadeTimer_.setInterval(fadeIntervalMs);
    connect(&fadeTimer_, &QTimer::timeout, this, &NewsPopup::fadeStep);
}

void NewsPopup::load(const QUrl& address) {
    placeAtWorkAreaCorner();
    revealTop_ = height();
    revealStep();
    revealTimer_.start();
    page_->navigate(address);
}

void NewsPopup::placeAtWorkAreaCorner() {
    const QScreen* where = screen() ? screen() : QGuiApplication::primaryScreen();
    if (!where)
        return;
    const QRect work = where->availableGeometry();
    move(work.right() + 1 - width(), work.bottom() + 1 - height());
}

void NewsPopup::revealStep() {
    revealTop_ -= revealStepPx;
    if (revealTop_ <= 0) {
        revealTimer_.stop();
        clearMask();
        return;
    }
    setMask(QRegion(0, revealTop_, width(), height() - revealTop_));
}

void NewsPopup::closeEvent(QCloseEvent* event) {
    // A hidden window closes at once; a visible one fades first and closes at the fade's end.
    if (fadeDone_ || !isVisible()) {
        fadeTimer_.stop();
        event->accept();
        return;
    }
    event->ignore();
    if (!fadeTimer_.isActive()) {
        opacityLevel_ = fadeFirstLevel;
        setWindowOpacity(1.0);
        fadeTimer_.start();
    }
}

void NewsPopup::fadeStep() {
    opacityLevel_ = std::max(opacityLevel_ - fadeStepLevel, fadeLastLevel);
    setWindowOpacity(opacityLevel_ / 255.0);
    if (opacityLevel_ > fadeLastLevel)
        return;
    fadeTimer_.stop();
    fadeDone_ = true;
    close();
    fadeDone_ = false;
}

void NewsPopup::showEvent(QShowEvent* event) {
    opacityLevel_ = fadeFirstLevel;
    setWindowOpacity(1.0);
    QWidget::showEvent(event);
}

bool NewsPopup::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Label1 && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        close();
        return true;
    }
    if (watched == Label2 && dragByTitle(event))
        return true;
    return QWidget::eventFilter(watched, event);
}

bool NewsPopup::dragByTitle(QEvent* event) {
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() != Qt::LeftButton)
            return false;
        // The window system moves the window as by a caption bar where it can; otherwise the
        // window follows the pointer itself.
        if (windowHandle() && windowHandle()->startSystemMove())
            return true;
        dragging_ = true;
        dragOffset_ = mouse->globalPosition().toPoint() - pos();
        return true;
    }
    case QEvent::MouseMove:
        if (!dragging_)
            return false;
        move(static_cast<QMouseEvent*>(event)->globalPosition().toPoint() - dragOffset_);
        return true;
    case QEvent::MouseButtonRelease:
        if (!dragging_)
            return false;
        dragging_ = false;
        return true;
    default:
        return false;
    }
}

void NewsPopup::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRectF all = rect();

    QLinearGradient body(all.topLeft(), all.bottomLeft());
    body.setColorAt(0.0, QColor(52, 98, 176));
    body.setColorAt(1.0, QColor(146, 186, 236));
    painter.fillRect(all, body);

    // A light diagonal weave across the face.
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(255, 255, 255, 22), 1.0));
    for (int x = -height(); x < width(); x += 9)
        painter.drawLine(QPointF(x, height()), QPointF(x + height(), 0));

    QLinearGradient title(QPointF(0, 0), QPointF(0, titleHeight));
    title.setColorAt(0.0, QColor(30, 66, 138));
    title.setColorAt(1.0, QColor(44, 88, 164));
    painter.fillRect(QRectF(0, 0, width(), titleHeight), title);

    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QColor(22, 48, 104));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}
