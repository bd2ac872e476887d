#include "shell/single_instance.h"

#include <QDir>
#include <QRegularExpression>

namespace vrq {

SingleInstance::SingleInstance(const QString& name, const QString& dir) {
    QString file = name;
    file.replace(QRegularExpression("[^A-Za-z0-9_-]"), "_");
    const QString folder = dir.isEmpty() ? QDir::tempPath() : dir;
    lock_ = std::make_unique<QLockFile>(folder + "/" + file + ".lock");
    lock_->setStaleLockTime(0);  // stale means: its process is gone
    acquired_ = lock_->tryLock(0);
}

}  // namespace vrq
