#include "dialog/web/web_view.h"

namespace corvane {

const WebView::Control* WebView::find(int id) const {
    const auto found = controls_.find(id);
    return found == controls_.end() ? nullptr : &found->second;
}

void WebView::tell(std::string_view op, int id, Json values) {
    values["t"] = "view";
    values["op"] = op;
    values["id"] = id;
    page_.post(values);
}

void WebView::setWindowTitle(std::string_view title) { page_.post({{"t", "view"}, {"op", "title"}, {"text", title}}); }

void WebView::setText(int id, std::string_view text) {
    controls_[id].text = text;
    tell("text", id, {{"text", text}});
}

std::string WebView::text(int id) const {
    const Control* control = find(id);
    return control ? control->text : std::string();
}

void WebView::setChecked(int id, bool on) {
    controls_[id].checked = on;
    tell("checked", id, {{"on", on}});
}

bool WebView::isChecked(int id) const {
    const Control* control = find(id);
    return control && control->checked;
}

void WebView::setEnabled(int id, bool enabled) {
    controls_[id].enabled = enabled;
    tell("enabled", id, {{"on", enabled}});
}

bool WebView::isEnabled(int id) const {
    const Control* control = find(id);
    return !control || control->enabled;
}

void WebView::appendListEntry(int id, std::string_view text) {
    controls_[id].entries.emplace_back(text);
    tell("entries", id, {{"entries", controls_[id].entries}});
}

void WebView::setListEntry(int id, int index, std::string_view text) {
    std::vector<std::string>& entries = controls_[id].entries;
    if (index < 1 || index > static_cast<int>(entries.size())) return;
    entries[static_cast<std::size_t>(index - 1)] = text;
    tell("entries", id, {{"entries", entries}});
}

void WebView::setListCount(int id, int count) {
    Control& control = controls_[id];
    control.entries.resize(static_cast<std::size_t>(std::max(count, 0)));
    if (control.selection > count) control.selection = 0;
    tell("entries", id, {{"entries", control.entries}, {"selection", control.selection}});
}

int WebView::listSelection(int id) const {
    const Control* control = find(id);
    return control ? control->selection : 0;
}

void WebView::setListSelection(int id, int index) {
    Control& control = controls_[id];
    control.selection = index >= 1 && index <= static_cast<int>(control.entries.size()) ? index : 0;
    tell("selection", id, {{"selection", control.selection}});
}

void WebView::takeUserChange(const Json& change) {
    if (const auto checked = change.find("checked"); checked != change.end()) {
        for (const auto& [id, on] : checked->items()) controls_[std::stoi(id)].checked = on.get<bool>();
    }
    const int id = change.value("id", 0);
    if (const auto text = change.find("text"); text != change.end()) controls_[id].text = text->get<std::string>();
    if (const auto selection = change.find("selection"); selection != change.end()) {
        Control& control = controls_[id];
        const int index = selection->get<int>();
        control.selection = index >= 1 && index <= static_cast<int>(control.entries.size()) ? index : 0;
    }
}

}  // namespace corvane
