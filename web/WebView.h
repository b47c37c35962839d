#pragma once

#include <QTextBrowser>

class Shell;
class WebPage;

// Shows the HTML of a WebPage. Links open in the user's browser through the shell; the view
// itself never fetches anything (no pictures, no style sheets), so a page cannot make it read
// local files or reach the network.
class WebView : public QTextBrowser {
    Q_OBJECT
public:
    WebView(WebPage& page, Shell& shell, QWidget* parent = nullptr);

    QVariant loadResource(int type, const QUrl& name) override;

private:
    void showPage();
    void openLink(const QUrl& link);

    WebPage& page_;
    Shell& shell_;
};
