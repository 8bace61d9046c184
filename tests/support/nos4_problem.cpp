#include "support/nos4_problem.h"

#include <gtest/gtest.h>

#include "app/option_rules.h"
#include "import/data_file_import.h"
#include "problem/input_file.h"
#include "support/cli_runner.h"
#include "support/recording_messages.h"

namespace corvane::testing {

ProblemState nos4ForSor(const char* eps, const char* nlim) {
    const std::string matrix = readFile(std::string(CORVANE_SOURCE_DIR) + "/tests/data/matrices/nos4.mtx");
    const std::string data =
        importedDataFile({matrix, RightHandSides::Ones, {}, DataLayout::General, "nos4", MarketStorage::Symmetric});
    ProblemState read;
    INITIALIZEDATA(read);
    RecordingMessages messages;
    chooseMethod(read, Method::Sor, messages);
    read.EPS_TEXT = eps;
    read.NLIM_TEXT = nlim;
    EXPECT_TRUE(readProblemText(read, data, messages));
    return read;
}

}  // namespace corvane::testing
