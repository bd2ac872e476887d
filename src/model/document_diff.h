#pragma once
// Differences between two settings documents in the operator's terms: where
// (page and line, schedule day and entry, connector), which setting, and
// both values. Titles stay Shift-JIS text; the caller shows them.

#include <cstddef>
#include <string>
#include <vector>

#include "model/settings_model.h"

namespace vrq {

struct Difference {
    // 1-based as the device and the dialogs count; 0 where it does not apply.
    int page = 0, line = 0, day = 0, entry = 0, connector = 0;
    std::string field;
    std::string a, b;
    bool text = false;  // a and b are Shift-JIS texts (titles, hold time)

    // "page 12 line 3", "day 5 entry 7", "connector 2" or "" for a device-wide setting.
    std::string place() const;
};

struct DocumentDiff {
    std::vector<Difference> items;  // the first `limit`, in document order
    std::size_t total = 0;          // all of them
};

// Compares the records a document of `p` holds. A single-line document
// counts only the first line of each page, the one the device has.
DocumentDiff compareDocuments(const SettingsModel& a, const SettingsModel& b, Product p, std::size_t limit = 1000);

}  // namespace vrq
