#include "report/results_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace corvane {

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
    dataAtRead_ = std::string();
    return true;
}

void ResultsFile::close() {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
}

std::optional<std::string> ResultsFile::readAll() { return readBytes(std::string::npos); }

std::optional<std::string> ResultsFile::readBytes(std::size_t length) {
    if (fd_ < 0) return std::nullopt;
    std::string text;
    char buffer[1 << 16];
    off_t offset = 0;
    while (text.size() < length) {
        ssize_t got = ::pread(fd_, buffer, std::min(sizeof buffer, length - text.size()), offset);
        if (got < 0) {
            if (errno == EINTR) continue;
            return std::nullopt;
        }
        if (got == 0) break;
        text.append(buffer, static_cast<std::size_t>(got));
        offset += got;
    }
    return text;
}

void ResultsFile::positionAfterData(std::size_t offset, bool lineBreakFirst) {
    position_ = offset;
    cutPending_ = true;
    lineBreakFirst_ = lineBreakFirst;
    dataAtRead_ = readBytes(offset);
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
    if (readBytes(position_) != dataAtRead_) {
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
    std::string line;
    line.reserve(record.size() + 2);
    line.append(record);
    line.append("\r\n");
    writeBytes(line);
}

}  // namespace corvane
