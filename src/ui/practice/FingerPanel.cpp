#include "practice/FingerPanel.h"

#include "look/ClickSink.h"
#include "look/SongFont.h"
#include "look/Twips.h"
#include "practice/FingerHints.h"
#include "practice/FlatButtonStyle.h"

#include <QPushButton>
#include <QStyle>
#include <QStyleFactory>

namespace {

constexpr std::array<int, 8> fingerLeft = {5100, 5640, 6180, 6720, 7740, 8280, 8820, 9360};
constexpr std::array<int, 2> shiftLeft = {3900, 9900};
constexpr int buttonTop = 7080;

const QColor offColour(128, 128, 0);
const QColor litColour(128, 255, 128);

void paint(QPushButton* button, const QColor& colour) {
    QPalette palette = button->palette();
    palette.setColor(QPalette::Button, colour);
    button->setPalette(palette);
}

const char* const fingerNames[] = {"左手小指", "左手无名指", "左手中指",   "左手食指",
                                   "右手食指", "右手中指",   "右手无名指", "右手小指"};

QPushButton* makeButton(QWidget* window, QStyle* style, const QString& name,
                        const QRect& geometry) {
    auto* button = new QPushButton(window);
    button->setStyle(style);
    button->setObjectName(name);
    button->setGeometry(geometry);
    button->setFocusPolicy(Qt::NoFocus);
    paint(button, offColour);
    button->setProperty("lit", false);
    return button;
}

void setLit(QPushButton* button, bool lit) {
    if (button->property("lit").toBool() == lit)
        return;
    button->setProperty("lit", lit);
    paint(button, lit ? litColour : offColour);
}

} // namespace

FingerPanel::FingerPanel(QWidget* window, const FingerHints& indicators, QPoint origin)
    : QObject(window), indicators_(indicators) {
    // Button colours come from the palette, which not every platform style honours, and Fusion
    // shades them; these ten buttons show their colour flat, everywhere.
    style_ = new FlatButtonStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    style_->setParent(this);
    for (std::size_t i = 0; i < fingers_.size(); ++i) {
        fingers_[i] =
            makeButton(window, style_, QStringLiteral("Command2_%1").arg(i),
                       Twips::rect(fingerLeft[i] - origin.x(), buttonTop - origin.y(), 375, 375));
        fingers_[i]->setAccessibleName(QString::fromUtf8(fingerNames[i]));
    }
    for (std::size_t i = 0; i < shifts_.size(); ++i) {
        shifts_[i] =
            makeButton(window, style_, QStringLiteral("Command3_%1").arg(i),
                       Twips::rect(shiftLeft[i] - origin.x(), buttonTop - origin.y(), 1035, 375));
        shifts_[i]->setText(QStringLiteral("Shift"));
        shifts_[i]->setFont(SongFont::make(12, true));
        shifts_[i]->setAccessibleName(i == 0 ? QStringLiteral("左 Shift")
                                             : QStringLiteral("右 Shift"));
    }
    // The buttons only show; their clicks do nothing.
    auto* sink = new ClickSink(this);
    for (QPushButton* button : fingers_)
        button->installEventFilter(sink);
    for (QPushButton* button : shifts_)
        button->installEventFilter(sink);
    connect(&indicators_, &FingerHints::changed, this, &FingerPanel::refresh);
    refresh();
}

QString FingerPanel::fingerName(int i) {
    return i >= 0 && i < 8 ? QString::fromUtf8(fingerNames[i]) : QString();
}

bool FingerPanel::isLit(const QPushButton* button) {
    return button->property("lit").toBool();
}

void FingerPanel::refresh() {
    for (std::size_t i = 0; i < fingers_.size(); ++i)
        setLit(fingers_[i], indicators_.fingerLit(int(i)));
    for (std::size_t i = 0; i < shifts_.size(); ++i)
        setLit(shifts_[i], indicators_.shiftLit(int(i)));
}
