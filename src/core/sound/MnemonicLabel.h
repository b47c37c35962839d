#pragma once

#include <QObject>
#include <QString>

// The hover label `Label8` of the Wubi mnemonics: whether it shows, the key it sits above and
// its text. The view places it directly above that key; no geometry is kept here.
class MnemonicLabel : public QObject {
    Q_OBJECT
public:
    explicit MnemonicLabel(QObject* parent = nullptr) : QObject(parent) {}

    bool isVisible() const { return visible_; }
    // The key index (of the key label array) the label sits above; -1 before it was placed.
    int keyIndex() const { return keyIndex_; }
    const QString& text() const { return text_; }

    void show();
    void hide();
    void placeAbove(int keyIndex);
    void setText(const QString& text);

signals:
    // Emitted only when visibility, position or text actually changes.
    void changed();

private:
    bool visible_ = false;
    int keyIndex_ = -1;
    QString text_;
};
