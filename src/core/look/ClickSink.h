#pragma once

#include <QEvent>
#include <QObject>

// An event filter that takes every mouse click of the widgets it watches, so that a click on a
// display-only control does nothing and never reaches the window behind it (whose right click
// opens the file menu).
class ClickSink : public QObject {
public:
    using QObject::QObject;

    bool eventFilter(QObject* watched, QEvent* event) override {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
            return true;
        default:
            return QObject::eventFilter(watched, event);
        }
    }
};
