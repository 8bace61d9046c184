#include "dialog/qt/dialog_session.h"

namespace corvane {

DialogSession::DialogSession(DialogPlatform& platform)
    : platform_(platform), controller_(state_, file_, dialog_, platform, console_) {
    dialog_.setActionHandler([this](int id) { controller_.onControl(id); });
    dialog_.setCloseGuard([this] { return controller_.mayClose(); });
    controller_.start();
}

DialogSession::~DialogSession() { platform_.stopRunAndWait(); }

}  // namespace corvane
