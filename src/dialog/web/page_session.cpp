#include "dialog/web/page_session.h"

#include "dialog/web/page_layouts.h"

namespace corvane {

PageSession::PageSession(PageChannel& page)
    : page_(page), view_(page), platform_(page), controller_(state_, file_, view_, platform_, console_) {}

void PageSession::start() {
    page_.post({{"t", "layouts"}, {"layouts", dialogLayouts()}});
    controller_.start();
    page_.post({{"t", "started"}});
}

void PageSession::handle(const Json& event) {
    const std::string kind = event.value("kind", "");
    if (kind == "control") {
        view_.takeUserChange(event);
        controller_.onControl(event.value("id", 0));
    } else if (kind == "close") {
        if (controller_.mayClose()) page_.post({{"t", "ended"}});
    } else if (kind == "explorerStop") {
        platform_.stopOmegaExplorer();
    } else if (kind == "explorerUse") {
        platform_.useExplorerOmega(event.value("row", std::size_t{0}));
    } else if (kind == "explorerPastGrowth") {
        platform_.explorePastGrowth(event.value("on", false));
    } else if (kind == "step") {
        platform_.showStep(event.value("index", std::size_t{0}));
    }
    page_.syncFiles();
}

}  // namespace corvane
