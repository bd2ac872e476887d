#pragma once
// The settings document (.dat): the persisted part of the settings model, one
// record a line in a fixed order, numbers as decimal text, texts as their
// Shift-JIS bytes. CR LF is written; a lone LF is read as well.

#include <string>
#include <string_view>

#include "model/console.h"

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

    // False when the file cannot be opened or created; `path` is UTF-8.
    static bool save(const Console& c, const std::string& path);
    // False when the file cannot be opened; the model is then unchanged.
    static bool load(Console& c, const std::string& path);
};

}  // namespace vrq
