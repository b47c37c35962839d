#pragma once

#include "web/WebAddresses.h"

#include <QWidget>

#include <array>

class QLabel;
class Shell;

// The two links at the lower left of the main window: captions `Label2`(10, 11) and the link
// labels `Label10`(0, 1), whose captions are the addresses they open.
class LinkLabels : public QWidget {
    Q_OBJECT
public:
    static constexpr int widthTwips = 3240;
    static constexpr int heightTwips = 600;
    // Where the main window should put the links: under the statistics panel.
    static constexpr int suggestedLeftTwips = 600;
    static constexpr int suggestedTopTwips = 7080;

    static QColor linkColour() { return QColor(0, 0, 255); }
    static QColor hoverColour() { return QColor(255, 0, 0); }

    explicit LinkLabels(Shell& shell, const WebAddresses& addresses = WebAddresses(),
                        QWidget* parent = nullptr);

    // Both links back to blue and not underlined; the main window calls this when the pointer
    // moves over its background.
    void resetLinks();

    QLabel* caption(int index) const { return Label2.at(index); } // 0: Label2(10), 1: Label2(11)
    QLabel* link(int index) const { return Label10.at(index); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void paintLink(QLabel* label, bool hovered);

    Shell& shell_;
    std::array<QLabel*, 2> Label2{};
    std::array<QLabel*, 2> Label10{};
};
