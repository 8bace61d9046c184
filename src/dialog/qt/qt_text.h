#pragma once
// The program's texts (UTF-8) as Qt takes them, and the named buttons of the
// windows beside the dialog.

#include <QPushButton>
#include <QString>
#include <string_view>

namespace corvane {

inline QString toQt(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

// A push button with this caption, found by tests under `objectName`.
inline QPushButton* namedButton(std::string_view caption, const char* objectName) {
    auto* button = new QPushButton(toQt(caption));
    button->setObjectName(QString::fromLatin1(objectName));
    return button;
}

}  // namespace corvane
