#include "keyboard/DisplayStyles.h"

#include "settings/Options.h"

DisplayStyles::DisplayStyles(Options& options, QObject* parent)
    : QObject(parent), options_(options) {}

QString DisplayStyles::titleText(const QString& caption) {
    return caption.mid(5, caption.size() - 9);
}

void DisplayStyles::choose(int index) {
    if (index < 0 || index >= Options::styleCount || index == Options::styleSeparator)
        return;
    options_.setFengge(index);
    const bool shown = index < Options::styleSeparator;
    if (shown != keyboardShown_) {
        keyboardShown_ = shown;
        emit keyboardShownChanged(shown);
    }
    const QString banner =
        QStringLiteral("Keyvora-") + titleText(Options::styleCaptions().at(index));
    if (banner != banner_) {
        banner_ = banner;
        emit bannerChanged(banner_);
    }
}
