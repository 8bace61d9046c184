#include "reliability/restricted_run.h"

#include <fcntl.h>
#include <linux/capability.h>
#include <poll.h>
#include <sys/prctl.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstdlib>

namespace corvane::testing {
namespace {

constexpr int kRestrictionFailed = 125;

// Removes the file-permission overrides from every capability set, so that
// neither this process nor a program it starts can use them.
bool dropFilePermissionOverrides() {
    if (::geteuid() != 0) return true;  // an ordinary user has none
    for (int capability : {CAP_DAC_OVERRIDE, CAP_DAC_READ_SEARCH}) {
        if (::prctl(PR_CAPBSET_DROP, capability, 0, 0, 0) != 0) return false;
    }
    __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct data[2]{};
    if (::syscall(SYS_capget, &header, data) != 0) return false;
    const unsigned mask = ~((1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH));
    data[0].effective &= mask;
    data[0].permitted &= mask;
    data[0].inheritable &= mask;
    return ::syscall(SYS_capset, &header, data) == 0;
}

// In the child: applies the restrictions; exits when one cannot be applied.
void applyRestrictions(const Restrictions& restrictions) {
    if (restrictions.fileSizeLimit) {
        std::signal(SIGXFSZ, SIG_IGN);  // stays ignored across exec
        const rlimit limit{*restrictions.fileSizeLimit, *restrictions.fileSizeLimit};
        if (::setrlimit(RLIMIT_FSIZE, &limit) != 0) ::_exit(kRestrictionFailed);
    }
    if (restrictions.obeyFilePermissions && !dropFilePermissionOverrides()) ::_exit(kRestrictionFailed);
}

// Reads both pipes to their ends.
void drain(int outFd, int errFd, CliResult& result) {
    pollfd fds[2] = {{outFd, POLLIN, 0}, {errFd, POLLIN, 0}};
    std::string* targets[2] = {&result.out, &result.err};
    int open = 2;
    while (open > 0) {
        if (::poll(fds, 2, -1) < 0) continue;
        for (int k = 0; k < 2; ++k) {
            if (fds[k].fd < 0 || fds[k].revents == 0) continue;
            char buffer[4096];
            const ssize_t got = ::read(fds[k].fd, buffer, sizeof buffer);
            if (got > 0) {
                targets[k]->append(buffer, static_cast<std::size_t>(got));
            } else {
                ::close(fds[k].fd);
                fds[k].fd = -1;
                --open;
            }
        }
    }
}

}  // namespace

CliResult runRestricted(const std::vector<std::string>& arguments, const Restrictions& restrictions) {
    int out[2], err[2];
    CliResult result;
    if (::pipe2(out, O_CLOEXEC) != 0 || ::pipe2(err, O_CLOEXEC) != 0) return result;
    const pid_t child = ::fork();
    if (child == 0) {
        ::dup2(out[1], STDOUT_FILENO);
        ::dup2(err[1], STDERR_FILENO);
        const int none = ::open("/dev/null", O_RDONLY);
        ::dup2(none, STDIN_FILENO);
        applyRestrictions(restrictions);
        std::vector<char*> argv;
        argv.push_back(const_cast<char*>(CORVANE_EXECUTABLE));
        for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
        argv.push_back(nullptr);
        ::execv(CORVANE_EXECUTABLE, argv.data());
        ::_exit(127);
    }
    ::close(out[1]);
    ::close(err[1]);
    drain(out[0], err[0], result);
    int raw = 0;
    ::waitpid(child, &raw, 0);
    result.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    return result;
}

bool unreadableUnderRestrictions(const std::string& path) {
    const pid_t child = ::fork();
    if (child == 0) {
        if (!dropFilePermissionOverrides()) ::_exit(kRestrictionFailed);
        ::_exit(::open(path.c_str(), O_RDONLY) < 0 ? 0 : 1);
    }
    int raw = 0;
    ::waitpid(child, &raw, 0);
    return WIFEXITED(raw) && WEXITSTATUS(raw) == 0;
}

}  // namespace corvane::testing
