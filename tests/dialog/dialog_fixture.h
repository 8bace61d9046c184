#pragma once
// A started main dialog without a window, and the user's actions on it.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "dialog/control_ids.h"
#include "dialog/dialog_controller.h"
#include "dialog/fake_dialog_view.h"
#include "dialog/scripted_platform.h"
#include "support/cli_runner.h"

namespace corvane::testing {

class DialogTest : public ::testing::Test {
protected:
    DialogTest() { controller.start(); }

    // A click on a button, radio button or check box.
    void click(int id) {
        ASSERT_TRUE(view.isEnabled(id)) << "control " << id << " is disabled";
        view.pressByUser(id);
        controller.onControl(id);
    }
    // A choice in a list box (1-based; 0 clears the selection).
    void choose(int listId, int index) {
        ASSERT_TRUE(view.isEnabled(listId)) << "list " << listId << " is disabled";
        view.setListSelection(listId, index);
        controller.onControl(listId);
    }
    void type(int editId, const std::string& text) {
        ASSERT_TRUE(view.isEnabled(editId)) << "field " << editId << " is disabled";
        view.setText(editId, text);
        controller.onControl(editId);
    }

    // Selecteaza with the user picking `path`.
    void select(const std::string& path) {
        platform.fileAnswers.push_back(path);
        click(control::kSelect);
    }
    // A data file with this content in a fresh directory, chosen and read.
    std::string selectAndRead(const std::string& name, const std::string& content) {
        std::string path = scratchDirectory("dialog-" + name) + "/" + name;
        writeFile(path, content);
        select(path);
        click(control::kRead);
        return path;
    }

    bool enabled(int id) const { return view.isEnabled(id); }
    bool on(int id) const { return view.isChecked(id); }

    ProblemState state;
    ResultsFile file;
    FakeDialogView view;
    ScriptedPlatform platform;
    StringSink console;
    DialogController controller{state, file, view, platform, console};
};

// Three equations whose solution is (1, 2, 3).
inline constexpr const char* kSystem3 = "Sistem 3 x 3\r\n3 1\r\n 4 -2 1\r\n 3 6 -4\r\n 2 1 8\r\n 3 3 28\r\n";

}  // namespace corvane::testing
