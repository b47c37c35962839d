#include "web/WebPeriphery.h"

#include "look/Twips.h"
#include "platform/Platform.h"
#include "web/LinkLabels.h"
#include "web/NewsPopup.h"
#include "web/WebStripPanel.h"
#include "web/WebView.h"

#include <QDate>
#include <QWidget>

WebPeriphery::WebPeriphery(QWidget* window, const Platform& platform, WebAddresses addresses)
    : QObject(window), window_(window), shell_(*platform.shell), connection_(*platform.connection),
      addresses_(std::move(addresses)), stripPage_(this),
      strip_(
          *platform.connection, stripPage_, platform.data, addresses_.base(),
          QStringLiteral("keyvora"), [] { return QDate::currentDate(); }, this),
      popupTimer_(*platform.connection, *platform.random, this), hostLookup_(platform.hostLookup) {
    stripPage_.setHostLookup(hostLookup_);
    strip_.setClock(platform.clock);
    popupTimer_.setClock(platform.clock);
    links_ = new LinkLabels(shell_, addresses_, window);
    links_->move(Twips::px(LinkLabels::suggestedLeftTwips),
                 Twips::px(LinkLabels::suggestedTopTwips));

    // The panel is built only for a page the strip will show: its text view alone holds about
    // a megabyte (the rich-text machinery, and the fallback font it lays an empty document out
    // in), and offline, without the maker's site or with a page that does not scroll, the strip
    // never appears. The page is shown the moment it has loaded, pictures and all, seconds
    // before the strip's sequence reveals it.
    connect(&stripPage_, &WebPage::loaded, this, [this] {
        if (strip_.pageCanShow())
            stripPanel();
    });
    connect(&popupTimer_, &NewsPopupTimer::loadRequested, this, &WebPeriphery::loadPopup);
    connect(&popupTimer_, &NewsPopupTimer::showRequested, this, [this] {
        if (popup_)
            popup_->show();
    });
}

void WebPeriphery::start() {
    strip_.start();
    popupTimer_.start();
}

WebStripPanel* WebPeriphery::stripPanel() {
    if (!stripPanel_) {
        stripPanel_ = new WebStripPanel(strip_, stripPage_, shell_, window_);
        stripPanel_->webView()->setConnection(&connection_);
        stripPanel_->move(Twips::px(WebStripPanel::suggestedLeftTwips),
                          Twips::px(WebStripPanel::suggestedTopTwips));
        // Should the strip ever be further than the panel, the panel catches up.
        if (strip_.count() >= 11)
            stripPanel_->layOut();
        stripPanel_->setVisible(strip_.isStripVisible());
        // A view made after its page loaded has missed the news: show what the page holds.
        if (!stripPage_.isBusy() && !stripPage_.url().isEmpty())
            stripPanel_->webView()->showPage();
    }
    return stripPanel_;
}

void WebPeriphery::resetLinks() {
    links_->resetLinks();
}

void WebPeriphery::loadPopup() {
    if (!popup_) {
        popup_ = new NewsPopup(shell_, window_);
        popup_->page().setHostLookup(hostLookup_);
        popup_->webView()->setConnection(&connection_);
    }
    popupTimer_.watch(&popup_->page());
    popup_->load(addresses_.popupPage());
}

void WebPeriphery::closePopup() {
    if (popup_) {
        popup_->hide();
        popup_->deleteLater();
    }
}
