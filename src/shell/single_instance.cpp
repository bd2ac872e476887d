#include "shell/single_instance.h"

#include <QDir>
#include <QRegularExpression>
#include <QStandardPaths>

namespace vrq {

SingleInstance::SingleInstance(const QString& name, const QString& dir) {
    QString file = name;
    file.replace(QRegularExpression("[^A-Za-z0-9_-]"), "_");
    // The shared temp folder would let another user hold the lock and block every start.
    QString folder = dir.isEmpty() ? QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation) : dir;
    if (folder.isEmpty()) folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QDir().mkpath(folder);
    lock_ = std::make_unique<QLockFile>(folder + "/" + file + ".lock");
    lock_->setStaleLockTime(0);  // stale means: its process is gone
    acquired_ = lock_->tryLock(0);
}

}  // namespace vrq
