#include "textio/stream_report.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace corvane {
namespace {

constexpr std::size_t kPendingLimit = 1 << 16;

}  // namespace

StreamReport::StreamReport(int fd, bool closeAtEnd) : fd_(fd), closeAtEnd_(closeAtEnd) {}

StreamReport::~StreamReport() {
    // Every run has flushed; what is left comes from a run that stopped on an
    // exception, and goes out as far as the medium takes it.
    try {
        flush();
    } catch (const WriteError&) {
    }
    if (closeAtEnd_) ::close(fd_);
}

void StreamReport::writeRecord(std::string_view record) {
    pending_.append(record);
    pending_.append("\r\n");
    if (pending_.size() >= kPendingLimit) flush();
}

void StreamReport::flush() {
    std::string bytes;
    bytes.swap(pending_);  // a failed write drops its records, as a single write would
    writeBytes(bytes);
    bytes.clear();
    if (pending_.capacity() < bytes.capacity()) pending_.swap(bytes);
}

void StreamReport::writeBytes(std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t put = ::write(fd_, bytes.data(), bytes.size());
        if (put < 0) {
            if (errno == EINTR) continue;
            throw WriteError(std::string("cannot write the report: ") + std::strerror(errno));
        }
        bytes.remove_prefix(static_cast<std::size_t>(put));
    }
}

}  // namespace corvane
