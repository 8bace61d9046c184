#include "dialog/qt/dialog_session.h"

namespace corvane {

DialogSession::DialogSession(DialogPlatform& platform)
    : controller_(state_, file_, dialog_, platform, console_) {
    dialog_.setActionHandler([this](int id) { controller_.onControl(id); });
    controller_.start();
}

}  // namespace corvane
