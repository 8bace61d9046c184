#include "support/comma_locale.h"

#include <stdlib.h>

#include <cstdlib>

#include "support/cli_runner.h"

namespace corvane::testing {

std::string selectCommaLocale() {
    for (const char* name : {"de_DE.UTF-8", "fr_FR.UTF-8", "ro_RO.UTF-8", "ru_RU.UTF-8"}) {
        if (std::setlocale(LC_NUMERIC, name)) return name;
    }
    const std::string directory = scratchDirectory("comma-locale");
    writeFile(directory + "/comma.def", "LC_NUMERIC\ndecimal_point \",\"\nthousands_sep \".\"\ngrouping 3\nEND LC_NUMERIC\n");
    const std::string command =
        "localedef -c -i '" + directory + "/comma.def' -f UTF-8 '" + directory + "/comma' >/dev/null 2>&1";
    std::system(command.c_str());  // status 1 for the categories it leaves out, which the test does not need
    ::setenv("LOCPATH", directory.c_str(), 1);
    const bool made = std::setlocale(LC_NUMERIC, "comma") != nullptr;
    ::unsetenv("LOCPATH");
    return made ? "comma" : "";
}

}  // namespace corvane::testing
