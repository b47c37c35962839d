#include "keyboard/KeyboardView.h"

#include "keyboard/KeyLayout.h"
#include "keyboard/KeyboardModel.h"
#include "look/SongFont.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPainter>

namespace {

const QColor frameColour(224, 224, 224);
const QColor hintColour(255, 0, 255);
const QColor mnemonicBack(192, 255, 255);
const QColor red(255, 0, 0);
const QColor blue(0, 0, 255);

constexpr int mnemonicHeight = 240; // twips

void setColours(QLabel* label, const QColor& fore, const QColor& back) {
    QPalette palette = label->palette();
    if (fore.isValid())
        palette.setColor(QPalette::WindowText, fore);
    palette.setColor(QPalette::Window, back);
    label->setPalette(palette);
    label->setAutoFillBackground(true);
}

void setThinBorder(QLabel* label) {
    label->setFrameStyle(QFrame::Box | QFrame::Plain);
    label->setLineWidth(1);
}

} // namespace

KeyboardView::KeyboardView(const KeyboardModel& model, QWidget* parent)
    : QWidget(parent), model_(model) {
    setObjectName(QStringLiteral("Frame2"));
    setGeometry(KeyLayout::pixels(KeyLayout::frameRect));
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, frameColour);
    setPalette(palette);
    setAutoFillBackground(true);
    setMouseTracking(true);
    // A right-button release opens the menu; the platform's context-menu event must not open a
    // second one further up.
    setContextMenuPolicy(Qt::PreventContextMenu);

    buildKeys();
    buildTexts();

    connect(&model_, &KeyboardModel::keyColourChanged, this, &KeyboardView::showKeyColour);
}

QLabel* KeyboardView::addLabel(const QRect& twips, const QString& text, Role role, int keyIndex) {
    auto* label = new QLabel(text, this);
    label->setGeometry(KeyLayout::pixels(twips));
    label->setMouseTracking(true);
    label->installEventFilter(this);
    roles_.insert(label, LabelRole{role, keyIndex});
    return label;
}

void KeyboardView::buildKeys() {
    const QString names[] = {QStringLiteral("Label4_%1"), QStringLiteral("Label5_%1"),
                             QStringLiteral("Label6_%1")};
    for (const KeyLayout::Cap& cap : KeyLayout::caps()) {
        QLabel* label = addLabel(cap.rect, cap.caption, Role::Cap, cap.index);
        label->setObjectName(names[0].arg(cap.index));
        label->setFont(SongFont::make(cap.points, cap.bold));
        label->setAlignment(cap.alignment);
        if (cap.bordered)
            setThinBorder(label);
        if (!cap.accessibleName.isEmpty())
            label->setAccessibleName(cap.accessibleName);
        setColours(label, QColor(), QColor::fromRgb(model_.colour(cap.index, KeyPart::Cap)));
        keyLabels_[std::size_t(cap.index)][std::size_t(KeyPart::Cap)] = label;
    }
    // Glyphs after the caps, so that they lie on them.
    for (const KeyLayout::Glyph& glyph : KeyLayout::glyphs()) {
        const bool lower = glyph.part == KeyPart::Lower;
        QLabel* label =
            addLabel(glyph.rect, glyph.text, lower ? Role::Lower : Role::Upper, glyph.index);
        label->setObjectName(names[std::size_t(glyph.part)].arg(glyph.index));
        label->setFont(SongFont::make(glyph.points, glyph.bold));
        label->setAlignment(glyph.alignment);
        if (glyph.bordered)
            setThinBorder(label);
        setColours(label, QColor(), QColor::fromRgb(model_.colour(glyph.index, glyph.part)));
        keyLabels_[std::size_t(glyph.index)][std::size_t(glyph.part)] = label;
    }

    // `Line1`: drawn over the keys by a layer that lets the pointer through; the texts built
    // after it lie above it.
    lines_ = new QWidget(this);
    lines_->setObjectName(QStringLiteral("Line1"));
    lines_->setGeometry(rect());
    lines_->setAttribute(Qt::WA_TransparentForMouseEvents);
    lines_->installEventFilter(this);
}

void KeyboardView::buildTexts() {
    hint_ = addLabel(QRect(420, 840, 6375, 615),
                     QStringLiteral("   眼睛不要看键盘,击闪烁的键,仔细体会!单击鼠标右键或按 "
                                    "Alt+A 键,可弹出快捷菜单!"),
                     Role::Hint, KeyTable::noKey);
    hint_->setObjectName(QStringLiteral("Label7"));
    hint_->setFont(SongFont::make(12, true));
    hint_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    hint_->setWordWrap(true);
    setColours(hint_, hintColour, frameColour);

    mnemonic_ =
        addLabel(QRect(2040, 540, 750, mnemonicHeight), QString(), Role::Inert, KeyTable::noKey);
    mnemonic_->setObjectName(QStringLiteral("Label8"));
    mnemonic_->setFont(SongFont::make(10.5, true));
    mnemonic_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    setThinBorder(mnemonic_);
    setColours(mnemonic_, red, mnemonicBack);
    mnemonic_->hide();

    countdownText_ = addLabel(QRect(1920, 4800, 2895, 555), QStringLiteral("倒计时：  秒"),
                              Role::Inert, KeyTable::noKey);
    countdownNumber_ =
        addLabel(QRect(3720, 4800, 495, 555), QStringLiteral("5"), Role::Inert, KeyTable::noKey);
    countdownText_->setObjectName(QStringLiteral("daojishi_1"));
    countdownNumber_->setObjectName(QStringLiteral("daojishi_2"));
    setColours(countdownText_, blue, frameColour);
    setColours(countdownNumber_, red, frameColour);
    for (QLabel* label : {countdownText_, countdownNumber_}) {
        label->setFont(SongFont::make(21.75, true));
        label->setAlignment(Qt::AlignCenter);
        label->hide();
    }
}

QLabel* KeyboardView::keyLabel(int keyIndex, KeyPart part) const {
    if (keyIndex < 0 || keyIndex > KeyTable::maxKeyIndex)
        return nullptr;
    return keyLabels_[std::size_t(keyIndex)][std::size_t(part)];
}

QLabel* KeyboardView::countdownLabel(int i) const {
    switch (i) {
    case 1:
        return countdownText_;
    case 2:
        return countdownNumber_;
    default:
        return nullptr;
    }
}

void KeyboardView::setCountdown(bool visible, const QString& number) {
    countdownNumber_->setText(number);
    countdownText_->setVisible(visible);
    countdownNumber_->setVisible(visible);
}

void KeyboardView::setMnemonic(bool visible, int keyIndex, const QString& text) {
    const KeyLayout::Cap* cap = KeyLayout::capOf(keyIndex);
    if (!visible || !cap) {
        mnemonic_->hide();
        return;
    }
    const QPoint place =
        KeyLayout::pixels(QPoint(cap->rect.left(), cap->rect.top() - mnemonicHeight));
    if (mnemonic_->pos() != place)
        mnemonic_->move(place);
    if (mnemonic_->text() != text) {
        mnemonic_->setText(text);
        // The label grows with its text, so that a long verse is not cut off.
        mnemonic_->resize(mnemonic_->sizeHint().width(), KeyLayout::pixels(mnemonicHeight));
    }
    if (mnemonic_->isHidden())
        mnemonic_->show();
}

void KeyboardView::showKeyColour(int keyIndex) {
    if (keyIndex < 0 || keyIndex > KeyTable::maxKeyIndex)
        return;
    for (KeyPart part : {KeyPart::Cap, KeyPart::Lower, KeyPart::Upper}) {
        QLabel* label = keyLabels_[std::size_t(keyIndex)][std::size_t(part)];
        if (!label)
            continue;
        const QColor colour = QColor::fromRgb(model_.colour(keyIndex, part));
        if (label->palette().color(QPalette::Window) == colour)
            continue;
        QPalette palette = label->palette();
        palette.setColor(QPalette::Window, colour);
        label->setPalette(palette);
    }
}

void KeyboardView::paintLines() {
    QPainter painter(lines_);
    const QColor ink = palette().color(QPalette::WindowText);
    for (const KeyLayout::Segment& segment : KeyLayout::lines()) {
        painter.setPen(QPen(ink, segment.penPixels, Qt::SolidLine, Qt::FlatCap));
        painter.drawLine(KeyLayout::pixels(segment.line.p1()),
                         KeyLayout::pixels(segment.line.p2()));
    }
}

bool KeyboardView::eventFilter(QObject* watched, QEvent* event) {
    if (watched == lines_) {
        if (event->type() == QEvent::Paint) {
            paintLines();
            return true;
        }
        return false;
    }
    const auto found = roles_.constFind(watched);
    if (found == roles_.constEnd())
        return QWidget::eventFilter(watched, event);
    return mouseOnLabel(found.value(), event);
}

// Every label takes the pointer's events itself, so that none reaches the frame beneath: only
// the frame's bare surface counts as the frame.
bool KeyboardView::mouseOnLabel(const LabelRole& label, QEvent* event) {
    switch (event->type()) {
    case QEvent::MouseMove:
        if (label.role == Role::Cap)
            emit keyHovered(label.keyIndex);
        return true;
    case QEvent::MouseButtonRelease: {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton && label.role == Role::Cap)
            emit keyClicked(label.keyIndex);
        const bool opensMenu =
            label.role == Role::Cap || label.role == Role::Lower || label.role == Role::Hint;
        if (mouse->button() == Qt::RightButton && opensMenu)
            emit contextMenuRequested(mouse->globalPosition().toPoint());
        return true;
    }
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        return true;
    default:
        return false;
    }
}

void KeyboardView::mouseMoveEvent(QMouseEvent* event) {
    event->accept();
    emit frameHovered();
}

void KeyboardView::mousePressEvent(QMouseEvent* event) {
    event->accept();
}

void KeyboardView::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    if (event->button() == Qt::RightButton)
        emit contextMenuRequested(event->globalPosition().toPoint());
}
