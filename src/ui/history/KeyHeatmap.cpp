#include "history/KeyHeatmap.h"

#include "keyboard/KeyLayout.h"
#include "keyboard/KeyboardView.h"
#include "look/SongFont.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace {

// Below this the scale does not shrink, so a few slips on a strong day do not paint keys red.
constexpr double lowestTop = 0.2;

// The part of the keyboard frame the keys take, in pixels: a little margin around the rows.
constexpr int keysLeft = 0;
constexpr int keysTop = 2040 - 60 - 60; // twips above the first row, inside the frame
constexpr int keysWidth = 486;
constexpr int keysHeight = 162;

QLabel* swatch(const QPixmap& pixmap, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setPixmap(pixmap);
    return label;
}

} // namespace

KeyHeatmap::KeyHeatmap(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("keyHeatmap"));
    auto* keys = new QWidget(this);
    keys->setFixedSize(keysWidth, keysHeight);
    view_ = new KeyboardView(model_, keys);
    view_->move(keysLeft, -KeyLayout::pixels(keysTop));
    view_->hintLabel()->hide();
    view_->setAccessibleName(QStringLiteral("按键失误热图"));

    const QFont font = SongFont::make(9);
    QLinearGradient gradient(0, 0, 120, 0);
    for (int i = 0; i <= 10; ++i)
        gradient.setColorAt(i / 10.0, QColor::fromRgb(colourFor(i / 10.0, 1)));
    QPixmap bar(120, 12);
    QPainter(&bar).fillRect(bar.rect(), gradient);
    QPixmap unpractised(16, 12);
    unpractised.fill(QColor::fromRgb(KeyboardModel::keyColour));

    auto* legend = new QHBoxLayout;
    legend->setContentsMargins(4, 0, 4, 0);
    const auto text = [&](const QString& t) {
        auto* label = new QLabel(t, this);
        label->setFont(font);
        legend->addWidget(label);
        return label;
    };
    text(QStringLiteral("失误率（最近 %1 次）  0%").arg(20));
    legend->addWidget(swatch(bar, this));
    legendTop_ = text(QString());
    legend->addSpacing(16);
    legend->addWidget(swatch(unpractised, this));
    text(QStringLiteral("未练习"));
    legend->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(4);
    layout->addWidget(keys);
    layout->addLayout(legend);
    setRuns({});
}

QRgb KeyHeatmap::colourFor(double rate, double top) {
    const double t = top > 0 ? std::clamp(rate / top, 0.0, 1.0) : 0;
    return QColor::fromHsvF(float((1 - t) * 120 / 360), 0.65f, 1.0f).rgb();
}

void KeyHeatmap::setRuns(const QList<RunRecord>& runs) {
    stats_ = KeyStats(runs);
    const KeyStats& stats = stats_;
    top_ = std::max(lowestTop, stats.highestMissRate());
    legendTop_->setText(QStringLiteral("%1%").arg(std::lround(top_ * 100)));
    for (const int index : KeyTable::keyIndices()) {
        const KeyStats::Key& key = stats.key(index);
        model_.setKeyColour(index, key.shown > 0 ? colourFor(key.missRate(), top_)
                                                 : KeyboardModel::keyColour);
        const QString tip = key.shown > 0 ? toolTip(index, key) : QString();
        for (KeyPart part : {KeyPart::Cap, KeyPart::Lower, KeyPart::Upper})
            if (QLabel* label = view_->keyLabel(index, part))
                label->setToolTip(tip);
    }
}

QString KeyHeatmap::weakestKeys(int count) const {
    QList<std::pair<double, int>> rates; // miss rate, key index
    for (const int index : KeyTable::keyIndices())
        if (stats_.key(index).missed > 0)
            rates.append({stats_.key(index).missRate(), index});
    std::stable_sort(rates.begin(), rates.end(),
                     [](const auto& a, const auto& b) { return a.first > b.first; });
    if (rates.isEmpty())
        return QStringLiteral("最近的练习中没有失误的键。");
    QStringList lines{QStringLiteral("失误最多的键：")};
    for (qsizetype i = 0; i < std::min<qsizetype>(count, rates.size()); ++i) {
        const KeyStats::Key& key = stats_.key(rates[i].second);
        QString line = QStringLiteral("%1  %2%（%3 次中 %4 次）")
                           .arg(KeyStats::keyName(rates[i].second))
                           .arg(std::lround(rates[i].first * 100))
                           .arg(key.shown)
                           .arg(key.missed);
        if (const auto wrong = key.mostWrong(); !wrong.isEmpty())
            line += QStringLiteral("，常按成 ") + KeyStats::keyName(wrong.first().first);
        lines << line;
    }
    return lines.join(QLatin1Char('\n'));
}

QString KeyHeatmap::toolTip(int keyIndex, const KeyStats::Key& key) {
    QString tip = QStringLiteral("%1 键：出现 %2 次，一次击中 %3%")
                      .arg(KeyStats::keyName(keyIndex))
                      .arg(key.shown)
                      .arg(std::lround(100.0 * (key.shown - key.missed) / key.shown));
    if (key.medianMs >= 0)
        tip += QStringLiteral("，中位用时 %1 毫秒").arg(key.medianMs);
    const QList<std::pair<int, int>> wrong = key.mostWrong();
    QStringList often;
    for (qsizetype i = 0; i < std::min<qsizetype>(3, wrong.size()); ++i)
        often << QStringLiteral("%1（%2 次）")
                     .arg(KeyStats::keyName(wrong[i].first))
                     .arg(wrong[i].second);
    if (!often.isEmpty())
        tip += QStringLiteral("\n常按成 ") + often.join(QStringLiteral("、"));
    if (key.shiftSlips > 0)
        tip += QStringLiteral("\nShift 按错 %1 次").arg(key.shiftSlips);
    return tip;
}
