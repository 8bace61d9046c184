#pragma once
// A text file too large to edit, read a page at a time: page k holds the
// lines that start in bytes [k·pageBytes, (k+1)·pageBytes), so no line is
// cut and reading one page never reads the whole file. A line longer than a
// page is cut at the page bound after pageBytes bytes of search. Only the
// open file and the page asked for are held.

#include <cstddef>
#include <optional>
#include <string>
#include <system_error>

namespace corvane {

// Files above this size open in the read-only page view instead of the editor.
inline constexpr std::size_t kLargestEditedFile = std::size_t{16} << 20;

class FilePages {
public:
    static constexpr std::size_t kPageBytes = std::size_t{1} << 20;

    // Opens the file for reading; nothing, with the reason in `error`, when
    // it cannot be opened (a folder or a device is no text file: EISDIR, ENODEV).
    static std::optional<FilePages> open(const std::string& path, std::error_code& error,
                                         std::size_t pageBytes = kPageBytes);

    FilePages(FilePages&& other) noexcept;
    FilePages& operator=(FilePages&& other) noexcept;
    FilePages(const FilePages&) = delete;
    FilePages& operator=(const FilePages&) = delete;
    ~FilePages();

    std::size_t fileBytes() const { return bytes_; }
    // At least one page, also for an empty file; none of them empty but for
    // an empty file.
    int count() const { return count_; }
    // The bytes of page `index` (0-based) as the file holds them now; empty
    // for a page beyond the file's end. Throws std::runtime_error when the
    // file cannot be read.
    std::string page(int index) const;

private:
    FilePages(int fd, std::size_t bytes, std::size_t pageBytes);
    // The first line start at or after `offset` (within a page's search).
    std::size_t lineStartFrom(std::size_t offset) const;
    std::size_t read(std::size_t offset, std::size_t length, std::string& into) const;

    int fd_ = -1;
    std::size_t bytes_ = 0;  // the file's size when it was opened
    std::size_t pageBytes_ = kPageBytes;
    int count_ = 1;
};

}  // namespace corvane
