#pragma once

#include "keyboard/KeyTable.h"

#include <QHash>
#include <QPoint>
#include <QWidget>

#include <array>

class KeyboardModel;
class QLabel;

// The keyboard frame `Frame2`: the drawn keyboard (caps `Label4`, glyphs `Label5`/`Label6`,
// segments `Line1`), the hint `Label7`, the mnemonic label `Label8` and the countdown pair
// `daojishi` (1, 2). It places itself inside its parent, the practice area, at its design
// position. Key colours come from the model; pointer events come out as signals and the window
// decides what they do.
class KeyboardView : public QWidget {
    Q_OBJECT
public:
    explicit KeyboardView(const KeyboardModel& model, QWidget* parent = nullptr);

    // Shows or hides the countdown pair; the number goes into `daojishi` (2).
    void setCountdown(bool visible, const QString& number);

    // Shows the mnemonic label with the text directly above the key (left-aligned with it), or
    // hides it. Hiding leaves its text and place as they were; an index without a cap hides it.
    void setMnemonic(bool visible, int keyIndex, const QString& text);

    // The label of one part of a key, or nullptr where the key has none.
    QLabel* keyLabel(int keyIndex, KeyPart part) const;
    QLabel* hintLabel() const { return hint_; }
    QLabel* mnemonicLabel() const { return mnemonic_; }
    // `daojishi` (1) the text, (2) the number; nullptr for any other index.
    QLabel* countdownLabel(int i) const;

signals:
    // The pointer moved over a key cap (not over a glyph laid on it).
    void keyHovered(int keyIndex);
    // The left button was released on a key cap.
    void keyClicked(int keyIndex);
    // The pointer moved over the frame's own surface, not over any label on it.
    void frameHovered();
    // The right button was released over the frame, the hint, a cap or a lower glyph.
    void contextMenuRequested(QPoint globalPos);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    // What a label does with the pointer.
    enum class Role { Cap, Lower, Upper, Hint, Inert };
    struct LabelRole {
        Role role = Role::Inert;
        int keyIndex = KeyTable::noKey;
    };

    void buildKeys();
    void buildTexts();
    QLabel* addLabel(const QRect& twips, const QString& text, Role role, int keyIndex);
    void showKeyColour(int keyIndex);
    void paintLines();
    bool mouseOnLabel(const LabelRole& label, QEvent* event);

    const KeyboardModel& model_;
    std::array<std::array<QLabel*, 3>, KeyTable::maxKeyIndex + 1> keyLabels_{};
    QHash<const QObject*, LabelRole> roles_;
    QWidget* lines_ = nullptr;
    QLabel* hint_ = nullptr;
    QLabel* mnemonic_ = nullptr;
    QLabel* countdownText_ = nullptr;
    QLabel* countdownNumber_ = nullptr;
};
