#pragma once
// File mechanics that never lose a file: a replacement is written beside the
// old file, checked, synced and renamed over it; a read takes regular files
// only and never more than a cap. A save also removes the temporaries that
// saves cut short by a crash left in its folder.

#include <cstddef>
#include <string>
#include <string_view>

#include "model/message.h"

namespace vrq {

enum class FileProblem {
    None,
    CannotOpen,      // missing, no permission, a folder
    NotRegular,      // a device, a FIFO, a socket
    TooLarge,        // above the cap of its kind
    ReadFailed,
    WriteFailed,     // anything from creating the new file to the rename
    OtherModel,      // a settings document of the other program
    TooManyRecords,  // more records than this program's document holds
    NotADocument,    // nothing in it is a record (an empty file)
};

struct FileResult {
    FileProblem problem = FileProblem::None;
    std::string reason;  // the system's words for it, when it gave any
    bool newFile = false;  // a save that failed had no original file to keep
    explicit operator bool() const { return problem == FileProblem::None; }
};

// Settings documents are about 250 KB; glyph files a few KB.
inline constexpr std::size_t kDocumentSizeCap = std::size_t{4} << 20;
inline constexpr std::size_t kGlyphFileSizeCap = std::size_t{1} << 20;

// Replaces (or creates) `path` with `bytes`. The old file keeps its contents
// on any failure and its permission bits on success; a symbolic link is
// followed, so the file it names is replaced and the link stays.
FileResult writeFileAtomically(const std::string& path, std::string_view bytes);
// The same for a file only its owner may read (0600 from its creation, also
// over an old file that allowed more).
FileResult writePrivateFileAtomically(const std::string& path, std::string_view bytes);

// The whole file into `out`, which is left empty on any problem. Opening never
// waits (a FIFO without writer is refused, not waited for).
FileResult readRegularFile(const std::string& path, std::size_t cap, std::string& out);

// The notice for the operator: what went wrong with `path` (placed as it is),
// and the system's reason when there is one. `saving` picks the words for a
// failed save.
Message fileProblemText(const FileResult& r, const std::string& path, bool saving);

// The same in a few words for the command line: "not a regular file", or the
// system's reason.
std::string fileProblemReason(const FileResult& r);

}  // namespace vrq
