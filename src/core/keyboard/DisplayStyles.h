#pragma once

#include <QObject>
#include <QString>

class Options;

// The display style: whether the practice area shows the drawn keyboard or the falling
// character, and the title banner that names the style. The style itself is held by the
// options model.
class DisplayStyles : public QObject {
    Q_OBJECT
public:
    explicit DisplayStyles(Options& options, QObject* parent = nullptr);

    // The style menu's handler. An index that names no style (the separator 4, or beyond 11,
    // which only a damaged settings file can send) changes nothing.
    void choose(int index);

    bool keyboardShown() const { return keyboardShown_; }
    const QString& banner() const { return banner_; }

    // The caption without its five-character prefix and its four-character access-key suffix.
    static QString titleText(const QString& caption);

signals:
    void keyboardShownChanged(bool shown);
    void bannerChanged(const QString& banner);

private:
    Options& options_;
    bool keyboardShown_ = true;
    QString banner_ = QStringLiteral("K e y v o r a");
};
