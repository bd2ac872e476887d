// TCP/IP reply path: the received bytes cut into receives, lines assembled
// across them in the console's own buffer, each line into the reply table of
// either model; then the send-all lines built from what was stored.
//
// Input: flags (bit 0 single-line model, bit 2 a run is going on, bit 3 build
// the send-all lines, which is slow), the size of each receive (0: one
// receive), then the received bytes.

#include "fuzz_support.h"
#include "protocol/reply_parser.h"

using namespace vrq;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) return 0;
    const std::uint8_t flags = data[0];
    const std::size_t receive = data[1] == 0 ? size : data[1];
    const std::string_view bytes = fuzz::bytesOf(data + 2, size - 2);

    RecordingNotifier notes;
    Console& c = fuzz::consoleFor(fuzz::productOf(flags), notes);
    c.reply.runActive = (flags & 4) != 0;
    // What is checked below must come from this input alone.
    fuzz::restoreDefaults(c);

    for (std::size_t at = 0; at < bytes.size(); at += receive) {
        handleTcpReply(c, bytes.substr(at, receive));
        if (c.reply.tcpLine.size() >= kLineBufferSize) fuzz::fail("TCP/IP line past its bound");
    }
    fuzz::checkCells(c);
    if (flags & 8) fuzz::checkSendAll(c);
    return 0;
}
