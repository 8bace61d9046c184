#include "report/results_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "report/content_digest.h"

namespace corvane {
namespace {

constexpr std::size_t kPendingLimit = 1 << 16;

}  // namespace

ResultsFile::~ResultsFile() { close(); }

bool ResultsFile::open(const std::string& path) {
    close();
    int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0) return false;
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return false;
    }
    fd_ = fd;
    path_ = path;
    position_ = 0;
    cutPending_ = true;
    lineBreakFirst_ = false;
    dataAtRead_ = Prefix{0, ContentDigest().value()};
    return true;
}

void ResultsFile::close() {
    flushQuietly();
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
}

std::optional<std::string> ResultsFile::readAll() {
    if (fd_ < 0) return std::nullopt;
    flushQuietly();
    // Read straight into a string of the file's size (a data file of order
    // 2000 is some 50 MB; growing a string by doubling would hold up to twice
    // that); a file that grows meanwhile is read to its end all the same.
    std::string text;
    struct stat info {};
    if (::fstat(fd_, &info) == 0 && info.st_size > 0) text.resize(static_cast<std::size_t>(info.st_size));
    std::size_t size = 0;
    char more[1 << 12];  // what lies beyond the size seen at first
    for (;;) {
        const bool inPlace = size < text.size();
        char* into = inPlace ? text.data() + size : more;
        const std::size_t room = inPlace ? text.size() - size : sizeof more;
        ssize_t got = ::pread(fd_, into, room, static_cast<off_t>(size));
        if (got < 0) {
            if (errno == EINTR) continue;
            return std::nullopt;
        }
        if (got == 0) break;
        if (!inPlace) {
            text.resize(size);
            text.append(more, static_cast<std::size_t>(got));
        }
        size += static_cast<std::size_t>(got);
    }
    text.resize(size);
    return text;
}

std::optional<std::size_t> ResultsFile::appendBytesAt(std::size_t offset, std::size_t limit, std::string& text) {
    if (fd_ < 0) return std::nullopt;
    flushQuietly();
    const std::size_t start = text.size();
    text.resize(start + limit);
    for (;;) {
        ssize_t got = ::pread(fd_, text.data() + start, limit, static_cast<off_t>(offset));
        if (got < 0 && errno == EINTR) continue;
        text.resize(start + (got > 0 ? static_cast<std::size_t>(got) : 0));
        if (got < 0) return std::nullopt;
        return static_cast<std::size_t>(got);
    }
}

std::optional<ResultsFile::Prefix> ResultsFile::prefix(std::size_t length) {
    ContentDigest digest;
    std::size_t done = 0;
    char buffer[1 << 16];
    while (done < length) {
        ssize_t got = ::pread(fd_, buffer, std::min(sizeof buffer, length - done), static_cast<off_t>(done));
        if (got < 0) {
            if (errno == EINTR) continue;
            return std::nullopt;
        }
        if (got == 0) break;
        digest.add(std::string_view(buffer, static_cast<std::size_t>(got)));
        done += static_cast<std::size_t>(got);
    }
    return Prefix{done, digest.value()};
}

void ResultsFile::positionAfterData(std::size_t offset, bool lineBreakFirst) {
    flushQuietly();
    position_ = offset;
    cutPending_ = true;
    lineBreakFirst_ = lineBreakFirst;
    dataAtRead_ = prefix(offset);
}

void ResultsFile::writeBytes(std::string_view bytes) {
    if (fd_ < 0) throw WriteError("no results file is open");
    while (!bytes.empty()) {
        ssize_t put = ::pwrite(fd_, bytes.data(), bytes.size(), static_cast<off_t>(position_));
        if (put < 0) {
            if (errno == EINTR) continue;
            throw WriteError(std::string("cannot write the results file: ") + std::strerror(errno));
        }
        position_ += static_cast<std::size_t>(put);
        bytes.remove_prefix(static_cast<std::size_t>(put));
    }
}

void ResultsFile::cut() {
    if (!cutPending_) return;
    if (fd_ < 0) throw WriteError("no results file is open");
    // Cutting a file that another program changed since the Read would cut
    // into data the reader has not seen.
    if (!dataAtRead_ || prefix(position_) != dataAtRead_) {
        throw WriteError("cannot write the results file: it was changed after the Read; read it again");
    }
    if (::ftruncate(fd_, static_cast<off_t>(position_)) != 0) {
        throw WriteError(std::string("cannot write the results file: ") + std::strerror(errno));
    }
    cutPending_ = false;
    if (lineBreakFirst_) {
        lineBreakFirst_ = false;
        writeBytes("\r\n");
    }
}

void ResultsFile::writeRecord(std::string_view record) {
    cut();
    pending_.append(record);
    pending_.append("\r\n");
    if (pending_.size() >= kPendingLimit) flush();
}

void ResultsFile::flush() {
    if (pending_.empty()) return;
    std::string bytes;
    bytes.swap(pending_);  // a failed write drops its records, as a single write would
    writeBytes(bytes);
    bytes.clear();
    if (pending_.capacity() < bytes.capacity()) pending_.swap(bytes);
}

void ResultsFile::flushQuietly() noexcept {
    try {
        flush();
    } catch (const WriteError&) {
        pending_.clear();
    }
}

}  // namespace corvane
