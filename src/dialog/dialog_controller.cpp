#include "dialog/dialog_controller.h"

#include "dialog/console_lines.h"
#include "dialog/held_messages.h"
#include "dialog/run_texts.h"
#include "dialog/control_ids.h"
#include "app/conditioning_warning.h"
#include "app/infinite_reciprocal_note.h"
#include "app/true_error.h"
#include "problem/read_only_data_file.h"
#include "app/error_boundary.h"
#include "app/omega_explorer.h"
#include "app/option_rules.h"
#include "problem/input_file.h"
#include "problem/run_context.h"

#include <exception>
#include <memory>
#include "textio/record_writer.h"

namespace corvane {

using namespace control;

namespace {

// The controls a Read or a SOLVE disables while it runs: every one that
// could change the problem, the results file or the interface language the
// run reads. The help windows, About and IESIRE stay.
constexpr int kDisabledWhileRunning[] = {
    kSystem,        kInversion,       kCondition,        kRomanianButton,   kEnglishButton, kGeneral,
    kSymmetric,     kInvertEntries,   kDataFile,         kGenerated,        kGeneratorList, kNormList,
    kPrintMatrix,   kPrintDeterminant, kPrintIterations, kCheckMaximum,     kCheckEquations, kMethodList,
    kEps,           kNlim,            kOmega,            kOmegaExplorer,    kSelect,        kOpen,
    kRead,          kSolve,           kCompare,          kConvergenceChart, kImport,
};


// n or nb as the dialog shows it: as many characters as the number needs,
// at the left of a 3-character text; wider numbers are kept whole. 0 is a
// size the Read did not get to, shown as an empty text.
std::string sizeText(int value) {
    if (value == 0) return {};
    std::string digits = std::to_string(value);
    return digits.size() < 3 ? padded(digits, 3) : digits;
}

}  // namespace

DialogController::DialogController(ProblemState& state, ResultsFile& file, DialogView& view,
                                   DialogPlatform& platform, RecordSink& console)
    : state_(state), file_(file), view_(view), platform_(platform), console_(console) {}

void DialogController::start() {
    INITIALIZEDATA(state_);
    INITIALIZECONTROLS();
    TITLU = INI_TITLES();
    SET_TITLES();
    helpTexts_ = INI_SAVETEXT();
}

void DialogController::onControl(int id) {
    if (running_) return;  // the run owns the problem until it ends
    // The dialog goes on after any failure; the message has told the user.
    runGuarded([&] {
        if (view_.isEnabled(id)) dispatch(id);  // a disabled control cannot act
    }, platform_.messages());
}

void DialogController::dispatch(int id) {
    switch (id) {
        case kSolve: solve(); break;
        case kSelect: SUB_SELECT(); break;
        case kOpen: SUB_OPEN(); break;
        case kDataFileHelp: SUB_HELP(); break;
        case kGeneratorHelp: SUB_GENHELP(); break;
        case kIterationHelp: SUB_HELP_GS(); break;
        case kAbout: SUB_ABOUT(); break;
        case kConvergenceChart: showConvergenceChart(); break;
        case kOmegaExplorer: showOmegaExplorer(); break;
        case kCompare: showComparison(); break;
        case kImport: importMatrix(); break;
        default: SUB_GENERAL(id); break;
    }
}

void DialogController::INITIALIZECONTROLS() {
    view_.setChecked(control::kRomanianButton, true);
    view_.setChecked(control::kEnglishButton, false);
    state_.LIMBA_RO = true;
    state_.LIMBA_EN = false;
    state_.LIMBA = corvane::kRomanian;

    const std::pair<int, bool> switches[] = {
        {kSystem, state_.SISTEM},           {kInversion, state_.INVERSARE},
        {kCondition, state_.CONDITIE},      {kDataFile, state_.FISIER_DATE},
        {kGenerated, state_.GENERARE},      {kGeneral, state_.GENERALA},
        {kSymmetric, state_.SIMETRICA},     {kInvertEntries, state_.INVERS_ELEMENTE},
        {kPrintMatrix, state_.TIPAR_MATRICE}, {kPrintDeterminant, state_.TIPAR_DETERMINANT},
        {kPrintIterations, state_.TIPAR_ITERATII}, {kCheckMaximum, state_.VERIF_MAXIM},
        {kCheckEquations, state_.VERIF_ECUATII},
    };
    for (auto [id, on] : switches) view_.setChecked(id, on);

    view_.setEnabled(kSolve, false);
    view_.setEnabled(kOpen, false);
    view_.setEnabled(kRead, false);
    view_.setEnabled(kConvergenceChart, false);
    view_.setEnabled(kOmegaExplorer, false);
    view_.setEnabled(kCompare, false);

    for (const std::string& name : state_.GENERATA) view_.appendListEntry(kGeneratorList, trimmed(name));
    view_.setEnabled(kGeneratorList, false);

    view_.setListCount(kNormList, kNormCount);
    for (int code = 0; code < kNormCount; ++code) {
        view_.setListEntry(kNormList, code + 1, trimmed(state_.NORMA_CONTROL[code][state_.LIMBA - 1]));
    }
    view_.setListSelection(kNormList, 0);
    view_.setEnabled(kNormList, false);

    for (const std::string& name : state_.METODA) view_.appendListEntry(kMethodList, trimmed(name));
    view_.setListSelection(kMethodList, 0);

    view_.setText(kPrintMatrix, "Matrice");
    view_.setText(kPath, "");
    view_.setText(kOrder, "");
    view_.setText(kRhsCount, "");
    view_.setText(kRunLines, "");

    SET_GS_CONTROLS();
}

void DialogController::SET_TITLES() {
    for (const Caption& caption : TITLU) {
        if (caption.id == kMainDialog) {
            view_.setWindowTitle(caption.in(state_.LIMBA));
        } else {
            view_.setText(caption.id, caption.in(state_.LIMBA));
        }
    }
}

void DialogController::setCaption(int id) { view_.setText(id, captionOf(TITLU, id, state_.LIMBA)); }

bool DialogController::ENABLE_REZOLVA() const {
    if (state_.CONDITIE) return state_.INORMA != Norm::None && state_.DATE_CITITE;
    return state_.DATE_CITITE && state_.METODA_ALEASA;
}

void DialogController::updateActions() {
    view_.setEnabled(kSolve, ENABLE_REZOLVA());
    updateExplorer();
}

// The explorer runs SOR on the read system; the comparison every method on
// a read system or inverse.
void DialogController::updateExplorer() {
    view_.setEnabled(kOmegaExplorer, state_.SISTEM && state_.IMETODA == Method::Sor && state_.DATE_CITITE);
    view_.setEnabled(kCompare, state_.DATE_CITITE && !state_.CONDITIE);
}

void DialogController::EN_DISABLE_CONDITIE() {
    bool enabled = !state_.CONDITIE;
    if (!enabled) view_.setListSelection(kMethodList, 0);
    view_.setEnabled(kCheckMaximum, enabled);
    view_.setEnabled(kCheckEquations, enabled);
    view_.setEnabled(kMethodList, enabled);
}

void DialogController::SET_GS_CONTROLS() {
    setIterativeFlags(state_);
    view_.setText(kIterativeName, state_.ESTE_ITERATIV ? trimmed(state_.methodName(state_.IMETODA)) : " ");
    const MethodControls controls = controlsFor(state_.IMETODA);
    view_.setEnabled(kEps, controls.iterationParameters);
    view_.setEnabled(kNlim, controls.iterationParameters);
    view_.setEnabled(kPrintIterations, controls.iterationParameters);
    view_.setEnabled(kPrintDeterminant, controls.printDeterminant);
    view_.setEnabled(kOmega, controls.omega);
}

void DialogController::SUB_GENERAL(int id) {
    bool on = view_.isChecked(id);
    switch (id) {
        case control::kRomanianButton: chooseLanguage(corvane::kRomanian); break;
        case control::kEnglishButton: chooseLanguage(corvane::kEnglish); break;
        case kSystem:
        case kInversion:
        case kCondition: chooseProblemKind(id, on); break;
        case kGeneral:
            state_.GENERALA = on;
            state_.SIMETRICA = !on;
            break;
        case kSymmetric:
            state_.GENERALA = !on;
            state_.SIMETRICA = on;
            break;
        case kInvertEntries: state_.INVERS_ELEMENTE = on; break;
        case kDataFile:
        case kGenerated:
            state_.FISIER_DATE = id == kDataFile ? on : !on;
            state_.GENERARE = !state_.FISIER_DATE;
            view_.setEnabled(kGeneratorList, state_.GENERARE);
            break;
        case kPrintMatrix: state_.TIPAR_MATRICE = on; break;
        case kPrintDeterminant: state_.TIPAR_DETERMINANT = on; break;
        case kPrintIterations: state_.TIPAR_ITERATII = on; break;
        case kCheckMaximum:
        case kCheckEquations:
            state_.VERIF_MAXIM = id == kCheckMaximum ? on : !on;
            state_.VERIF_ECUATII = !state_.VERIF_MAXIM;
            break;
        case kGeneratorList: state_.IGENERATA = view_.listSelection(kGeneratorList); break;
        case kNormList:
            chooseNorm(state_, normAt(view_.listSelection(kNormList)));
            updateActions();
            break;
        case kMethodList: chooseMethod(); break;
        case kRead: readDataFile(); break;
        case kEps: state_.EPS_TEXT = view_.text(kEps).substr(0, kParameterTextLength); break;
        case kNlim: state_.NLIM_TEXT = view_.text(kNlim).substr(0, kParameterTextLength); break;
        case kOmega: state_.OMEGA_TEXT = view_.text(kOmega).substr(0, kParameterTextLength); break;
        default: break;
    }
}

void DialogController::chooseLanguage(int language) {
    state_.LIMBA = language;
    state_.LIMBA_RO = language == corvane::kRomanian;
    state_.LIMBA_EN = language == corvane::kEnglish;
    SET_TITLES();
    SET_GS_CONTROLS();
    for (int code = 0; code < 3; ++code) {
        view_.setListEntry(kNormList, code + 1, trimmed(state_.NORMA_CONTROL[code][language - 1]));
    }
    for (int k = 1; k <= kTestMatrixCount; ++k) {
        const TestMatrix& matrix = *testMatrixAt(k);
        if (matrix.name != matrix.englishName) {
            view_.setListEntry(kGeneratorList, k, language == corvane::kEnglish ? matrix.englishName : matrix.name);
        }
    }
}

void DialogController::chooseProblemKind(int id, bool on) {
    state_.SISTEM = id == kSystem ? on : !on;
    state_.INVERSARE = id == kInversion ? on : !on;
    state_.CONDITIE = id == kCondition ? on : !on;
    EN_DISABLE_CONDITIE();
    updateExplorer();  // SOLVE keeps its state across the kinds
    view_.setEnabled(kNormList, id == kCondition ? on : !on);
    setCaption(kPrintMatrix);
    if (id == kCondition) {
        state_.IMETODA = Method::None;
        SET_GS_CONTROLS();
        view_.setEnabled(kPrintDeterminant, false);
    } else {
        view_.setEnabled(kPrintDeterminant, on);
    }
}

void DialogController::chooseMethod() {
    const bool switchedToSymmetric =
        corvane::chooseMethod(state_, methodAt(view_.listSelection(kMethodList)), platform_.messages());
    SET_GS_CONTROLS();
    if (switchedToSymmetric) {
        view_.setChecked(kSymmetric, true);
        view_.setChecked(kGeneral, false);
    }
    updateActions();
}

// The wait cursor, and the controls that could change the problem disabled
// (their states kept to be given back).
void DialogController::beginRun() {
    running_ = true;
    platform_.setBusy(true);
    enabledBeforeRun_.clear();
    for (int id : kDisabledWhileRunning) {
        enabledBeforeRun_.emplace_back(id, view_.isEnabled(id));
        view_.setEnabled(id, false);
    }
}

void DialogController::endRun() {
    for (auto [id, enabled] : enabledBeforeRun_) view_.setEnabled(id, enabled);
    enabledBeforeRun_.clear();
    platform_.setBusy(false);
    running_ = false;
}

// `work` runs off the dialog's thread; what it throws is told, as any
// failure of an action, once `finish` has shown what the run left.
void DialogController::runOffThread(std::function<void(RunProgress&)> work, std::function<void(bool failed)> finish,
                                    bool cancellable) {
    auto failure = std::make_shared<std::exception_ptr>();
    beginRun();
    platform_.runInBackground({
        [work = std::move(work), failure](RunProgress& progress) {
            try {
                work(progress);
            } catch (...) {
                *failure = std::current_exception();
            }
        },
        [this, finish = std::move(finish), failure] {
            endRun();
            runGuarded([&] {
                finish(*failure != nullptr);
                if (*failure) std::rethrow_exception(*failure);
            }, platform_.messages());
        },
        cancellable, state_.LIMBA});
}

bool DialogController::mayClose() {
    if (!running_) return true;
    const RunTexts& texts = runTexts(state_.LIMBA);
    if (!platform_.confirm(texts.stopTitle, texts.stopQuestion)) return false;
    platform_.stopRunAndWait();
    return true;
}

void DialogController::readDataFile() {
    // The sizes shown are those of this file: a Read that fails before its
    // sizes line leaves none, not the sizes of the file read before.
    state_.n = 0;
    state_.nb = 0;
    auto messages = std::make_shared<HeldMessages>();
    runOffThread(
        [this, messages](RunProgress& progress) {
            try {
                READINPUTFILE(state_, file_, *messages, &progress);
            } catch (const RunInterrupted&) {
                // Stopped by the user: the data stay unread, as after a Read
                // that failed, but without a message and without sizes.
                state_.n = 0;
                state_.nb = 0;
            }
        },
        [this, messages](bool failed) {
            messages->showOn(platform_.messages());
            if (failed) return;
            state_.N_TEXT = sizeText(state_.n);
            state_.NB_TEXT = sizeText(state_.nb);
            view_.setText(kOrder, trimmed(state_.N_TEXT));
            view_.setText(kRhsCount, trimmed(state_.NB_TEXT));
            updateActions();
            showInfiniteReciprocalNote();
        },
        true);
}

// After a Read that replaced the entries by their reciprocals: a note naming
// the first entry whose reciprocal is infinite (the report computes on with it).
void DialogController::showInfiniteReciprocalNote() {
    if (!state_.DATE_CITITE || !state_.INFINITE_RECIPROCAL) return;
    platform_.showNote(infiniteReciprocalTitle(state_.LIMBA),
                       infiniteReciprocalText(*state_.INFINITE_RECIPROCAL, state_.LIMBA));
}

// Everything one SOLVE works with off the dialog's thread; the dialog reads
// it once the run has ended.
struct SolveRun {
    SolveRun(ProblemState& state, ResultsFile& file, RecordSink& consoleSink)
        : consoleLines(consoleSink), report(file), console(consoleLines),
          context{state, report, console, messages, &sweeps, &condition, &solutions} {}

    HeldMessages messages;
    ConsoleLines consoleLines;
    RecordWriter report;
    RecordWriter console;
    IterationHistory sweeps;
    ConditionEstimate condition;
    SolutionCopy solutions;
    RunContext context;
    std::optional<KnownAnswer> answer;
    std::optional<ProblemState> read;  // the SOLVE works on the matrix; the residual needs it as read
    SolveOutcome outcome = SolveOutcome::Ran;
};

// The lines the run copies to standard output are shown under SOLVE as well,
// replacing those of the run before, also when the run stops on an error.
// After Gauss, LU or Cholesky a note beside the dialog warns when the matrix
// leaves few correct digits in x; when the exact answer is known (the
// inverse of a generated Hilbert matrix, or right-hand sides made as
// A·(1, ..., 1)) the note gives the error of x beside its residual.
// The SOLVE runs off the dialog's thread and may be cancelled; a cancelled
// one leaves its report ended by the interruption line and shows no chart
// and no note.
void DialogController::solve() {
    auto run = std::make_shared<SolveRun>(state_, file_, console_);
    run->answer = knownAnswer(state_);
    if (run->answer) run->read = state_;
    if (!run->answer) run->context.solutions = nullptr;  // an n x nb copy, kept only to be measured
    runOffThread(
        [run](RunProgress& progress) {
            run->context.progress = &progress;
            run->outcome = CORVANEAPPLY(run->context);
        },
        [this, run](bool failed) { finishSolve(*run, failed); }, true);
}

void DialogController::finishSolve(SolveRun& run, bool failed) {
    run.messages.showOn(platform_.messages());
    view_.setText(kRunLines, run.consoleLines.text());
    if (failed || run.outcome == SolveOutcome::Interrupted) return;
    keepSweeps(run.sweeps);
    showSolutionNote(run.condition.value(), run.read, run.answer, run.solutions.solutions());
}

// One note for what the SOLVE leaves to be said: the conditioning warning,
// the error against the known exact answer, or both.
void DialogController::showSolutionNote(const std::optional<double>& conditionOne, const std::optional<ProblemState>& read,
                                        const std::optional<KnownAnswer>& answer,
                                        const std::optional<RealMatrix>& solutions) {
    std::string title, text;
    if (conditionOne) {
        if (const std::optional<ConditioningWarning> warning = conditioningWarning(*conditionOne)) {
            title = warningTitle(state_.LIMBA);
            text = warningText(*warning, state_.LIMBA);
        }
    }
    if (answer && read && solutions) {
        if (title.empty()) title = solutionErrorTitle(state_.LIMBA);
        else text += "\n\n";
        text += solutionErrorText(*read, *answer, *solutions, state_.LIMBA);
    }
    if (!title.empty()) platform_.showNote(title, text);
}

// The chart belongs to the last SOLVE: one that made Gauss-Seidel or SOR
// sweeps shows it at once and may show it again; any other takes it away.
void DialogController::keepSweeps(const IterationHistory& history) {
    const bool swept = state_.ESTE_ITERATIV && !history.rightHandSides().empty();
    lastSweeps_.reset();
    if (swept) {
        lastSweeps_ = history;
        lastEps_ = state_.EPS;
    }
    view_.setEnabled(kConvergenceChart, swept);
    if (swept) showConvergenceChart();
}

void DialogController::showConvergenceChart() {
    if (lastSweeps_) platform_.showConvergenceChart(*lastSweeps_, lastEps_, state_.LIMBA);
}

// The explorer works on a copy of the read problem with the EPS and NLIM
// typed in the dialog; without them it has nothing to stop its sweeps.
void DialogController::showOmegaExplorer() {
    const std::string_view refusal = explorerPrecheck(state_);
    if (!refusal.empty()) {
        platform_.messages().show(refusal, message::kErrorTitle, MessageIcon::Error);
        return;
    }
    platform_.showOmegaExplorer({state_, omegaValues(OmegaRange{}), state_.LIMBA, [this](float omega) { useOmega(omega); }});
}

// The comparison reads the data file again into a problem of its own (the
// file is only read), the matrix in full for every method: it sees the data
// as read also after a SOLVE worked on them.
void DialogController::showComparison() {
    ProblemState read = state_;
    SilentMessages quiet;  // Cholesky's layout is the comparison's affair
    corvane::chooseMethod(read, Method::Gauss, quiet);
    if (!readDataFileOnly(std::string(trimmed(state_.FNAME)), read, platform_.messages())) return;
    std::optional<KnownAnswer> answer = knownAnswer(read);
    std::optional<ExactAnswer> exact;
    if (answer) exact = std::move(answer->exact);
    platform_.showComparison({std::move(read), std::move(exact), state_.LIMBA});
}

void DialogController::useOmega(float omega) {
    if (running_) return;  // the run reads Omega's text
    runGuarded([&] {
        const std::string text = shortestFloatText(omega).substr(0, kParameterTextLength);
        view_.setText(kOmega, text);
        state_.OMEGA_TEXT = text;
    }, platform_.messages());
}

}  // namespace corvane
