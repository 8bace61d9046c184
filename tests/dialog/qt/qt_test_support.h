#pragma once
// Support for the tests that drive the real Qt windows on Qt's offscreen
// platform: the application object, a platform whose file dialog, editor and
// message boxes are scripted, and helpers to act on the open modal window.

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "dialog/control_ids.h"
#include "dialog/qt/dialog_session.h"
#include "dialog/qt/qt_platform.h"
#include "dialog/qt/template_widgets.h"
#include "../../support/recording_messages.h"

namespace corvane::testing {

// The Qt windows but a scripted file dialog, a recorded editor and recorded
// messages, so that nothing waits for a user.
class ScriptedQtPlatform : public QtPlatform {
public:
    RecordingMessages recorded;
    std::deque<std::optional<std::string>> fileAnswers;
    std::vector<std::string> edited;

    MessageService& messages() override { return recorded; }
    std::optional<std::string> chooseFile(const FileRequest&) override {
        if (fileAnswers.empty()) return std::nullopt;
        std::optional<std::string> answer = fileAnswers.front();
        fileAnswers.pop_front();
        return answer;
    }
    void editFile(const std::string& path) override { edited.push_back(path); }
};

template <typename Widget = QWidget>
Widget* controlOf(QWidget& dialog, int id) {
    return dialog.findChild<Widget*>(controlObjectName(id));
}

inline std::string fileText(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return file.readAll().toStdString();
}

inline void writeText(const QString& path, const std::string& text) {
    QFile file(path);
    file.open(QIODevice::WriteOnly | QIODevice::Truncate);
    file.write(text.data(), static_cast<qint64>(text.size()));
}

// Runs `inspect` on the modal window once it is open, then closes it; the
// window is opened by `open`, which returns when it has been closed.
inline void whileModalOpen(const std::function<void()>& open, const std::function<void(QWidget&)>& inspect) {
    bool seen = false;
    QTimer::singleShot(0, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr) return;
        seen = true;
        inspect(*modal);
        if (modal->isVisible()) QTest::keyClick(modal, Qt::Key_Escape);
    });
    open();
    EXPECT_TRUE(seen) << "no modal window was opened";
}

// Waits until the Read or SOLVE running off the dialog's thread has ended
// and its end has reached the dialog; false when it did not within a minute.
inline bool runEnded(QtPlatform& platform) {
    return QTest::qWaitFor([&] { return !platform.runner().running(); }, 60000);
}

inline void clickEntry(QListWidget& list, int row) {
    QRect item = list.visualItemRect(list.item(row));
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, item.center());
}

// A click on a control of the dialog, and the end of the Read or SOLVE it started.
inline void clickAndWait(QWidget& dialog, QtPlatform& platform, int id) {
    QTest::mouseClick(controlOf(dialog, id), Qt::LeftButton);
    EXPECT_TRUE(runEnded(platform));
}

// The dialog shown, then a data file of this content, written in
// `directory`, chosen with Selecteaza and read with Citeste.
inline void showAndRead(QWidget& dialog, ScriptedQtPlatform& platform, const QTemporaryDir& directory,
                        const QString& name, const std::string& content) {
    dialog.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    const QString data = directory.filePath(name);
    writeText(data, content);
    platform.fileAnswers.push_back(data.toStdString());
    clickAndWait(dialog, platform, control::kSelect);
    clickAndWait(dialog, platform, control::kRead);
}

}  // namespace corvane::testing
