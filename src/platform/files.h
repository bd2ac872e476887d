#pragma once
// Files by UTF-8 path: a replacement that never leaves half a file, a bounded
// read of regular files only, and the few single calls the recovery copy and
// the ini file need. files_posix.cpp holds the system calls; a Windows
// version converts the path to UTF-16, writes the temporary with CreateFileW,
// syncs it with FlushFileBuffers and renames it with MoveFileExW
// (MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH, which also makes the
// rename last), and refuses anything GetFileType does not call a disk file;
// it tells a temporary's process from OpenProcess failing with
// ERROR_INVALID_PARAMETER, and makes private files with an owner-only DACL.

#include <cstddef>
#include <string>
#include <string_view>

namespace vrq::platform {

enum class FileStatus { Ok, CannotOpen, NotRegular, TooLarge, ReadFailed, WriteFailed };

struct FileOutcome {
    FileStatus status = FileStatus::Ok;
    int error = 0;  // the errno value behind it; 0 when the system gave none
};

// Writes `bytes` to a new file beside `path`, syncs it, keeps the old file's
// permission bits and renames it over `path`, then syncs the folder. A
// symbolic link is followed, so the file it names is replaced and the link
// stays; the old file is untouched on any failure. `ownerOnly` makes the new
// file 0600 from its creation, whatever the old one had. Temporaries of this
// pattern left in the folder by a process that no longer runs (a crash or a
// power loss during a save) are removed first.
FileOutcome replaceFileSynced(const std::string& path, std::string_view bytes, bool ownerOnly = false);

// The whole file into `out` when it is a regular file of at most `cap` bytes;
// `out` is left empty otherwise. Opening never waits (a FIFO without writer
// is refused, not waited for).
FileOutcome readRegularFileBounded(const std::string& path, std::size_t cap, std::string& out);

bool fileExists(const std::string& path);
// Known to be absent, not merely unreadable; a dangling link is not missing.
bool fileIsMissing(const std::string& path);
// A folder only its owner may enter, made so from its creation, as are the
// missing folders above it; an existing one is kept as it is.
void makePrivateFolder(const std::string& path);
void removeFile(const std::string& path);
// 0 or the errno value.
int renameFile(const std::string& from, const std::string& to);

}  // namespace vrq::platform
