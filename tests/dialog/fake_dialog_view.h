#pragma once
// The main dialog without a window: every addressed control of the main
// template with its text, on/off state, enabled flag and list entries. A use
// of an id the template does not have fails the test.

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

#include "dialog/dialog_templates.h"
#include "dialog/dialog_view.h"

namespace corvane::testing {

class FakeDialogView : public DialogView {
public:
    struct Control {
        ControlKind kind = ControlKind::Label;
        std::string text;
        bool checked = false;
        bool enabled = true;
        std::vector<std::string> entries;
        int selection = 0;
    };

    FakeDialogView() {
        for (const ControlTemplate& c : mainDialogTemplate().controls) {
            if (c.id < 0) continue;
            Control& control = controls_[c.id];
            control.kind = c.kind;
            control.text = c.text;
        }
    }

    // What the toolkit does when the user clicks a button: a radio button
    // turns on and the others of its group off; a check box toggles.
    void pressByUser(int id) {
        Control& c = at(id);
        if (c.kind == ControlKind::CheckBox) {
            c.checked = !c.checked;
            return;
        }
        if (c.kind != ControlKind::RadioButton && c.kind != ControlKind::PushLikeRadioButton) return;
        for (std::span<const int> group : mainDialogTemplate().radioGroups) {
            if (std::find(group.begin(), group.end(), id) == group.end()) continue;
            for (int other : group) at(other).checked = other == id;
        }
    }

    std::string windowTitle;

    void setWindowTitle(std::string_view title) override { windowTitle = title; }
    void setText(int id, std::string_view text) override { at(id).text = text; }
    std::string text(int id) const override { return at(id).text; }
    void setChecked(int id, bool on) override { at(id).checked = on; }
    bool isChecked(int id) const override { return at(id).checked; }
    void setEnabled(int id, bool enabled) override { at(id).enabled = enabled; }
    bool isEnabled(int id) const override { return at(id).enabled; }
    void appendListEntry(int id, std::string_view text) override { list(id).entries.emplace_back(text); }
    void setListEntry(int id, int index, std::string_view text) override {
        Control& c = list(id);
        if (index >= 1 && index <= static_cast<int>(c.entries.size())) c.entries[index - 1] = text;
    }
    void setListCount(int id, int count) override { list(id).entries.resize(static_cast<std::size_t>(count)); }
    int listSelection(int id) const override { return at(id).selection; }
    void setListSelection(int id, int index) override { list(id).selection = index; }

    const std::vector<std::string>& entries(int id) const { return at(id).entries; }

private:
    Control& at(int id) {
        auto found = controls_.find(id);
        if (found == controls_.end()) throw std::out_of_range("no control " + std::to_string(id));
        return found->second;
    }
    const Control& at(int id) const { return const_cast<FakeDialogView*>(this)->at(id); }
    Control& list(int id) {
        Control& c = at(id);
        EXPECT_EQ(c.kind, ControlKind::ListBox) << "control " << id << " is not a list";
        return c;
    }

    std::map<int, Control> controls_;
};

}  // namespace corvane::testing
