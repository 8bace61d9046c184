#include "dialog/file_pages.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <stdexcept>
#include <utility>

namespace corvane {

std::optional<FilePages> FilePages::open(const std::string& path, std::error_code& error, std::size_t pageBytes) {
    error.clear();
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        error.assign(errno, std::generic_category());
        return std::nullopt;
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        error.assign(S_ISDIR(info.st_mode) ? EISDIR : ENODEV, std::generic_category());
        ::close(fd);
        return std::nullopt;
    }
    return FilePages(fd, static_cast<std::size_t>(info.st_size), pageBytes == 0 ? kPageBytes : pageBytes);
}

FilePages::FilePages(int fd, std::size_t bytes, std::size_t pageBytes) : fd_(fd), bytes_(bytes), pageBytes_(pageBytes) {
    // The bytes after the last page bound may all belong to a line that
    // started before it: that page would be empty.
    const std::size_t pages = std::max<std::size_t>((bytes_ + pageBytes_ - 1) / pageBytes_, 1);
    count_ = static_cast<int>(pages);
    if (pages > 1 && lineStartFrom((pages - 1) * pageBytes_) >= bytes_) --count_;
}

FilePages::FilePages(FilePages&& other) noexcept
    : fd_(std::exchange(other.fd_, -1)), bytes_(other.bytes_), pageBytes_(other.pageBytes_), count_(other.count_) {}

FilePages& FilePages::operator=(FilePages&& other) noexcept {
    if (this != &other) {
        if (fd_ >= 0) ::close(fd_);
        fd_ = std::exchange(other.fd_, -1);
        bytes_ = other.bytes_;
        pageBytes_ = other.pageBytes_;
        count_ = other.count_;
    }
    return *this;
}

FilePages::~FilePages() {
    if (fd_ >= 0) ::close(fd_);
}

std::size_t FilePages::read(std::size_t offset, std::size_t length, std::string& into) const {
    const std::size_t start = into.size();
    into.resize(start + length);
    std::size_t got = 0;
    while (got < length) {
        const ssize_t n = ::pread(fd_, into.data() + start + got, length - got, static_cast<off_t>(offset + got));
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) throw std::runtime_error(std::string("cannot read the file: ") + std::strerror(errno));
        if (n == 0) break;
        got += static_cast<std::size_t>(n);
    }
    into.resize(start + got);
    return got;
}

std::size_t FilePages::lineStartFrom(std::size_t offset) const {
    if (offset == 0 || offset >= bytes_) return std::min(offset, bytes_);
    std::string piece;
    read(offset - 1, pageBytes_, piece);  // the byte before: offset may start a line already
    const std::size_t feed = piece.find('\n');
    return feed == std::string::npos ? offset : offset + feed;
}

std::string FilePages::page(int index) const {
    std::string text;
    if (index < 0) return text;
    const std::size_t first = static_cast<std::size_t>(index) * pageBytes_;
    if (first >= bytes_) return text;
    const std::size_t begin = lineStartFrom(first);
    const std::size_t end = lineStartFrom(first + pageBytes_);
    if (end > begin) read(begin, end - begin, text);
    return text;
}

}  // namespace corvane
