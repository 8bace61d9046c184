#pragma once
// The main dialog as the page shows it. The worker keeps every control's
// state here, so that the controller reads it at once; each change the
// controller makes is passed on to the page, and each change the user makes
// on the page comes back here before the controller hears of the action.

#include <map>
#include <string>
#include <vector>

#include "dialog/dialog_view.h"
#include "dialog/web/page_channel.h"

namespace corvane {

class WebView : public DialogView {
public:
    explicit WebView(PageChannel& page) : page_(page) {}

    void setWindowTitle(std::string_view title) override;
    void setText(int id, std::string_view text) override;
    std::string text(int id) const override;
    void setChecked(int id, bool on) override;
    bool isChecked(int id) const override;
    void setEnabled(int id, bool enabled) override;
    bool isEnabled(int id) const override;
    void appendListEntry(int id, std::string_view text) override;
    void setListEntry(int id, int index, std::string_view text) override;
    void setListCount(int id, int count) override;
    int listSelection(int id) const override;
    void setListSelection(int id, int index) override;

    // What the user did to a control on the page, before its action: the
    // on/off states of a radio group's buttons, an edit's text, a list's
    // selection. Nothing is passed back to the page, which shows it already.
    void takeUserChange(const Json& change);

private:
    struct Control {
        std::string text;
        bool checked = false;
        bool enabled = true;
        std::vector<std::string> entries;
        int selection = 0;
    };
    const Control* find(int id) const;
    void tell(std::string_view op, int id, Json values);

    PageChannel& page_;
    std::map<int, Control> controls_;
};

}  // namespace corvane
