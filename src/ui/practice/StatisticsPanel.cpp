#include "practice/StatisticsPanel.h"

#include "look/SongFont.h"
#include "look/Twips.h"
#include "practice/FigureLabel.h"
#include "practice/LevelsAndTotals.h"
#include "practice/StatisticsTicker.h"
#include "run/RunClock.h"
#include "settings/NumberText.h"
#include "settings/Options.h"

#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QMouseEvent>

namespace {

struct Caption {
    int index;
    const char* text;
    int left, top, width, height;
};

// Captions and units: black 10.5 pt bold unless noted in the constructor.
const Caption captions[] = {
    {13, "测试项目", 780, 60, 1155, 255}, {0, "练习级别:", 180, 660, 1155, 255},
    {8, "级", 2220, 660, 255, 315},       {1, "字符总数:", 120, 1300, 1395, 315},
    {9, "个", 2220, 1260, 255, 315},      {2, "计   数:", 180, 2000, 1275, 315},
    {19, "个", 2220, 1980, 255, 315},     {3, "击中个数:", 180, 2700, 1395, 315},
    {22, "个", 2220, 2700, 255, 315},     {4, "正 确 率:", 180, 3400, 1395, 315},
    {15, "%", 2280, 3420, 195, 315},      {6, "用   时:", 180, 4100, 1095, 315},
    {5, "分", 1560, 4080, 255, 315},      {12, "秒", 2040, 4080, 255, 315},
    {14, "0", 2340, 4020, 255, 315},      {7, "打字速度:", 120, 4800, 1395, 315},
    {16, "个/分", 1860, 4800, 675, 315},
};

struct Figure {
    int index;
    int left, top, width, height;
};

const Figure figures[] = {
    {0, 1200, 660, 915, 255},  {1, 1140, 1260, 1035, 255}, {3, 1140, 1980, 1035, 255},
    {4, 1200, 2700, 975, 255}, {5, 1200, 3420, 975, 255},  {6, 1080, 4080, 495, 255},
    {2, 1800, 4080, 255, 255}, {7, 1140, 4800, 675, 255},
};

} // namespace

StatisticsPanel::StatisticsPanel(QWidget* window, const PracticeState& state,
                                 const StatisticsTicker& ticker)
    : QObject(window), state_(state) {
    // The group box's own title lies beneath the green caption of the same words.
    frame1_ = new QGroupBox(QStringLiteral("测试项目"), window);
    frame1_->setObjectName(QStringLiteral("Frame1"));
    frame1_->setFont(SongFont::make(14.25, true));
    frame1_->setAutoFillBackground(true);
    frame1_->setGeometry(Twips::rect(600, 1500, 2655, 5415));
    frame1_->setMouseTracking(true);
    frame1_->installEventFilter(this);

    // The labels of the panel stand on the colour of title-bar text, as on the classic desktop.
    const QColor background = frame1_->palette().color(QPalette::HighlightedText);
    const auto paint = [&background](QLabel* label, const QColor& text) {
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, text);
        palette.setColor(QPalette::Window, background);
        label->setPalette(palette);
        label->setAutoFillBackground(true);
    };
    // The figures and the clock's tenths change during a run, up to ten times a second.
    for (const Caption& c : captions) {
        QLabel* label = c.index == 14 ? new FigureLabel(QString::fromUtf8(c.text), frame1_)
                                      : new QLabel(QString::fromUtf8(c.text), frame1_);
        label->setObjectName(QStringLiteral("Label2_%1").arg(c.index));
        label->setGeometry(Twips::rect(c.left, c.top, c.width, c.height));
        QColor colour = Qt::black;
        double points = 10.5;
        if (c.index == 13) {
            colour = QColor(0, 192, 0);
            points = 12;
        } else if (c.index == 14) {
            colour = QColor(0, 192, 192);
            points = 14.25;
        }
        label->setFont(SongFont::make(points, true));
        paint(label, colour);
        label2_.insert(c.index, label);
    }
    for (const Figure& f : figures) {
        auto* label = new FigureLabel(frame1_);
        label->setObjectName(QStringLiteral("Label3_%1").arg(f.index));
        label->setGeometry(Twips::rect(f.left, f.top, f.width, f.height));
        label->setFont(SongFont::make(12, true));
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        paint(label, Qt::magenta);
        label3_.insert(f.index, label);
    }

    // Until the first tick the figures show a bare 0.
    for (StatLabel which :
         {StatLabel::Count, StatLabel::Hits, StatLabel::Accuracy, StatLabel::Speed})
        show(which, QStringLiteral("0"));
    showLevel();
    showTotal();
    showClock();
    connect(&state_.options(), &Options::levelChanged, this, &StatisticsPanel::showLevel);
    connect(&state_.options(), &Options::totalChanged, this, &StatisticsPanel::showTotal);
    connect(&state_, &PracticeState::elapsedChanged, this, &StatisticsPanel::showClock);
    connect(&ticker, &StatisticsTicker::ticked, this, &StatisticsPanel::showFigures);
}

QLabel* StatisticsPanel::labelFor(StatLabel which) const {
    if (which == StatLabel::Tenths)
        return label2_.value(14);
    return label3_.value(int(which));
}

QString StatisticsPanel::text(StatLabel which) const {
    const QLabel* label = labelFor(which);
    return label ? label->text() : QString();
}

void StatisticsPanel::show(StatLabel which, const QString& text) {
    // A label repaints only when its text really changes.
    if (QLabel* label = labelFor(which))
        label->setText(text);
}

void StatisticsPanel::showLevel() {
    show(StatLabel::Level, LevelsAndTotals::levelText(state_.options()));
}

void StatisticsPanel::showTotal() {
    show(StatLabel::Total, LevelsAndTotals::totalText(state_.options()));
}

void StatisticsPanel::showClock() {
    const RunClock::Reading clock = RunClock::reading(state_.elapsed());
    show(StatLabel::Minutes, NumberText::twoDigits(clock.minutes));
    show(StatLabel::Seconds, NumberText::twoDigits(clock.seconds));
    show(StatLabel::Tenths, QString::number(clock.tenths));
}

// A step that cannot be computed (nothing counted yet, a total of 0 as divisor, no time on the
// clock) leaves its label as it was, and the remaining steps still run.
void StatisticsPanel::showFigures() {
    using NumberText::roundHalfEven;
    using NumberText::signedText;

    const int jishu = state_.jishu();
    const int jizhong = state_.jizhong();
    const double total = state_.total();
    const bool withinTotal = jishu <= total;

    // The count shown never exceeds the total: past it, the total's own text is shown.
    show(StatLabel::Count,
         withinTotal ? signedText(jishu) : LevelsAndTotals::totalText(state_.options()));
    show(StatLabel::Hits, signedText(jizhong));

    // `jishu` counts from 1, so during a run the divisor is one more than the characters dealt
    // with; once the run is complete the total is the divisor and a faultless run shows 100.
    if (jishu != 0) {
        const double divisor = withinTotal ? jishu : total;
        if (divisor != 0)
            show(StatLabel::Accuracy, signedText(roundHalfEven(jizhong / divisor * 100)));
    }

    // The speed is taken over the time the clock shows, to the tenth of a second.
    const double minutes = RunClock::reading(state_.elapsed()).inMinutes();
    if (minutes != 0)
        show(StatLabel::Speed, signedText(roundHalfEven(jizhong / minutes)));
}

bool StatisticsPanel::eventFilter(QObject* watched, QEvent* event) {
    if (watched == frame1_) {
        // The panel's own handlers end here: the window surface behind would open the menu a
        // second time, and its pointer handler also resets the link labels.
        if (event->type() == QEvent::MouseMove) {
            emit hovered();
            return true;
        }
        if (event->type() == QEvent::MouseButtonRelease) {
            auto* mouse = static_cast<QMouseEvent*>(event);
            if (mouse->button() == Qt::RightButton) {
                emit contextMenuRequested(mouse->globalPosition().toPoint());
                return true;
            }
        }
    }
    return QObject::eventFilter(watched, event);
}
