#pragma once

#include <QObject>
#include <QString>

// The falling character `xialuozifu`: what it shows and where, in twips inside the practice
// area. The view draws it; target choice, the fall and Stop change it.
class FallingLabel : public QObject {
    Q_OBJECT
public:
    explicit FallingLabel(QObject* parent = nullptr) : QObject(parent) {}

    const QString& caption() const { return caption_; }
    double left() const { return left_; }
    double top() const { return top_; }
    double fontPoints() const { return fontPoints_; }

    void setCaption(const QString& caption);
    void setLeft(double left);
    void setTop(double top);
    void setFontPoints(double points);

signals:
    void changed();

private:
    QString caption_;
    double left_ = 4740;
    double top_ = 0;
    double fontPoints_ = 42;
};
