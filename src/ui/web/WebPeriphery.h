#pragma once

#include "web/NewsPopupTimer.h"
#include "web/WebAddresses.h"
#include "web/WebPage.h"
#include "web/WebStrip.h"

#include <QObject>
#include <QPointer>

#include "web/NewsPopup.h"

class ConnectionCheck;
class HostLookup;
class LinkLabels;
class QWidget;
class Shell;
class WebStripPanel;
struct Platform;

// The maker's corner of the main window: the web strip at the bottom, the two link labels at
// the lower left and the news pop-up. None of it ever waits for the network or takes the
// keyboard from practice.
class WebPeriphery : public QObject {
    Q_OBJECT
public:
    WebPeriphery(QWidget* window, const Platform& platform,
                 WebAddresses addresses = WebAddresses());

    // Starts the strip's and the pop-up's timers.
    void start();
    // The pointer moved over the window's background: both links turn blue again.
    void resetLinks();
    // The main window is going away: the pop-up goes with it at once.
    void closePopup();

    WebStrip& strip() { return strip_; }
    NewsPopupTimer& popupTimer() { return popupTimer_; }
    // The strip's panel, built (hidden) when a page the strip will show has loaded, or when
    // first asked for.
    WebStripPanel* stripPanel();
    LinkLabels* links() const { return links_; }
    NewsPopup* popup() const { return popup_; }

private:
    void loadPopup();

    QWidget* window_;
    Shell& shell_;
    ConnectionCheck& connection_;
    WebAddresses addresses_;
    WebPage stripPage_;
    WebStrip strip_;
    NewsPopupTimer popupTimer_;
    HostLookup* hostLookup_;
    WebStripPanel* stripPanel_ = nullptr;
    LinkLabels* links_ = nullptr;
    QPointer<NewsPopup> popup_;
};
