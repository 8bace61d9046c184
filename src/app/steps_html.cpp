#include "app/step_sentences.h"
#include "app/step_texts.h"
#include "app/steps_output.h"

namespace corvane {
namespace {

std::string escaped(std::string_view text) {
    std::string out;
    for (const char c : text) {
        switch (c) {
            case '&': out += "&amp;"; break;
            case '<': out += "&lt;"; break;
            case '>': out += "&gt;"; break;
            case '"': out += "&quot;"; break;
            default: out += c; break;
        }
    }
    return out;
}

std::string style() {
    const StepColours& c = kStepColours;
    return std::string(R"(body { font-family: sans-serif; margin: 1.5em; }
nav { display: flex; gap: 0.5em; align-items: center; flex-wrap: wrap; }
nav input[type=range] { flex: 1; min-width: 12em; }
.keys { color: #555; font-size: 0.9em; }
.legend span { display: inline-block; padding: 0.1em 0.4em; margin-right: 0.6em; }
section.step[hidden] { display: none; }
.sentence { font-size: 1.05em; max-width: 60em; }
table.augmented { border-collapse: collapse; font-family: monospace; }
table.augmented td, table.augmented th { padding: 0.2em 0.6em; text-align: right; }
table.augmented th { color: #555; font-weight: normal; }
table.augmented .block { border-left: 2px solid #333; }
table.augmented td.note { text-align: left; color: #333; font-family: sans-serif; }
.pivot { outline: 2px solid )") + std::string(c.pivot) + R"(; outline-offset: -2px; }
.searched { background: )" + std::string(c.searched) + R"(; }
.used { background: )" + std::string(c.used) + R"(; }
.changed { background: )" + std::string(c.changed) + R"(; font-weight: bold; }
.stored { color: )" + std::string(c.stored) + R"(; font-style: italic; }
th.exchanged { background: )" + std::string(c.exchanged) + R"(; }
)";
}

// The classes of a cell, the strongest background last.
std::string cellClasses(const StepCell& cell) {
    std::string classes;
    auto add = [&](std::uint8_t mark, std::string_view name) {
        if (cell.marks & mark) classes += (classes.empty() ? "" : " ") + std::string(name);
    };
    add(kSearchedMark, "searched");
    add(kUsedMark, "used");
    add(kChangedMark, "changed");
    add(kStoredMark, "stored");
    add(kPivotMark, "pivot");
    if (cell.startsBlock) classes += classes.empty() ? "block" : " block";
    return classes;
}

std::string tableOf(const MethodSteps& run, const Step& step, int language) {
    std::string out = "<table class=\"augmented\">\n<tr><th></th>";
    const std::vector<std::string> names = stepColumnNames(run);
    const std::vector<StepCell> first = stepRow(step, 1);
    for (std::size_t c = 0; c < names.size(); ++c) {
        out += first[c].startsBlock ? "<th class=\"block\">" : "<th>";
        out += escaped(names[c]) + "</th>";
    }
    out += "<th></th></tr>\n";
    for (int i = 1; i <= run.n; ++i) {
        const bool exchanged = i == step.exchanged[0] || i == step.exchanged[1];
        out += std::string("<tr><th") + (exchanged ? " class=\"exchanged\"" : "") + ">" + std::to_string(i) + "</th>";
        for (const StepCell& cell : stepRow(step, i)) {
            const std::string classes = cellClasses(cell);
            out += classes.empty() ? "<td>" : "<td class=\"" + classes + "\">";
            if (!(cell.marks & kEmptyMark)) out += escaped(stepNumber(cell.value));
            out += "</td>";
        }
        out += "<td class=\"note\">" + escaped(rowNoteText(step, i, language)) + "</td></tr>\n";
    }
    return out + "</table>\n";
}

std::string legend(int language) {
    const StepViewTexts& t = stepViewTexts(language);
    return "<p class=\"legend\">" + escaped(t.legend) + ": <span class=\"pivot\">" + escaped(t.pivot) +
           "</span><span class=\"searched\">" + escaped(t.searched) + "</span><span class=\"changed\">" +
           escaped(t.changed) + "</span><span class=\"used\">" + escaped(t.used) + "</span><span class=\"stored\">" +
           escaped(t.stored) + "</span><span class=\"exchanged\" style=\"background: " +
           std::string(kStepColours.exchanged) + "\">" + escaped(t.exchanged) + "</span></p>\n";
}

// Shows one step at a time; the arrows (left/up back, right/down on), Home
// and End move, as do the buttons and the slider. The step shown is in the
// body's data-step and in the address's #step-N.
constexpr std::string_view kScript = R"(<script>
(function () {
  var steps = document.querySelectorAll('section.step');
  var slider = document.getElementById('slider');
  var position = document.getElementById('position');
  var current = 0;
  function show(index) {
    index = Math.max(0, Math.min(steps.length - 1, index));
    steps[current].hidden = true;
    steps[index].hidden = false;
    current = index;
    slider.value = String(index + 1);
    position.textContent = position.dataset.pattern.replace('{}', index + 1).replace('{}', steps.length);
    document.body.dataset.step = String(index + 1);
    if (history.replaceState) history.replaceState(null, '', '#step-' + (index + 1));
  }
  document.getElementById('first').onclick = function () { show(0); };
  document.getElementById('previous').onclick = function () { show(current - 1); };
  document.getElementById('next').onclick = function () { show(current + 1); };
  document.getElementById('last').onclick = function () { show(steps.length - 1); };
  slider.oninput = function () { show(Number(slider.value) - 1); };
  document.addEventListener('keydown', function (event) {
    if (event.target === slider || event.altKey || event.ctrlKey || event.metaKey) return;
    var moves = { ArrowLeft: -1, ArrowUp: -1, ArrowRight: 1, ArrowDown: 1 };
    if (event.key in moves) show(current + moves[event.key]);
    else if (event.key === 'Home') show(0);
    else if (event.key === 'End') show(steps.length - 1);
    else return;
    event.preventDefault();
  });
  var asked = /^#step-(\d+)$/.exec(location.hash);
  show(asked ? Number(asked[1]) - 1 : 0);
})();
</script>
)";

}  // namespace

std::string stepsAsHtml(const MethodSteps& run, int language) {
    const StepViewTexts& t = stepViewTexts(language);
    const std::string title = fillIn(t.title, {stepsMethodName(run.method)});
    const int count = static_cast<int>(run.steps.size());
    std::string out = "<!DOCTYPE html>\n<html lang=\"" + std::string(language == kEnglish ? "en" : "ro") +
                      "\">\n<head>\n<meta charset=\"utf-8\">\n<title>" + escaped(title) + "</title>\n<style>\n" +
                      style() + "</style>\n</head>\n<body data-step=\"1\">\n<h1>" + escaped(title) + "</h1>\n";
    out += "<nav><button id=\"first\">" + escaped(t.first) + "</button><button id=\"previous\">" + escaped(t.previous) +
           "</button><input type=\"range\" id=\"slider\" min=\"1\" max=\"" + std::to_string(count) +
           "\" value=\"1\"><button id=\"next\">" + escaped(t.next) + "</button><button id=\"last\">" + escaped(t.last) +
           "</button><span id=\"position\" data-pattern=\"" + escaped(t.stepOf) + "\">" +
           escaped(fillIn(t.stepOf, {1, count})) + "</span></nav>\n";
    out += "<p class=\"keys\">" + escaped(t.keys) + "</p>\n" + legend(language);
    for (int index = 0; index < count; ++index) {
        const std::size_t at = static_cast<std::size_t>(index);
        out += "<section class=\"step\" id=\"step-" + std::to_string(index + 1) + "\"" + (index > 0 ? " hidden" : "") +
               ">\n<p class=\"sentence\">" + escaped(stepSentence(run, at, language)) + "</p>\n" +
               tableOf(run, run.steps[at], language) + "</section>\n";
    }
    return out + std::string(kScript) + "</body>\n</html>\n";
}

}  // namespace corvane
