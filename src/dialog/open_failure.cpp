#include "dialog/open_failure.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>

#include "problem/problem_state.h"

namespace corvane {
namespace {

namespace fs = std::filesystem;

struct Reason {
    const char* romanian;
    const char* english;
};

constexpr Reason kFolder{"Este un director, nu un fisier.", "It is a folder, not a file."};
constexpr Reason kNotAFile{"Nu este un fisier obisnuit.", "It is not a regular file."};
constexpr Reason kReadOnlyFile{"Fisierul este doar pentru citire: datele se pot citi, dar rapoartele nu se pot scrie in el.",
                               "The file is read-only: its data can be read, but no report can be written into it."};
constexpr Reason kReadOnlyFileSystem{"Sistemul de fisiere este doar pentru citire.", "The file system is read-only."};
constexpr Reason kMissing{"Fisierul nu exista.", "The file does not exist."};

// The system's reasons in Romanian; others are told in English.
struct SystemReason {
    int error;
    const char* romanian;
};
constexpr SystemReason kRomanianSystemReasons[] = {
    {EACCES, "Acces interzis (permisiuni insuficiente)."},
    {EPERM, "Operatie nepermisa."},
    {ENOENT, "Directorul nu exista."},
    {ENOTDIR, "O parte a caii nu este un director."},
    {ENOSPC, "Nu mai este spatiu pe disc."},
    {ENAMETOOLONG, "Numele fisierului este prea lung."},
    {EBUSY, "Fisierul este ocupat."},
    {ETXTBSY, "Fisierul este ocupat."},
    {EISDIR, "Este un director."},
    {EROFS, "Sistemul de fisiere este doar pentru citire."},
    {EIO, "Eroare de intrare/iesire."},
};

std::string told(const Reason& reason, int language) {
    return language == kEnglish ? reason.english : reason.romanian;
}

}  // namespace

std::string systemFailureReason(int error, int language) {
    if (language != kEnglish) {
        for (const SystemReason& known : kRomanianSystemReasons) {
            if (known.error == error) return known.romanian;
        }
    }
    return std::string(std::strerror(error)) + ".";
}

namespace {

bool nobodyMayWrite(fs::perms permissions) {
    return (permissions & (fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write)) == fs::perms::none;
}

// Why the file, or the folder it would be created in, refuses reading and
// writing: an errno value, 0 when it does not.
int accessError(const fs::path& file, bool exists) {
    if (exists) return ::access(file.c_str(), R_OK | W_OK) == 0 ? 0 : errno;
    fs::path folder = file.has_parent_path() ? file.parent_path() : fs::path(".");
    return ::access(folder.c_str(), W_OK | X_OK) == 0 ? 0 : errno;
}

}  // namespace

std::string missingFileReason(int language) { return told(kMissing, language); }

std::string openFailureReason(const std::string& path, int language) {
    std::error_code ignored;
    const fs::file_status status = fs::status(path, ignored);
    if (fs::is_directory(status)) return told(kFolder, language);
    const bool exists = fs::exists(status);
    if (exists && !fs::is_regular_file(status)) return told(kNotAFile, language);
    const int error = accessError(path, exists);
    if (error == 0) return {};
    if (error == EROFS) return told(kReadOnlyFileSystem, language);
    if (error == EACCES && exists && nobodyMayWrite(status.permissions())) return told(kReadOnlyFile, language);
    return systemFailureReason(error, language);
}

std::string existingFileFailureReason(const std::string& path, int language) {
    std::error_code ignored;
    const fs::file_status status = fs::status(path, ignored);
    if (!fs::exists(status)) {
        const fs::path file(path);
        const fs::path folder = file.has_parent_path() ? file.parent_path() : fs::path(".");
        if (fs::is_directory(folder, ignored)) return told(kMissing, language);
    }
    return openFailureReason(path, language);
}

}  // namespace corvane
