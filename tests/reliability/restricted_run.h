#pragma once
// Runs the corvane executable in a child process under restrictions that a
// test cannot otherwise arrange: a file-size limit that makes writes fail as
// on a full disk, or a superuser that no longer reads every file.

#include <optional>
#include <string>
#include <sys/resource.h>
#include <vector>

#include "support/cli_runner.h"

namespace corvane::testing {

struct Restrictions {
    // RLIMIT_FSIZE with SIGXFSZ ignored: a write beyond this many bytes of any
    // file fails with EFBIG, as on a full disk.
    std::optional<rlim_t> fileSizeLimit;
    // Drops the capabilities that let the superuser read and write files
    // whatever their permissions say.
    bool obeyFilePermissions = false;
};

// Standard output and error are captured through pipes (not files), so the
// file-size limit does not apply to them.
CliResult runRestricted(const std::vector<std::string>& arguments, const Restrictions& restrictions);

// True when a process started with obeyFilePermissions cannot open `path` for
// reading; false when this machine cannot take that right away.
bool unreadableUnderRestrictions(const std::string& path);

}  // namespace corvane::testing
