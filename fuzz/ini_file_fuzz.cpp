// Ini reader: the program's ini file of either model loaded into a console,
// then one key written into that same file and read back.
//
// Input: flags (bit 0 single-line model), a line "key=value" to write (up to
// the first LF), then the file's bytes.

#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <string>

#include "fuzz_support.h"
#include "model/app_config.h"

using namespace vrq;

namespace {

// Memory-backed when the system has it: the file is rewritten per input. It
// goes when the run ends.
struct TempIni {
    std::string path = std::string(::access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp") + "/vrq_ini_fuzz_" +
                       std::to_string(::getpid()) + ".ini";
    ~TempIni() { std::remove(path.c_str()); }
};

const std::string& iniPath() {
    static const TempIni file;
    return file.path;
}

bool isBlank(char ch) { return ch == ' ' || ch == '\t'; }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1) return 0;
    const Product p = fuzz::productOf(data[0]);
    std::string_view rest = fuzz::bytesOf(data + 1, size - 1);
    const std::size_t lf = rest.find('\n');
    const std::string_view entry = lf == std::string_view::npos ? rest : rest.substr(0, lf);
    const std::string_view file = lf == std::string_view::npos ? std::string_view{} : rest.substr(lf + 1);

    std::ofstream(iniPath(), std::ios::binary | std::ios::trunc).write(file.data(), static_cast<std::streamsize>(file.size()));

    RecordingNotifier notes;
    Console& c = fuzz::consoleFor(p, notes);
    if (!loadAppConfig(c, iniPath())) fuzz::fail("existing ini file not read");
    const AppState& a = c.app;
    // Every value that later indexes a table is inside it.
    if (a.comPortIndex < 0 || a.comPortIndex > 5 || (a.serialMode != kRs232c && a.serialMode != kRs485) ||
        (a.linkInterface != kLinkSerial && a.linkInterface != kLinkTcp) ||
        (a.tcpRole != kTcpClient && a.tcpRole != kTcpServer) || a.peerIndex < -1 ||
        a.peerIndex >= kMaxPeers || a.peerListCount < 0 || a.peerListCount > kMaxPeers)
        fuzz::fail("ini value outside its table");
    fuzz::checkCells(c);

    // A key written is the key read back, whatever else the file holds. Values
    // with outer blanks or quotes are outside what the format can keep.
    const std::size_t eq = entry.find('=');
    if (eq == std::string_view::npos) return 0;
    const std::string_view key = entry.substr(0, eq), value = entry.substr(eq + 1);
    if (!writeAppConfigValue(iniPath(), p, key, value)) return 0;
    const bool plainKey = !key.empty() && !isBlank(key.front()) && !isBlank(key.back());
    const bool plainValue = value.empty() || (!isBlank(value.front()) && !isBlank(value.back()) &&
                                              value.front() != '"' && value.front() != '\'');
    if (plainKey && plainValue &&
        readAppConfigValue(iniPath(), p, key, "\x01", value.size() + 1) != value)
        fuzz::fail("written ini value not read back");
    return 0;
}
