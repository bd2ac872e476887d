#pragma once
// The serial ports the system offers, behind a seam so the serial dialog can
// be shown and tested with a list of our own.

#include <QString>
#include <vector>

namespace vrq {

struct PortEntry {
    QString path;  // what a COM entry stores: /dev/ttyUSB0
    QString description;
    QString manufacturer;
    QString serialNumber;
};

class PortLister {
public:
    virtual ~PortLister() = default;
    // Asked again on every refresh: adapters come and go.
    virtual std::vector<PortEntry> ports() const = 0;
};

// QSerialPortInfo's list, sorted by path.
class SystemPortLister : public PortLister {
public:
    std::vector<PortEntry> ports() const override;
};

}  // namespace vrq
