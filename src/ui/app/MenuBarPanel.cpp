#include "app/MenuBarPanel.h"

#include "app/MenuBarLabel.h"
#include "app/PopupMenus.h"
#include "look/SongFont.h"
#include "look/Twips.h"

#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QWidget>

namespace {

// Left edges of the three labels in twips; all share top 60 and size 855 x 195.
constexpr std::array<int, 3> labelLeft = {180, 1020, 1860};
constexpr int labelTop = 60;
constexpr int labelWidth = 855;
constexpr int labelHeight = 195;

// The captions as the menus name them; the letter after "&" shows underlined.
const std::array<const char*, 3> labelCaptions = {"文件(&F)", "选项(&C)", "帮助(&H)"};

// The highlight's fill under the pointer, and once its menu has been opened.
const QColor hoverColour(193, 210, 238);
const QColor pressedColour(181, 190, 214);

} // namespace

MenuBarPanel::MenuBarPanel(QWidget* window, PopupMenus& menus)
    : QObject(window), window_(window), menus_(menus) {
    shape1_ = new QFrame(window);
    shape1_->setObjectName(QStringLiteral("Shape1"));
    shape1_->setGeometry(Twips::rect(2820, 60, 795, 255));
    // The margin around a label belongs to the window surface, so moving the pointer there
    // hides the highlight.
    shape1_->setAttribute(Qt::WA_TransparentForMouseEvents);
    // A solid fill with a thin border in the window-text colour.
    shape1_->setFrameStyle(QFrame::Box | QFrame::Plain);
    shape1_->setLineWidth(1);
    shape1_->setAutoFillBackground(true);
    shape1_->hide();
    place(0, pressedColour);
    // Until first used the highlight stands at its design place.
    shape1_->setGeometry(Twips::rect(2820, 60, 795, 255));

    for (std::size_t i = 0; i < labels_.size(); ++i) {
        auto* label = new MenuBarLabel(QString::fromUtf8(labelCaptions[i]), window);
        label->setObjectName(QStringLiteral("Lab_caidan_%1").arg(i));
        label->setFont(SongFont::make(9));
        label->setGeometry(Twips::rect(labelLeft[i], labelTop, labelWidth, labelHeight));
        // At the top, as the caption and its underline just fit the bar's height.
        label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        label->setMouseTracking(true);
        label->installEventFilter(this);
        labels_[i] = label;
    }
    shape1_->lower();
}

bool MenuBarPanel::highlightVisible() const {
    return !shape1_->isHidden();
}

void MenuBarPanel::place(int i, const QColor& colour) {
    const auto k = std::size_t(i);
    shape1_->setGeometry(
        Twips::rect(labelLeft[k] - 50, labelTop - 30, labelWidth, labelHeight + 55));
    QPalette palette = shape1_->palette();
    palette.setColor(QPalette::Window, colour);
    shape1_->setPalette(palette);
}

void MenuBarPanel::hoverLabel(int i) {
    const auto k = std::size_t(i);
    if (highlightVisible() && shape1_->x() == Twips::px(labelLeft[k] - 50))
        return;
    place(i, hoverColour);
    shape1_->show();
}

void MenuBarPanel::releaseLabel(int i) {
    const auto k = std::size_t(i);
    place(i, pressedColour);
    shape1_->show();
    const QPoint at(Twips::px(labelLeft[k] - 60), Twips::px(labelTop + labelHeight + 70));
    menus_.menu(i)->popup(window_->mapToGlobal(at));
}

void MenuBarPanel::hideHighlight() {
    shape1_->hide();
}

bool MenuBarPanel::eventFilter(QObject* watched, QEvent* event) {
    for (std::size_t i = 0; i < labels_.size(); ++i) {
        if (watched != labels_[i])
            continue;
        switch (event->type()) {
        case QEvent::MouseMove:
            hoverLabel(int(i));
            return true;
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
            return true;
        case QEvent::MouseButtonRelease:
            // Only the left button opens a menu; a right release on the bar does nothing.
            if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
                releaseLabel(int(i));
            return true;
        default:
            return false;
        }
    }
    return QObject::eventFilter(watched, event);
}
