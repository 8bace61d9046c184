#include "app/step_sentences.h"

#include <cmath>
#include <functional>

#include "app/step_texts.h"
#include "problem/problem_state.h"
#include "textio/number_format.h"

namespace corvane {
namespace {

struct SentenceTexts {
    std::string_view systemWithOne, systemWithMany, inverse, packed, luOrder;
    std::string_view elimination, exchange, noExchange, multipliers, leftAloneOne, leftAloneMany;
    std::string_view smallPivot, smallLastPivot;
    std::string_view back, forward, rhsOf, columnOf;
    std::string_view luSearch, luFirstColumn, luReducedColumn, row, luOther, luOwn, luAllZero;
    std::string_view rowOfU, columnOfL, doubleSum, luSmall;
    std::string_view rowOfS, notPositive;
    std::string_view rowOrdering, rowOrderingFailed, scaling;
    std::string_view sweep, gaussSeidel, sor;
    std::string_view decreasing, notDecreasing, tolerance, divergence, notFinite, stagnation, limit;
};

constexpr SentenceTexts kSentencesRomanian{
    "Datele asa cum au fost citite: sistemul de ordinul {} cu un termen liber; metoda {}.",
    "Datele asa cum au fost citite: sistemul de ordinul {} cu {} termeni liberi; metoda {}.",
    "Datele asa cum au fost citite: matricea de ordinul {} langa matricea unitate, ale carei coloane se rezolva "
    "pentru inversa; metoda {}.",
    " Se pastreaza doar triunghiul superior al matricii simetrice.",
    " Termenii liberi se arata in ordinea liniilor lui A.",
    "Pasul {}: |a({},{})| = {} este cel mai mare din coloana {}; ",
    "se schimba liniile {} si {}",
    "pivotul ramane pe linia {}",
    "; fiecare linie i > {} scade m(i,{}) ori linia {}, cu m(i,{}) = a(i,{}) / a({},{}): {}",
    "; linia {} are deja 0 in coloana {} si ramane neschimbata",
    "; liniile {} au deja 0 in coloana {} si raman neschimbate",
    "Pasul {}: |a({},{})| = {} este cel mai mare din coloana {}, dar este sub pragul {}: sistemul nu se poate "
    "rezolva.",
    "Ultimul pivot, |a({},{})| = {}, este sub pragul {}: sistemul nu se poate rezolva.",
    "Substitutia inapoi",
    "Substitutia inainte",
    " (termenii liberi nr. {})",
    " (coloana {})",
    "Pasul {}: candidatii pentru u({},{}) sunt ",
    "elementele coloanei 1: ",
    "a(i,{}) - [{}] pentru i = {}..{}: ",
    "linia {}: {}",
    "cel mai mare in modul este al liniei {}: se schimba liniile {} si {}.",
    "cel mai mare in modul este al liniei {}: nu se schimba nicio linie.",
    "toti sunt 0: nu se schimba nicio linie.",
    "Randul {} al lui U: ",
    "Coloana {} a lui L: ",
    " (suma in dubla precizie)",
    "|u({},{})| = {} este sub pragul {}: descompunerea LU nu e fezabila.",
    "Randul {} al lui S: ",
    ", care nu este pozitiv: matricea nu este pozitiv definita.",
    "Ordonarea liniilor: |a({},{})| = {} este sub pragul {}; |a({},{})| = {} este cel mai mare sub el in coloana "
    "{}: se schimba liniile {} si {}.",
    "Ordonarea liniilor: |a({},{})| = {} este sub pragul {}, si niciun element de sub el din coloana {} nu ajunge "
    "la prag (cel mai mare in modul: {}): metoda se opreste.",
    "Scalarea: fiecare ecuatie se imparte la elementul ei diagonal ({}); diagonala devine 1.",
    "Iteratia {}",
    "x(i) = (b(i) - suma a(i,j)*x(j) pentru j != i) / a(i,i), i = 1..{}, cu x(j) din aceasta iteratie pentru j < i "
    "si din cea dinainte pentru j > i, pornind de la x = 0; ",
    "pe sistemul scalat, t = (b(i) - suma a(i,j)*x(j) pentru j < i) - suma a(i,j)*x_ant(j) pentru j > i; x(1) = t "
    "si x(i) = OMEGA*t + (1 - OMEGA)*x_ant(i) pentru i >= 2, cu OMEGA = {}, pornind de la x = 0; ",
    "max|x - x_ant| = {} > EPS = {}: se continua.",
    "max|x - x_ant| = {} nu scade fata de {}: Divergenta; se mai face o iteratie.",
    "max|x - x_ant| = {} <= EPS = {}: Toleranta atinsa.",
    "max|x - x_ant| = {} nu scade nici acum fata de {}: Divergenta.",
    "iteratul nu mai este finit: Divergenta.",
    "max|x - x_ant| = {} este egal cu cel dinainte: Iteratie stationara.",
    "max|x - x_ant| = {}; cele NLIM = {} iteratii s-au facut: Numar de iteratii depasit.",
};

constexpr SentenceTexts kSentencesEnglish{
    "The data as read: the system of order {} with one right-hand side; the {} method.",
    "The data as read: the system of order {} with {} right-hand sides; the {} method.",
    "The data as read: the matrix of order {} beside the identity, whose columns are solved for the inverse; the {} "
    "method.",
    " Only the upper triangle of the symmetric matrix is kept.",
    " The right-hand sides are shown in the row order of A.",
    "Step {}: |a({},{})| = {} is the largest in column {}; ",
    "rows {} and {} are exchanged",
    "the pivot stays in row {}",
    "; each row i > {} takes away m(i,{}) times row {}, where m(i,{}) = a(i,{}) / a({},{}): {}",
    "; row {} already has 0 in column {} and stays as it is",
    "; rows {} already have 0 in column {} and stay as they are",
    "Step {}: |a({},{})| = {} is the largest in column {}, but below the threshold {}: the system cannot be solved.",
    "The last pivot, |a({},{})| = {}, is below the threshold {}: the system cannot be solved.",
    "Back substitution",
    "Forward substitution",
    " (right-hand side {})",
    " (column {})",
    "Step {}: the candidates for u({},{}) are ",
    "the entries of column 1: ",
    "a(i,{}) - [{}] for i = {}..{}: ",
    "row {}: {}",
    "the largest in magnitude is that of row {}: rows {} and {} are exchanged.",
    "the largest in magnitude is that of row {} itself: no rows are exchanged.",
    "all of them are 0: no rows are exchanged.",
    "Row {} of U: ",
    "Column {} of L: ",
    " (the sum in double precision)",
    "|u({},{})| = {} is below the threshold {}: the LU factorisation cannot go on.",
    "Row {} of S: ",
    ", which is not positive: the matrix is not positive definite.",
    "Row ordering: |a({},{})| = {} is below the threshold {}; |a({},{})| = {} is the largest below it in column {}: "
    "rows {} and {} are exchanged.",
    "Row ordering: |a({},{})| = {} is below the threshold {}, and no entry below it in column {} reaches it (the "
    "largest in magnitude: {}): the method stops.",
    "Scaling: each equation is divided by its diagonal entry ({}); the diagonal becomes 1.",
    "Sweep {}",
    "x(i) = (b(i) - the sum of a(i,j)*x(j) over j != i) / a(i,i), i = 1..{}, with x(j) of this sweep for j < i and "
    "of the one before for j > i, starting from x = 0; ",
    "on the scaled system, t = (b(i) - the sum of a(i,j)*x(j) over j < i) - the sum of a(i,j)*x_ant(j) over j > i; "
    "x(1) = t and x(i) = OMEGA*t + (1 - OMEGA)*x_ant(i) for i >= 2, with OMEGA = {}, starting from x = 0; ",
    "max|x - x_ant| = {} > EPS = {}: the sweeps go on.",
    "max|x - x_ant| = {} does not decrease from {}: divergence; one more sweep is made.",
    "max|x - x_ant| = {} <= EPS = {}: tolerance reached.",
    "max|x - x_ant| = {} does not decrease from {} again: divergence.",
    "the iterate is no longer finite: divergence.",
    "max|x - x_ant| = {} equals the one before: stagnation.",
    "max|x - x_ant| = {}; the NLIM = {} sweeps are used up: iteration limit exceeded.",
};

// A field without the blanks around its number.
std::string withoutBlanks(std::string_view field) {
    const std::size_t first = field.find_first_not_of(' ');
    return first == std::string_view::npos ? std::string() : std::string(trimmed(field.substr(first)));
}

std::string num(double value) { return stepNumber(value); }
std::string magnitude(double value) { return stepNumber(std::fabs(value)); }
std::string idx(int value) { return std::to_string(value); }
std::string entry(std::string_view name, int i, int j) { return std::string(name) + "(" + idx(i) + "," + idx(j) + ")"; }
std::string element(std::string_view name, int i) { return std::string(name) + "(" + idx(i) + ")"; }

// "t(first) + ... + t(last)" for the terms the sum of a step takes.
std::string terms(int first, int last, const std::function<std::string(int)>& term) {
    std::string text;
    for (int l = first; l <= last; ++l) {
        if (!text.empty()) text += " + ";
        text += term(l);
    }
    return text;
}

// target = operand - [sum] (/ divisor) = numbers = result; without a sum
// when it has no terms, without a divisor when there is none.
struct Formula {
    std::string target, operand, sumTerms, divisor;
};

// A number taken away or divided by, in parentheses when it is negative.
std::string operandNumber(double value) { return std::signbit(value) ? "(" + num(value) + ")" : num(value); }

std::string formulaText(const Formula& f, const Step& step) {
    const bool withSum = !f.sumTerms.empty();
    const bool divided = !f.divisor.empty();
    std::string symbols = f.operand;
    std::string numbers = num(step.operand);
    if (withSum) {
        symbols += " - [" + f.sumTerms + "]";
        numbers += " - " + operandNumber(step.sum);
        if (divided) {
            symbols = "(" + symbols + ")";
            numbers = "(" + numbers + ")";
        }
    }
    if (divided) {
        symbols += " / " + f.divisor;
        numbers += " / " + operandNumber(step.divisor);
    }
    return f.target + " = " + symbols + " = " + numbers + " = " + num(step.result);
}

std::string rhsSuffix(const MethodSteps& run, const Step& step, const SentenceTexts& t) {
    if (run.inverse) return fillIn(t.columnOf, {step.rhs});
    return run.nb > 1 ? fillIn(t.rhsOf, {step.rhs}) : std::string();
}

std::string asRead(const MethodSteps& run, const SentenceTexts& t) {
    const std::string_view method = stepsMethodName(run.method);
    std::string text = run.inverse        ? fillIn(t.inverse, {idx(run.n), method})
                       : run.nb == 1      ? fillIn(t.systemWithOne, {idx(run.n), method})
                                          : fillIn(t.systemWithMany, {idx(run.n), idx(run.nb), method});
    if (run.method == Method::Cholesky) text += t.packed;
    if (run.method == Method::Lu) text += t.luOrder;
    return text;
}

std::string elimination(const MethodSteps& run, const Step& s, const SentenceTexts& t) {
    const std::string k = idx(s.k);
    std::string text = fillIn(t.elimination, {k, idx(s.row), k, magnitude(s.result), k});
    text += s.row != s.k ? fillIn(t.exchange, {k, idx(s.row)}) : fillIn(t.noExchange, {k});
    std::string multipliers, leftAlone;
    int leftAloneCount = 0;
    for (int i = s.k + 1; i <= run.n; ++i) {
        const RowNote& note = s.notes[static_cast<std::size_t>(i - 1)];
        if (note.kind == RowNoteKind::Multiplier) {
            if (!multipliers.empty()) multipliers += ", ";
            multipliers += entry("m", i, s.k) + " = " + num(note.value);
        } else {
            if (!leftAlone.empty()) leftAlone += ", ";
            leftAlone += idx(i);
            ++leftAloneCount;
        }
    }
    if (!multipliers.empty()) text += fillIn(t.multipliers, {k, k, k, k, k, k, k, multipliers});
    if (leftAloneCount == 1) text += fillIn(t.leftAloneOne, {leftAlone, k});
    if (leftAloneCount > 1) text += fillIn(t.leftAloneMany, {leftAlone, k});
    return text + ".";
}

std::string smallPivot(const MethodSteps& run, const Step& s, const SentenceTexts& t) {
    if (s.k == run.n) return fillIn(t.smallLastPivot, {idx(run.n), idx(run.n), magnitude(s.result), thresholdText(s.threshold)});
    const std::string k = idx(s.k);
    return fillIn(t.smallPivot, {k, idx(s.row), k, magnitude(s.result), k, thresholdText(s.threshold)});
}

// x(i) = (b(i) - [a(i,i+1)*x(i+1) + ...]) / a(i,i), and its numbers.
std::string backSubstitution(const MethodSteps& run, const Step& s, std::string_view matrix, std::string_view known,
                             const SentenceTexts& t, bool doubleSum = false) {
    const int i = s.row;
    const Formula f{element("x", i), element(known, i),
                    terms(i + 1, run.n, [&](int l) { return entry(matrix, i, l) + "*" + element("x", l); }),
                    entry(matrix, i, i)};
    return std::string(t.back) + rhsSuffix(run, s, t) + ": " + formulaText(f, s) +
           (doubleSum && i < run.n ? std::string(t.doubleSum) : std::string()) + ".";
}

std::string luSearch(const MethodSteps& run, const Step& s, const SentenceTexts& t) {
    const std::string k = idx(s.k);
    std::string text = fillIn(t.luSearch, {k, k, k});
    if (s.k == 1) {
        text += t.luFirstColumn;
    } else {
        const std::string sum = terms(1, s.k - 1, [&](int l) { return "l(i," + idx(l) + ")*" + entry("u", l, s.k); });
        text += fillIn(t.luReducedColumn, {k, sum, k, idx(run.n)});
    }
    for (int i = s.k; i <= run.n; ++i) {
        if (i > s.k) text += ", ";
        text += fillIn(t.row, {idx(i), num(s.values[static_cast<std::size_t>(i - s.k)])});
    }
    text += "; ";
    if (s.row != s.k) return text + fillIn(t.luOther, {idx(s.row), k, idx(s.row)});
    if (!(std::fabs(s.result) > 0.0f)) return text + std::string(t.luAllZero);
    return text + fillIn(t.luOwn, {k});
}

std::string luEntry(const Step& s, const SentenceTexts& t) {
    const int i = s.row;
    const int j = s.column;
    if (s.kind == StepKind::LuUpper) {
        const Formula f{entry("u", i, j), entry("a", i, j),
                        terms(1, i - 1, [&](int l) { return entry("l", i, l) + "*" + entry("u", l, j); }), ""};
        return fillIn(t.rowOfU, {i}) + formulaText(f, s) + std::string(t.doubleSum) + ".";
    }
    const Formula f{entry("l", i, j), entry("a", i, j),
                    terms(1, j - 1, [&](int l) { return entry("l", i, l) + "*" + entry("u", l, j); }), entry("u", j, j)};
    return fillIn(t.columnOfL, {j}) + formulaText(f, s) + (j > 1 ? std::string(t.doubleSum) : std::string()) + ".";
}

std::string luForward(const MethodSteps& run, const Step& s, const SentenceTexts& t) {
    const int i = s.row;
    const Formula f{element("y", i), element("b", i),
                    terms(1, i - 1, [&](int l) { return entry("l", i, l) + "*" + element("y", l); }), ""};
    return std::string(t.forward) + rhsSuffix(run, s, t) + ": " + formulaText(f, s) + std::string(t.doubleSum) + ".";
}

std::string choleskyRow(const Step& s, const SentenceTexts& t) {
    const int j = s.row;
    if (s.kind == StepKind::CholeskyEntry) {
        const int i = s.column;
        const Formula f{entry("s", j, i), entry("a", j, i),
                        terms(1, j - 1, [&](int l) { return entry("s", l, j) + "*" + entry("s", l, i); }),
                        entry("s", j, j)};
        return fillIn(t.rowOfS, {j}) + formulaText(f, s) + ".";
    }
    const std::string squares = terms(1, j - 1, [&](int l) { return entry("s", l, j) + "^2"; });
    std::string radicand = entry("a", j, j);
    std::string numbers = num(s.operand);
    if (!squares.empty()) {
        radicand += " - [" + squares + "]";
        numbers += " - " + operandNumber(s.sum);
    }
    if (s.kind == StepKind::CholeskyNotPositive) {
        const std::string value = squares.empty() ? radicand + " = " + num(s.result)
                                                  : radicand + " = " + numbers + " = " + num(s.result);
        return fillIn(t.rowOfS, {j}) + value + std::string(t.notPositive);
    }
    return fillIn(t.rowOfS, {j}) + entry("s", j, j) + " = sqrt(" + radicand + ") = sqrt(" + numbers +
           ") = " + num(s.result) + ".";
}

std::string choleskySolve(const MethodSteps& run, const Step& s, const SentenceTexts& t) {
    const int i = s.row;
    if (s.kind == StepKind::CholeskyBack) return backSubstitution(run, s, "s", "y", t);
    const Formula f{element("y", i), element("b", i),
                    terms(1, i - 1, [&](int l) { return entry("s", l, i) + "*" + element("y", l); }), entry("s", i, i)};
    return std::string(t.forward) + rhsSuffix(run, s, t) + ": " + formulaText(f, s) + ".";
}

std::string scaling(const MethodSteps& run, const Step& s, const SentenceTexts& t) {
    std::string divisors;
    for (int i = 1; i <= run.n; ++i) {
        if (i > 1) divisors += ", ";
        divisors += entry("a", i, i) + " = " + num(s.values[static_cast<std::size_t>(i - 1)]);
    }
    return fillIn(t.scaling, {divisors});
}

bool iterateFinite(const Step& s) {
    for (int i = 1; i <= s.X.rows(); ++i)
        if (!std::isfinite(s.X(i, s.rhs))) return false;
    return true;
}

std::string sweep(const MethodSteps& run, const Step& s, const SentenceTexts& t) {
    std::string text = fillIn(t.sweep, {s.k}) + rhsSuffix(run, s, t) + ": ";
    if (s.k == 1) text += run.method == Method::Sor ? fillIn(t.sor, {num(run.omega)}) : fillIn(t.gaussSeidel, {run.n});
    const std::string dx = num(s.result);
    switch (s.verdict) {
        case SweepVerdict::Decreasing: return text + fillIn(t.decreasing, {dx, num(run.eps)});
        case SweepVerdict::NotDecreasing: return text + fillIn(t.notDecreasing, {dx, num(s.previous)});
        case SweepVerdict::Tolerance: return text + fillIn(t.tolerance, {dx, num(run.eps)});
        case SweepVerdict::Divergence:
            return text + (iterateFinite(s) ? fillIn(t.divergence, {dx, num(s.previous)}) : std::string(t.notFinite));
        case SweepVerdict::Stagnation: return text + fillIn(t.stagnation, {dx});
        case SweepVerdict::Limit: return text + fillIn(t.limit, {dx, idx(run.nlim)});
    }
    return text;
}

std::string rowOrdering(const Step& s, const SentenceTexts& t) {
    const std::string k = idx(s.k);
    if (s.kind == StepKind::RowOrderingFailed) {
        return fillIn(t.rowOrderingFailed, {k, k, magnitude(s.operand), thresholdText(s.threshold), k, num(s.result)});
    }
    return fillIn(t.rowOrdering,
                  {k, k, magnitude(s.operand), thresholdText(s.threshold), idx(s.row), k, magnitude(s.result), k, k, idx(s.row)});
}

}  // namespace

std::string stepNumber(double value) { return withoutBlanks(generalField(value, 15, 7, 0)); }

std::string thresholdText(float threshold) { return withoutBlanks(exponentField(threshold, 8, 2, 1)); }

std::string rowNoteText(const Step& step, int i, int language) {
    const StepViewTexts& texts = stepViewTexts(language);
    const RowNote& note = step.notes[static_cast<std::size_t>(i - 1)];
    switch (note.kind) {
        case RowNoteKind::None: break;
        case RowNoteKind::Multiplier: return entry("m", i, step.k) + " = " + num(note.value);
        case RowNoteKind::LeftAlone: return entry("m", i, step.k) + " = 0: " + std::string(texts.leftAlone);
        case RowNoteKind::Candidate: return std::string(texts.candidate) + num(note.value);
        case RowNoteKind::Divisor: return std::string(texts.divisor) + num(note.value);
    }
    return {};
}

std::string stepSentence(const MethodSteps& run, std::size_t index, int language) {
    const SentenceTexts& t = language == kEnglish ? kSentencesEnglish : kSentencesRomanian;
    const Step& s = run.steps[index];
    switch (s.kind) {
        case StepKind::DataAsRead: return asRead(run, t);
        case StepKind::Elimination: return elimination(run, s, t);
        case StepKind::SmallPivot: return smallPivot(run, s, t);
        case StepKind::BackSubstitution: return backSubstitution(run, s, "a", "b", t);
        case StepKind::LuPivotSearch: return luSearch(run, s, t);
        case StepKind::LuUpper:
        case StepKind::LuLower: return luEntry(s, t);
        case StepKind::LuSmallDiagonal:
            return fillIn(t.luSmall, {idx(s.k), idx(s.k), magnitude(s.result), thresholdText(s.threshold)});
        case StepKind::LuForward: return luForward(run, s, t);
        case StepKind::LuBack: return backSubstitution(run, s, "u", "y", t, true);
        case StepKind::CholeskyDiagonal:
        case StepKind::CholeskyEntry:
        case StepKind::CholeskyNotPositive: return choleskyRow(s, t);
        case StepKind::CholeskyForward:
        case StepKind::CholeskyBack: return choleskySolve(run, s, t);
        case StepKind::RowOrdering:
        case StepKind::RowOrderingFailed: return rowOrdering(s, t);
        case StepKind::DiagonalScaling: return scaling(run, s, t);
        case StepKind::Sweep: return sweep(run, s, t);
    }
    return {};
}

}  // namespace corvane
