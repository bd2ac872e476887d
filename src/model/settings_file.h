#pragma once
// The settings document (.dat): the persisted part of the settings model, one
// record a line in a fixed order, numbers as decimal text, texts as their
// Shift-JIS bytes. CR LF is written; a lone LF is read as well.

#include <cstdint>
#include <string>
#include <string_view>

#include "model/console.h"
#include "model/safe_file.h"

namespace vrq {

inline constexpr int kMultiDocumentLines = 40146;
inline constexpr int kSingleDocumentLines = 35538;

struct SettingsFile {
    // Number of records of a document of `p`.
    static int recordCount(Product p);

    // The whole document as bytes.
    static std::string serialize(const Console& c);

    // Stores the records of `bytes` into the model in order; fields past the
    // last record keep their values. Damaged lines are made safe: texts are cut
    // at their cell, a line without a number reads as 0. Returns the number of
    // records loaded.
    static int deserialize(Console& c, std::string_view bytes);

    // Whether `bytes` can be a document of `p`: numbers where its records are
    // numbers (the device-wide ones always), not longer than its records,
    // and not shaped like the other program's document. The two differ in
    // the title block (ten titles a page or one), so records that are titles
    // in one are numbers in the other; a document too short to tell is taken
    // as one of `p`.
    static FileProblem check(std::string_view bytes, Product p);

    // Replaces the file as a whole or not at all; `path` is UTF-8.
    static FileResult save(const Console& c, const std::string& path);
    // Regular files under the size cap that pass `check`, loaded over the
    // default of every record, so nothing of the document open before remains.
    // `missing` gets the number of records the file lacked (they keep their
    // defaults). On any problem the model is unchanged; a file without a
    // single record is no document.
    static FileResult load(Console& c, const std::string& path, int* missing = nullptr);
};

// The document as last opened, saved or reset, kept as a fingerprint of its
// records: a change made by any path (a dialog, a read-back) shows as a
// difference, and setting the flag then does not depend on remembering every
// place that writes the model.
std::uint64_t documentFingerprint(const Console& c);
// After New, Open and Save: the document is clean and this is its content.
void markDocumentClean(Console& c);
// Sets documentModified when the records differ from the clean ones; returns the flag.
bool noteDocumentChanges(Console& c);

}  // namespace vrq
