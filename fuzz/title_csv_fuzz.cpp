// Titles from a spreadsheet: any bytes, in either encoding guess, must give
// either a list of problems (bounded) or rows that fit their cells, never a
// crash, a hang or a title the device could not take apart on the wire.
//
// Input: flags (bit 0 single-line model), then the file bytes.

#include "fuzz_support.h"
#include "model/reset_settings.h"
#include "protocol/title_csv.h"

using namespace vrq;

namespace {

// A stand-in for the console's code page: every character from U+3000 up has
// a two-byte code in the kanji range, decoding gives it back.
TitleCharCodec toyCodec() {
    TitleCharCodec codec;
    codec.encode = [](char32_t c) -> std::optional<std::string> {
        if (c < 0x3000 || c > 0x3000 + 31 * 188) return std::nullopt;
        const unsigned n = static_cast<unsigned>(c - 0x3000);
        std::string b(2, '\0');
        b[0] = static_cast<char>(0x81 + n / 188);
        b[1] = static_cast<char>(0x40 + n % 188 + (n % 188 >= 0x3F ? 1 : 0));
        return b;
    };
    codec.decode = [](std::string_view b) -> std::optional<char32_t> {
        if (b.size() != 2) return std::nullopt;
        return static_cast<char32_t>(0x3000 + static_cast<unsigned char>(b[1]));
    };
    return codec;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1) return 0;
    const Product p = fuzz::productOf(data[0]);
    static const TitleCharCodec codec = toyCodec();
    const TitleCsvImport imp = readTitlesCsv(fuzz::bytesOf(data + 1, size - 1), p, codec);
    if (imp.problems.size() > kCsvProblemsListed + 1) fuzz::fail("problem list beyond its bound");
    if (!imp.problems.empty() && !imp.rows.empty()) fuzz::fail("rows kept from a refused file");
    const std::size_t maxBytes = p == Product::Single ? kSingleTitleMaxBytes : kTitleLineMaxBytes;
    for (const TitleCsvRow& r : imp.rows) {
        if (r.page < 0 || r.page >= kPages || r.line < 0 || r.line >= (p == Product::Single ? 1 : kLines))
            fuzz::fail("row outside the pages and lines");
        if (r.bytes.size() > maxBytes || r.bytes.size() % 2) fuzz::fail("title longer than its line or cut");
    }
    RecordingNotifier notes;
    Console& c = fuzz::consoleFor(p, notes);
    resetSettings(c);
    applyTitleRows(c.settings, p, imp.rows);
    fuzz::checkCells(c);
    return 0;
}
