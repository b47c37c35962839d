#pragma once

#include <QLabel>

// A caption of the drawn menu bar. Its text names the access letter after "&", as a menu
// caption does, and the letter shows underlined; unlike a label with a buddy it installs no
// shortcut, so Alt and the letter still reach the practice as a key press.
class MenuBarLabel : public QLabel {
    Q_OBJECT
public:
    explicit MenuBarLabel(const QString& caption, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};
