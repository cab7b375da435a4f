// The page of the HTML viewer's view: it reports every document the view is about to retrieve
// by itself (a followed link, a form, a redirection, a script) and lets the retrieval proceed.
#pragma once

#include <QUrl>
#include <QWebEnginePage>

namespace net {

class WebNavPage : public QWebEnginePage {
    Q_OBJECT
public:
    explicit WebNavPage(QObject *parent = nullptr) : QWebEnginePage(parent) {}

signals:
    /// The view is about to retrieve \a url in its main frame on its own initiative.
    void documentRequested(const QUrl &url);

protected:
    bool acceptNavigationRequest(const QUrl &url, NavigationType type, bool isMainFrame) override;
};

} // namespace net
