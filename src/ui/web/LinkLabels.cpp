#include "web/LinkLabels.h"

#include "look/SongFont.h"
#include "platform/Shell.h"

#include <QLabel>
#include <QMouseEvent>

namespace {

int px(int twips) {
    return (twips + 7) / 15;
}

} // namespace

LinkLabels::LinkLabels(Shell& shell, const WebAddresses& addresses, QWidget* parent)
    : QWidget(parent), shell_(shell) {
    resize(px(widthTwips), px(heightTwips));

    const std::array<QString, 2> captions{QStringLiteral("官方网站:"), QStringLiteral("练习资料:")};
    const std::array<QString, 2> targets{addresses.homePage().toString(),
                                         addresses.materialPage().toString()};
    const std::array<QString, 2> tips{QStringLiteral("访问 Keyvora 官方网站"),
                                      QStringLiteral("下载更多打字练习资料")};
    const int rowHeight = px(255);
    const int rowStep = px(330);
    const int captionWidth = px(870);

    for (int i = 0; i < 2; ++i) {
        Label2[i] = new QLabel(captions[i], this);
        Label2[i]->setFont(SongFont::make(9, true));
        Label2[i]->setGeometry(0, i * rowStep, captionWidth, rowHeight);
        Label2[i]->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);

        Label10[i] = new QLabel(targets[i], this);
        Label10[i]->setFont(SongFont::make(9));
        Label10[i]->setGeometry(captionWidth, i * rowStep, width() - captionWidth, rowHeight);
        Label10[i]->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        Label10[i]->setCursor(Qt::PointingHandCursor);
        Label10[i]->setToolTip(tips[i]);
        Label10[i]->installEventFilter(this);
        paintLink(Label10[i], false);
    }
}

void LinkLabels::resetLinks() {
    for (QLabel* label : Label10)
        paintLink(label, false);
}

void LinkLabels::paintLink(QLabel* label, bool hovered) {
    QPalette colours = label->palette();
    colours.setColor(QPalette::WindowText, hovered ? hoverColour() : linkColour());
    label->setPalette(colours);
    QFont font = label->font();
    font.setUnderline(hovered);
    label->setFont(font);
}

bool LinkLabels::eventFilter(QObject* watched, QEvent* event) {
    for (QLabel* label : Label10) {
        if (watched != label)
            continue;
        if (event->type() == QEvent::Enter || event->type() == QEvent::MouseMove) {
            paintLink(label, true);
        } else if (event->type() == QEvent::MouseButtonRelease) {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            if (mouse->button() == Qt::LeftButton &&
                label->rect().contains(mouse->position().toPoint())) {
                shell_.openAddress(label->text().trimmed());
                return true;
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}
