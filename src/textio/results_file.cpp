#include "textio/results_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>

namespace corvane {
namespace {

constexpr std::size_t kPendingLimit = 1 << 16;
constexpr const char* kChangedAfterRead = "cannot write the results file: it was changed after the Read; read it again";

}  // namespace

ResultsFile::~ResultsFile() { close(); }

bool ResultsFile::open(const std::string& path) {
    close();
    return openDescriptor(path, O_RDWR | O_CREAT | O_CLOEXEC);
}

bool ResultsFile::openDescriptor(const std::string& path, int flags) {
    int fd = ::open(path.c_str(), flags, 0644);
    if (fd < 0) return false;
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return false;
    }
    std::error_code error;
    std::filesystem::path absolute = std::filesystem::absolute(path, error);
    fd_ = fd;
    path_ = error ? path : absolute.string();
    position_ = 0;
    cutPending_ = true;
    checkPending_ = false;
    lineBreakFirst_ = false;
    dataAtRead_ = Prefix{};
    written_.reset();
    return true;
}

void ResultsFile::close() {
    writePendingQuietly();
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
    path_.clear();
}

bool ResultsFile::followPath() {
    if (fd_ >= 0 && stillNamedByPath()) return true;
    if (path_.empty()) return false;
    const std::string path = path_;
    close();
    if (openDescriptor(path, O_RDWR | O_CLOEXEC)) return true;
    // The path stays the chosen one: a file put back under it is taken by
    // the next call.
    path_ = path;
    return false;
}

bool ResultsFile::stillNamedByPath() const {
    // A deleted file fails here too: while it is open its inode cannot be
    // given to another file, so the path names nothing or another inode.
    struct stat open {}, named {};
    if (::fstat(fd_, &open) != 0) return false;
    if (::stat(path_.c_str(), &named) != 0) return false;
    return open.st_dev == named.st_dev && open.st_ino == named.st_ino;
}

std::optional<std::string> ResultsFile::readAll() {
    if (fd_ < 0) return std::nullopt;
    writePendingQuietly();
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

std::size_t ResultsFile::size() const {
    struct stat info {};
    if (fd_ < 0 || ::fstat(fd_, &info) != 0 || info.st_size < 0) return 0;
    return static_cast<std::size_t>(info.st_size);
}

std::optional<std::size_t> ResultsFile::appendBytesAt(std::size_t offset, std::size_t limit, std::string& text) {
    if (fd_ < 0) return std::nullopt;
    writePendingQuietly();
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
    Prefix seen;
    char buffer[1 << 16];
    while (seen.length < length) {
        ssize_t got =
            ::pread(fd_, buffer, std::min(sizeof buffer, length - seen.length), static_cast<off_t>(seen.length));
        if (got < 0) {
            if (errno == EINTR) continue;
            return std::nullopt;
        }
        if (got == 0) break;
        seen.digest.add(std::string_view(buffer, static_cast<std::size_t>(got)));
        seen.length += static_cast<std::size_t>(got);
    }
    return seen;
}

bool ResultsFile::unchangedSinceLastRun() {
    struct stat info {};
    if (!written_ || ::fstat(fd_, &info) != 0 || static_cast<std::size_t>(info.st_size) != position_) return false;
    const std::optional<Prefix> now = prefix(position_);
    return now && now->sameAs(Prefix{position_, *written_});
}

void ResultsFile::positionAfterData(std::size_t offset, bool lineBreakFirst) {
    writePendingQuietly();
    position_ = offset;
    cutPending_ = true;
    checkPending_ = false;
    written_.reset();
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
        written_->add(bytes.substr(0, static_cast<std::size_t>(put)));
        position_ += static_cast<std::size_t>(put);
        bytes.remove_prefix(static_cast<std::size_t>(put));
    }
}

void ResultsFile::cut() {
    if (!cutPending_) return;
    if (fd_ < 0) throw WriteError("no results file is open");
    // Cutting a file that another program changed since the Read would cut
    // into data the reader has not seen; a file replaced under its name
    // would take a report nobody can find.
    const std::optional<Prefix> now = stillNamedByPath() ? prefix(position_) : std::nullopt;
    if (!dataAtRead_ || !now || !now->sameAs(*dataAtRead_)) throw WriteError(kChangedAfterRead);
    if (::ftruncate(fd_, static_cast<off_t>(position_)) != 0) {
        throw WriteError(std::string("cannot write the results file: ") + std::strerror(errno));
    }
    cutPending_ = false;
    written_ = dataAtRead_->digest;
    if (lineBreakFirst_) {
        lineBreakFirst_ = false;
        writeBytes("\r\n");
    }
}

void ResultsFile::writeRecord(std::string_view record) {
    if (cutPending_) {
        cut();
    } else if (checkPending_) {
        // Reports written after an outside change would land in a file that
        // no longer has a name, or over what the other program wrote.
        if (fd_ < 0 || !stillNamedByPath() || !unchangedSinceLastRun()) throw WriteError(kChangedAfterRead);
        checkPending_ = false;
    }
    pending_.append(record);
    pending_.append("\r\n");
    if (pending_.size() >= kPendingLimit) writePending();
}

void ResultsFile::flush() {
    writePending();
    checkPending_ = !cutPending_;
}

void ResultsFile::writePending() {
    if (pending_.empty()) return;
    std::string bytes;
    bytes.swap(pending_);  // a failed write drops its records, as a single write would
    writeBytes(bytes);
    bytes.clear();
    if (pending_.capacity() < bytes.capacity()) pending_.swap(bytes);
}

void ResultsFile::writePendingQuietly() noexcept {
    try {
        writePending();
    } catch (const WriteError&) {
        pending_.clear();
    }
}

}  // namespace corvane
