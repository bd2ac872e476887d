#pragma once
// One running copy per program and user. A lock file named after the
// program's mutex text in the user's runtime folder, which no other user can
// fill; a lock left by a crashed copy is taken over at once.

#include <QLockFile>
#include <QString>
#include <memory>

namespace vrq {

class SingleInstance {
public:
    // `name` is the mutex text; `dir` the folder of the lock (the user's runtime folder by default).
    explicit SingleInstance(const QString& name, const QString& dir = QString());
    bool acquired() const { return acquired_; }

private:
    std::unique_ptr<QLockFile> lock_;
    bool acquired_ = false;
};

}  // namespace vrq
