#pragma once
// What the subcommands share for reading: messages on standard error, and a
// Read that takes the data file's text without opening it for writing.

#include <iostream>
#include <optional>
#include <string>
#include <string_view>

#include "problem/messages.h"
#include "problem/problem_state.h"
#include "problem/read_only_data_file.h"
#include "app/true_error.h"

namespace corvane {

class StandardErrorMessages : public MessageService {
public:
    void show(std::string_view text, std::string_view title, MessageIcon) override {
        std::cerr << title << ": " << text << std::endl;
    }
};

// After a Read: the line on standard error naming the entry whose reciprocal
// --invert-entries made infinite, when there is one.
void warnOfInfiniteReciprocal(const ProblemState& state);

// The exact solutions --exact asks for: "ones", or a file of n values per
// right-hand side. None after a message when the file cannot give them.
std::optional<ExactAnswer> exactSolutions(const std::string& source, int n, int nb, MessageService& messages);

// The exact answer of a run on the read problem: the one --exact names
// (empty: none named), else the closed-form inverse of a generated Hilbert
// matrix. False after a message when --exact names one that cannot be read.
bool findExactAnswer(const std::string& exactOption, const ProblemState& state, std::optional<ExactAnswer>& exact,
                     MessageService& messages);

}  // namespace corvane
