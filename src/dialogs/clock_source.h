#pragma once
// Where the console reads the local time: the system, or a fixed time in tests.

#include <QDateTime>

namespace vrq {

class ClockSource {
public:
    virtual ~ClockSource() = default;
    virtual QDateTime now() const { return QDateTime::currentDateTime(); }
};

}  // namespace vrq
