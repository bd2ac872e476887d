#include "link/port_lister.h"

#include <QSerialPortInfo>
#include <algorithm>

namespace vrq {

std::vector<PortEntry> SystemPortLister::ports() const {
    std::vector<PortEntry> out;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts())
        out.push_back({info.systemLocation(), info.description(), info.manufacturer(), info.serialNumber()});
    std::sort(out.begin(), out.end(), [](const PortEntry& a, const PortEntry& b) { return a.path < b.path; });
    return out;
}

}  // namespace vrq
