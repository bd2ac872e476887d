#include "protocol/send_path.h"

#include "protocol/codecs.h"
#include "protocol/transport.h"

namespace vrq {

SerialFrame frameSerial(std::string_view line, int serialMode, int slaveAddressIndex) {
    SerialFrame f{std::string(), true};
    if (serialMode == kRs485) {
        if (slaveAddressIndex >= kBroadcastAddress || slaveAddressIndex < 0) {
            // A broadcast is never answered: no timeout may run for it.
            f.bytes = "FF";
            f.replyExpected = false;
        } else {
            f.bytes = "00";
            putDecimal2(f.bytes.data(), slaveAddressIndex);
        }
    }
    f.bytes.append(line);
    return f;
}

void writeSerialCommand(Console& c, const CommandLine& line) {
    SerialFrame f = frameSerial(line.text(), c.app.serialMode, c.app.slaveAddressIndex);
    if (f.bytes.size() > CommandLine::kMaxLength) return;  // cannot be framed whole
    // Behind a command in flight the flag belongs to that command; the link
    // sets it again when this one goes on the wire.
    if (!c.serialTransport || !c.serialTransport->busy()) c.reply.replyExpected = f.replyExpected;
    if (c.serialTransport) c.serialTransport->writeLine(f.bytes);
}

void sendCommand(Console& c, const CommandLine& line) {
    if (c.app.linkInterface == kLinkSerial) {
        writeSerialCommand(c, line);
    } else if (c.tcpTransport) {
        c.tcpTransport->writeLine(line.text());
    }
}

bool isLinked(const Console& c) {
    return c.app.linkInterface == kLinkSerial || c.app.tcpConnected;
}

bool linkBusy(const Console& c) {
    const Transport* t = c.app.linkInterface == kLinkSerial ? c.serialTransport : c.tcpTransport;
    return t && t->busy();
}

bool hasExtension(std::string_view name, std::string_view ext) {
    if (ext.size() != 4 || name.size() < 5) return false;
    // Windows end at positions len-1 down to 4, so none starts at the first character.
    for (std::size_t end = name.size() - 1; end >= 4; --end) {
        if (name.substr(end - 3, 4) == ext) return true;
    }
    return false;
}

}  // namespace vrq
