#pragma once
// The results file: the user's data at its start, the reports after it.
// The reader takes the whole text and tells where the data ended; the first
// report record after a read cuts the file there, later records are appended.
// Records end with CR LF. Records are collected and written in large pieces;
// flush() (called at the end of every run) writes what is left, and a failed
// write throws WriteError from writeRecord or flush.
// Another program may change the file between runs, or replace it under its
// name (save by rename). The first record of each run checks that the path
// still names the open file and that the file still holds exactly what was
// read and written so far; otherwise the run is refused until the next Read.

#include <cstdint>
#include <optional>
#include <string>

#include "textio/content_digest.h"
#include "textio/record_sink.h"

namespace corvane {

class ResultsFile : public RecordSink {
public:
    ResultsFile() = default;
    ~ResultsFile() override;
    ResultsFile(const ResultsFile&) = delete;
    ResultsFile& operator=(const ResultsFile&) = delete;

    // Opens (or creates) the file for reading and writing. Returns false when
    // it cannot be opened; the previous file, if any, is closed either way.
    bool open(const std::string& path);
    void close();
    bool isOpen() const { return fd_ >= 0; }


    // Makes the open file the one its path names now: a file replaced under
    // its name (or deleted and made anew) is opened again, without creating
    // one. Returns false, with no file open, when the path names no file
    // that can be opened for reading and writing; the path is kept, so that
    // a later call takes a file put back under it. After close() there is
    // no path to follow.
    bool followPath();

    // The whole file from its first byte; nullopt when it cannot be read.
    std::optional<std::string> readAll();
    // The file's length in bytes now; 0 when none is open or it cannot be told.
    std::size_t size() const;
    // Appends at most `limit` bytes from byte `offset` on to `text`; returns
    // how many (0 at the end of the file), nullopt when they cannot be read.
    std::optional<std::size_t> appendBytesAt(std::size_t offset, std::size_t limit, std::string& text);

    // Reports start at byte `offset`; the file is cut there by the first
    // record. With lineBreakFirst a CR LF is written first, so that the report
    // does not continue a last data line that had no line end.
    void positionAfterData(std::size_t offset, bool lineBreakFirst);

    // Cuts the file at the report position now, before any record is written.
    // Throws WriteError, and leaves the file alone, when the bytes before that
    // position are no longer those seen by positionAfterData.
    void cut();

    void writeRecord(std::string_view record) override;
    // Ends a run: writes what is pending; the next record checks the file.
    void flush() override;

private:
    // What the first `length` bytes were, told apart from any other content
    // by their count and a digest.
    struct Prefix {
        std::size_t length = 0;
        ContentDigest digest;
        bool sameAs(const Prefix& other) const {
            return length == other.length && digest.value() == other.digest.value();
        }
    };
    // The first `length` bytes as the file holds them now; nullopt when they
    // cannot be read.
    std::optional<Prefix> prefix(std::size_t length);
    bool openDescriptor(const std::string& path, int flags);
    // Whether the path still names the open file (a deleted file it no longer names).
    bool stillNamedByPath() const;
    // Whether the file holds exactly the bytes read and written so far.
    bool unchangedSinceLastRun();
    void writeBytes(std::string_view bytes);
    void writePending();
    // Writes what is pending; a failure is dropped (used where a failure
    // cannot be reported and every run has already flushed).
    void writePendingQuietly() noexcept;

    int fd_ = -1;
    std::string path_;  // absolute, so that it names the same file wherever the program runs
    std::size_t position_ = 0;
    bool cutPending_ = true;
    bool checkPending_ = false;  // a run has ended since the last check
    bool lineBreakFirst_ = false;
    std::string pending_;  // records not yet written, to go at position_
    std::optional<Prefix> dataAtRead_;  // the bytes in front of the reports, as read
    std::optional<ContentDigest> written_;  // the digest of the bytes in front of position_, once cut
};

}  // namespace corvane
