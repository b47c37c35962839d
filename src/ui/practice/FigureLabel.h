#pragma once

#include <QFont>
#include <QLabel>
#include <QString>
#include <QTextLayout>

#include <deque>
#include <memory>

// A label for a figure that changes several times a second during a run (the clock, the speed,
// the counts). A plain QLabel lays its text out afresh at every paint, shaping it glyph by
// glyph; this one keeps the laid-out line of the last few texts it showed and draws it where
// QLabel would, to the pixel. Anything but one line of plain text it leaves to QLabel.
class FigureLabel : public QLabel {
public:
    using QLabel::QLabel;
    ~FigureLabel() override;

    // How many texts are kept laid out: the tenths of the clock cycle through ten.
    static constexpr std::size_t keptTexts = 12;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    struct Laid {
        QString text;
        std::unique_ptr<QTextLayout> layout;
        qreal width = 0;
        qreal height = 0;
    };

    bool isPlainLine() const;
    const Laid& laidOut(const QString& shown, const QFont& font);

    QFont laidFont_;
    std::deque<Laid> recent_; // most recently drawn first
};
