#include "practice/PracticeArea.h"

#include "keyboard/FallingLabel.h"
#include "keyboard/KeyboardView.h"
#include "look/ClickSink.h"
#include "look/SongFont.h"
#include "look/Twips.h"

#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QMouseEvent>

namespace {

void paint(QWidget* widget, const QColor& text, const QColor& background) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, text);
    palette.setColor(QPalette::Window, background);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

const QColor areaColour(224, 224, 224);

QLabel* countdownPart(QWidget* parent, const QString& name, const QString& text,
                      const QRect& geometry, const QColor& colour) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setGeometry(geometry);
    label->setFont(SongFont::make(21.75, true));
    label->setAlignment(Qt::AlignCenter);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
    label->hide();
    return label;
}

} // namespace

PracticeArea::PracticeArea(QWidget* window, const FallingLabel& falling, const KeyboardModel& keys)
    : QObject(window), falling_(falling) {
    picture1_ = new QFrame(window);
    picture1_->setObjectName(QStringLiteral("Picture1"));
    picture1_->setGeometry(Twips::rect(3720, 1200, 7455, 5775));
    picture1_->setFrameShape(QFrame::Panel);
    picture1_->setFrameShadow(QFrame::Sunken);
    picture1_->setLineWidth(2);
    paint(picture1_, Qt::black, areaColour);
    picture1_->installEventFilter(this);
    // What the area holds lies inside its border and is clipped there, as a falling character
    // near the right edge must not paint over the frame.
    auto* client = new QWidget(picture1_);
    client->setObjectName(QStringLiteral("Picture1_client"));
    client->setGeometry(picture1_->contentsRect());

    auto* sink = new ClickSink(this);
    xialuozifu_ = new QLabel(client);
    xialuozifu_->setObjectName(QStringLiteral("xialuozifu"));
    xialuozifu_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    paint(xialuozifu_, Qt::magenta, areaColour);
    // The falling character takes its own clicks, so a right click on it opens no menu.
    xialuozifu_->installEventFilter(sink);

    daojishi3_ = countdownPart(client, QStringLiteral("daojishi_3"), QStringLiteral("倒计时：  秒"),
                               Twips::rect(2340, 4860, 2895, 555), Qt::blue);
    daojishi4_ = countdownPart(client, QStringLiteral("daojishi_4"), QStringLiteral("5"),
                               Twips::rect(4080, 4860, 555, 555), Qt::red);
    // The countdown of the falling styles is not among the surfaces whose right click opens
    // the file menu.
    daojishi3_->installEventFilter(sink);
    daojishi4_->installEventFilter(sink);

    keyboard_ = new KeyboardView(keys, client);
    keyboard_->setObjectName(QStringLiteral("Frame2"));
    keyboard_->raise();

    // While the keyboard covers the falling character it stays hidden, so that its moves
    // repaint nothing; the falling styles show it.
    xialuozifu_->setVisible(keyboard_->isHidden());
    connect(&falling_, &FallingLabel::changed, this, &PracticeArea::showFalling);
    showFalling();
}

QLabel* PracticeArea::countdownLabel(int i) const {
    return i == 3 ? daojishi3_ : daojishi4_;
}

void PracticeArea::setCountdown(bool visible, const QString& number) {
    keyboard_->setCountdown(visible, number);
    if (daojishi4_->text() != number)
        daojishi4_->setText(number);
    daojishi3_->setVisible(visible);
    daojishi4_->setVisible(visible);
}

void PracticeArea::setKeyboardShown(bool shown) {
    keyboard_->setVisible(shown);
    xialuozifu_->setVisible(!shown);
}

void PracticeArea::showFalling() {
    if (xialuozifu_->text() != falling_.caption())
        xialuozifu_->setText(falling_.caption());
    // The character moves every tick of a fall, its size only with a new target: a font is
    // made only for a new size.
    if (xialuozifuPoints_ != falling_.fontPoints()) {
        xialuozifuPoints_ = falling_.fontPoints();
        xialuozifu_->setFont(SongFont::make(xialuozifuPoints_, true));
    }
    xialuozifu_->setGeometry(Twips::rect(falling_.left(), falling_.top(), 3075, 1155));
}

bool PracticeArea::eventFilter(QObject* watched, QEvent* event) {
    if (watched == picture1_ && event->type() == QEvent::MouseButtonRelease) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::RightButton) {
            emit contextMenuRequested(mouse->globalPosition().toPoint());
            return true; // the window behind would open the menu a second time
        }
    }
    return QObject::eventFilter(watched, event);
}
