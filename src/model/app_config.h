#pragma once
// The program's own ini file: connection choices kept between runs.
//
// One section per program ("VRQ-700_Section" / "VRQ-700S_Section"), keys:
//   com_port, rs_control, Interface, p_port_number, ClientServer,
//   select_number, list_count, ip00_0 .. ip99_3
// and, for systems without COM names, our own keys
//   com1_device .. com6_device   device path that COM1..COM6 open
//                                (for example com1_device=/dev/pts/3)
//   fast_runs                    1: whole-device runs send the next command
//                                as soon as the answer is in
//   retries                      times a command without a valid answer is
//                                sent again, 0..9 (absent: 1)
//   listen_address               server role: listen on this IPv4 address
//                                only (empty or absent: every interface)
// which override the built-in /dev/ttyS0.. paths when present and not empty.

#include <string>
#include <string_view>

#include "model/console.h"

namespace vrq {

// Reads every key into `c` (section chosen by c.product) and remembers `path`
// in c.app.configPath. A missing file or key leaves the defaults; values
// outside their tables fall back to the default. False when the file could
// not be read (the defaults are loaded then).
bool loadAppConfig(Console& c, const std::string& path);

// Writes one key of the program's section, keeping every other line of the
// file; creates the file or the section when absent.
bool writeAppConfigValue(const std::string& path, Product p, std::string_view key, std::string_view value);

// Reads one key as the profile functions do: at most `maxChars` characters,
// `fallback` when the file, section or key is missing.
std::string readAppConfigValue(const std::string& path, Product p, std::string_view key,
                               std::string_view fallback, std::size_t maxChars);

// The peer address key of entry `index` (0..99), octet `octet` (0..3): "ip07_2".
std::string peerAddressKey(int index, int octet);

// Signed decimal conversion of an ini number: leading blanks, one sign, digits
// up to the first other character; no digits gives 0.
int configNumber(std::string_view text);

}  // namespace vrq
