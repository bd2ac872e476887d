// Serial reply path: received bytes in pieces through the line assembler,
// every line into the reply handler of either model, RS-232C or RS-485.
//
// Input: flags (bit 0 single-line model, bit 1 RS-485, bit 2 a run is going
// on, bit 3 build the send-all lines from what was stored), the size of each
// read (0: all at once), then the received bytes.

#include "fuzz_support.h"
#include "link/line_assembler.h"
#include "protocol/reply_parser.h"

using namespace vrq;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) return 0;
    const std::uint8_t flags = data[0];
    const std::size_t read = data[1] == 0 ? size : data[1];
    const std::string_view bytes = fuzz::bytesOf(data + 2, size - 2);

    RecordingNotifier notes;
    Console& c = fuzz::consoleFor(fuzz::productOf(flags), notes);
    c.app.serialMode = (flags & 2) ? kRs485 : kRs232c;
    c.reply.runActive = (flags & 4) != 0;
    if (flags & 8) fuzz::restoreDefaults(c);  // the check below sees this input alone

    LineAssembler assembler;
    for (std::size_t at = 0; at < bytes.size(); at += read) {
        for (const std::string& line : assembler.feed(bytes.substr(at, read))) {
            if (line.empty() || line.size() > LineAssembler::kMaxLine || line.back() != '\n')
                fuzz::fail("assembled line out of shape");
            handleSerialReply(c, line);
        }
        if (assembler.pending() >= LineAssembler::kMaxLine) fuzz::fail("assembler grew past one line");
    }
    // The timeout and the deferred notice run on what the replies left behind.
    c.reply.replyExpected = true;
    for (int tick = 0; tick < 3; ++tick) mainTimerStep(c);
    fuzz::checkCells(c);
    if (flags & 8) fuzz::checkSendAll(c);
    return 0;
}
