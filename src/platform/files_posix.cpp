#include "platform/files.h"

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vrq::platform {

namespace {

FileOutcome failed(FileStatus s, int err) { return {s, err}; }

// A file-size limit must come back from write() as EFBIG, to be reported,
// instead of ending the process with SIGXFSZ.
void keepFileSizeLimitReportable() {
    static const bool once = [] {
        std::signal(SIGXFSZ, SIG_IGN);
        return true;
    }();
    (void)once;
}

std::string folderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// The file a symbolic link names, so the link itself survives the rename.
std::string target(const std::string& path) {
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return path;
    char* real = ::realpath(path.c_str(), nullptr);
    if (real == nullptr) return path;  // a dangling link: replaced by the file
    std::string resolved(real);
    std::free(real);
    return resolved;
}

bool writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        if (n == 0) {
            errno = EIO;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

// A new file beside `path` that nobody else uses; 0666 less the umask, as any
// new file gets.
int createTemporary(const std::string& path, std::string& tmp) {
    const std::string base = folderOf(path) + "/." + path.substr(path.rfind('/') + 1) + ".";
    for (int attempt = 0; attempt < 100; ++attempt) {
        tmp = base + std::to_string(::getpid()) + "-" + std::to_string(attempt) + ".tmp";
        const int fd = ::open(tmp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    errno = EEXIST;
    return -1;
}

}  // namespace

FileOutcome replaceFileSynced(const std::string& given, std::string_view bytes) {
    if (given.empty()) return failed(FileStatus::WriteFailed, ENOENT);
    keepFileSizeLimitReportable();
    const std::string path = target(given);

    struct stat old {};
    const bool existed = ::stat(path.c_str(), &old) == 0;
    if (existed && !S_ISREG(old.st_mode)) return {FileStatus::NotRegular, 0};

    std::string tmp;
    const int fd = createTemporary(path, tmp);
    if (fd < 0) return failed(FileStatus::WriteFailed, errno);

    bool ok = writeAll(fd, bytes);
    if (ok && existed) ok = ::fchmod(fd, old.st_mode & 07777) == 0;
    if (ok) ok = ::fsync(fd) == 0;
    int err = errno;
    if (::close(fd) != 0 && ok) {
        ok = false;
        err = errno;
    }
    if (ok && ::rename(tmp.c_str(), path.c_str()) != 0) {
        ok = false;
        err = errno;
    }
    if (!ok) {
        ::unlink(tmp.c_str());
        return failed(FileStatus::WriteFailed, err);
    }
    // The rename itself lasts once the folder is synced; some file systems
    // cannot sync a folder, and the file is already complete then.
    const int dir = ::open(folderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
    return {};
}

FileOutcome readRegularFileBounded(const std::string& path, std::size_t cap, std::string& out) {
    out.clear();
    if (path.empty()) return failed(FileStatus::CannotOpen, ENOENT);
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) return failed(FileStatus::CannotOpen, errno);
    struct stat st {};
    FileOutcome r;
    if (::fstat(fd, &st) != 0) {
        r = failed(FileStatus::ReadFailed, errno);
    } else if (S_ISDIR(st.st_mode)) {
        r = failed(FileStatus::CannotOpen, EISDIR);
    } else if (!S_ISREG(st.st_mode)) {
        r = {FileStatus::NotRegular, 0};
    } else if (static_cast<std::size_t>(st.st_size) > cap) {
        r = {FileStatus::TooLarge, 0};
    } else {
        // The file may grow while it is read: one byte past the cap tells.
        out.resize(cap + 1);
        std::size_t have = 0;
        while (have < out.size()) {
            const ssize_t n = ::read(fd, out.data() + have, out.size() - have);
            if (n < 0 && errno == EINTR) continue;
            if (n < 0) {
                r = failed(FileStatus::ReadFailed, errno);
                break;
            }
            if (n == 0) break;
            have += static_cast<std::size_t>(n);
        }
        if (r.status == FileStatus::Ok && have > cap) r = {FileStatus::TooLarge, 0};
        out.resize(r.status == FileStatus::Ok ? have : 0);
    }
    ::close(fd);
    if (r.status != FileStatus::Ok) out.clear();
    return r;
}

bool fileExists(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0;
}

bool fileIsMissing(const std::string& path) {
    struct stat st {};
    return ::lstat(path.c_str(), &st) != 0 && errno == ENOENT;
}

void makePrivateFolder(const std::string& path) { ::mkdir(path.c_str(), 0700); }

void removeFile(const std::string& path) { ::unlink(path.c_str()); }

int renameFile(const std::string& from, const std::string& to) {
    return std::rename(from.c_str(), to.c_str()) == 0 ? 0 : errno;
}

}  // namespace vrq::platform
