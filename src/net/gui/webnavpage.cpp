#include "net/gui/webnavpage.h"

namespace net {

bool WebNavPage::acceptNavigationRequest(const QUrl &url, NavigationType type, bool isMainFrame)
{
    // Addresses the window asks for itself are in the history already, as they were typed.
    if (isMainFrame && type != NavigationTypeTyped && type != NavigationTypeReload)
        emit documentRequested(url);
    return true;
}

} // namespace net
