#include "support/cli_runner.h"

#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace corvane::testing {

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void writeFile(const std::string& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << text;
}

std::string scratchDirectory(const std::string& name) {
    auto dir = std::filesystem::temp_directory_path() / ("corvane-test-" + std::to_string(::getpid())) / name;
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    return dir.string();
}

std::vector<std::string> corvaneCommandWords() {
    const char* launcher = std::getenv("CORVANE_NODE_LAUNCHER");
    if (launcher != nullptr && *launcher != '\0') return {"node", launcher};
    return {CORVANE_EXECUTABLE};
}

std::string corvaneCommandLine() {
    std::string line;
    for (const std::string& word : corvaneCommandWords()) line += (line.empty() ? "'" : " '") + word + "'";
    return line;
}

namespace {

CliResult runCommand(const std::string& command, const std::string& arguments) {
    const std::string dir = scratchDirectory("cli-capture");
    const std::string out = dir + "/out", err = dir + "/err";
    const std::string line = command + " " + arguments + " </dev/null >'" + out + "' 2>'" + err + "'";
    int raw = std::system(line.c_str());
    CliResult result;
    result.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    result.out = readFile(out);
    result.err = readFile(err);
    return result;
}

}  // namespace

CliResult runCorvane(const std::string& arguments) { return runCommand(corvaneCommandLine(), arguments); }

CliResult runProgram(const std::string& program, const std::string& arguments) {
    return runCommand("'" + program + "'", arguments);
}

CliResult interruptAfterLines(const std::string& directory, const std::string& arguments, int lines) {
    writeFile(directory + "/stop.sh", "cd '" + directory + "'\n" + corvaneCommandLine() + " " + arguments +
                                          " </dev/null >out.txt 2>err.txt &\n"
                                          "pid=$!\n"
                                          "until [ \"$(wc -l <out.txt)\" -ge " +
                                          std::to_string(lines) +
                                          " ] || ! kill -0 $pid 2>/dev/null; do sleep 0.02; done\n"
                                          "kill -INT $pid 2>/dev/null\n"
                                          "wait $pid\n"
                                          "echo $? >status.txt\n");
    CliResult result;
    if (std::system(("bash '" + directory + "/stop.sh'").c_str()) != 0) return result;
    result.status = std::stoi(readFile(directory + "/status.txt"));
    result.out = readFile(directory + "/out.txt");
    result.err = readFile(directory + "/err.txt");
    return result;
}

}  // namespace corvane::testing
