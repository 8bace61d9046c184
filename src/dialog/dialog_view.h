#pragma once
// The main dialog as the controller sees it: controls addressed by their ids.
// Changes made through this interface never notify the controller; only the
// user's actions do.

#include <string>
#include <string_view>

namespace corvane {

class DialogView {
public:
    virtual ~DialogView() = default;

    virtual void setWindowTitle(std::string_view title) = 0;

    // Caption of a button, frame or label; content of an edit field.
    virtual void setText(int id, std::string_view text) = 0;
    virtual std::string text(int id) const = 0;

    // On/off state of a radio button, check box or push-like button.
    virtual void setChecked(int id, bool on) = 0;
    virtual bool isChecked(int id) const = 0;

    virtual void setEnabled(int id, bool enabled) = 0;
    virtual bool isEnabled(int id) const = 0;

    // List boxes; entries and the selection are numbered from 1, 0 = none.
    virtual void appendListEntry(int id, std::string_view text) = 0;
    virtual void setListEntry(int id, int index, std::string_view text) = 0;
    virtual void setListCount(int id, int count) = 0;
    virtual int listSelection(int id) const = 0;
    virtual void setListSelection(int id, int index) = 0;
};

}  // namespace corvane
