#include "dialog/qt/run_dialog.h"

#include <QApplication>
#include <cstdio>
#include <cstdlib>

#include "dialog/qt/dialog_session.h"
#include "dialog/qt/program_icon.h"
#include "dialog/qt/qt_platform.h"

namespace corvane {
namespace {

// Without a display (and no platform chosen) the toolkit cannot start; say so
// instead of letting it abort.
bool displayAvailable() {
    auto set = [](const char* name) {
        const char* value = std::getenv(name);
        return value != nullptr && *value != '\0';
    };
    return set("DISPLAY") || set("WAYLAND_DISPLAY") || set("QT_QPA_PLATFORM");
}

}  // namespace

int runDialog(int argc, char** argv) {
    if (!displayAvailable()) {
        std::fputs("Error initializing application Corvane: no display\n", stderr);
        return 1;
    }
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Corvane"));
    QApplication::setWindowIcon(programIcon());
    QtPlatform platform;
    DialogSession session(platform);
    QObject::connect(&session.dialog(), &QDialog::finished, &application, [] { QApplication::exit(0); });
    session.dialog().show();
    return QApplication::exec();
}

}  // namespace corvane
