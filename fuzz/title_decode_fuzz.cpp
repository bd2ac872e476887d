// Title read-back: hexadecimal JIS codes into Shift-JIS text, stored into a
// page of either model, the page number taken from the input as well.
//
// Input: two bytes of page number (big end first; most are out of range),
// then the hexadecimal digits.

#include "fuzz_support.h"
#include "protocol/title_decode.h"

using namespace vrq;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) return 0;
    // Pages around both ends of the table are the interesting ones.
    const int page = static_cast<std::int16_t>((data[0] << 8) | data[1]);
    const std::string_view hex = fuzz::bytesOf(data + 2, size - 2);

    const std::string text = decodeTitleHex(hex);
    if (text.size() != kTitleTextBytes) fuzz::fail("decoded title of the wrong size");

    RecordingNotifier notes;
    Console& multi = fuzz::consoleFor(Product::Multi, notes);
    storeTitleLines(multi.settings, page, text);
    // The stores also meet texts other than the decoder's, longer or shorter.
    storeTitleLines(multi.settings, page, hex);
    Console& single = fuzz::consoleFor(Product::Single, notes);
    storeSingleTitle(single.settings, page, text);
    storeSingleTitle(single.settings, page, hex);

    if (page >= 0 && page < kPages) {
        fuzz::checkCells(multi);
        fuzz::checkCells(single);
    }
    return 0;
}
