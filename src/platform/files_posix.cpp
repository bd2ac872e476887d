#include "platform/files.h"

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstdio>
#include <dirent.h>
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

constexpr int kTemporaryAttempts = 100;

// A new file ".NAME.PID-N.tmp" beside `path` that nobody else uses; `mode`
// less the umask.
int createTemporary(const std::string& path, std::string& tmp, mode_t mode) {
    const std::string base = folderOf(path) + "/." + path.substr(path.rfind('/') + 1) + ".";
    for (int attempt = 0; attempt < kTemporaryAttempts; ++attempt) {
        tmp = base + std::to_string(::getpid()) + "-" + std::to_string(attempt) + ".tmp";
        const int fd = ::open(tmp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    errno = EEXIST;
    return -1;
}

// Digits as std::to_string writes them (no sign, no leading zero) and their
// value, at most `limit`; -1 for anything else.
long long decimal(std::string_view digits, long long limit) {
    if (digits.empty() || digits.size() > 10 || (digits.size() > 1 && digits[0] == '0')) return -1;
    long long v = 0;
    for (const char ch : digits) {
        if (ch < '0' || ch > '9') return -1;
        v = v * 10 + (ch - '0');
    }
    return v <= limit ? v : -1;
}

// The process that made `name` when it is exactly one of createTemporary's
// names; 0 for any other name.
pid_t temporaryOwner(std::string_view name) {
    constexpr std::string_view kSuffix = ".tmp";
    if (name.size() <= kSuffix.size() || name.front() != '.' ||
        name.substr(name.size() - kSuffix.size()) != kSuffix)
        return 0;
    name.remove_suffix(kSuffix.size());
    const std::size_t dash = name.rfind('-');
    if (dash == std::string_view::npos || decimal(name.substr(dash + 1), kTemporaryAttempts - 1) < 0) return 0;
    name = name.substr(0, dash);
    const std::size_t dot = name.rfind('.');
    if (dot == std::string_view::npos || dot < 2) return 0;  // the NAME between the dots is never empty
    const long long pid = decimal(name.substr(dot + 1), 0x7fffffff);
    return pid > 0 ? static_cast<pid_t>(pid) : 0;
}

// Our temporaries in `folder` whose process has ended: a save cut short by a
// crash or a power loss. A process that still runs (or that we may not ask
// about), other users' files and anything not a plain file are left alone.
void removeStaleTemporaries(const std::string& folder) {
    DIR* d = ::opendir(folder.c_str());
    if (d == nullptr) return;
    const pid_t self = ::getpid();
    const uid_t me = ::geteuid();
    while (const dirent* e = ::readdir(d)) {
        const pid_t owner = temporaryOwner(e->d_name);
        if (owner <= 0 || owner == self) continue;
        if (::kill(owner, 0) == 0 || errno != ESRCH) continue;
        struct stat st {};
        if (::fstatat(::dirfd(d), e->d_name, &st, AT_SYMLINK_NOFOLLOW) != 0 || !S_ISREG(st.st_mode) ||
            st.st_uid != me)
            continue;
        ::unlinkat(::dirfd(d), e->d_name, 0);
    }
    ::closedir(d);
}

}  // namespace

FileOutcome replaceFileSynced(const std::string& given, std::string_view bytes, bool ownerOnly) {
    if (given.empty()) return failed(FileStatus::WriteFailed, ENOENT);
    keepFileSizeLimitReportable();
    const std::string path = target(given);

    struct stat old {};
    const bool existed = ::stat(path.c_str(), &old) == 0;
    if (existed && !S_ISREG(old.st_mode)) return {FileStatus::NotRegular, 0};

    // Before the new temporary, so a disk that a crash left full gets its space back.
    removeStaleTemporaries(folderOf(path));
    std::string tmp;
    // 0666 less the umask, as any new file gets; a private file is never more
    // than 0600, not even for a moment.
    const int fd = createTemporary(path, tmp, ownerOnly ? 0600 : 0666);
    if (fd < 0) return failed(FileStatus::WriteFailed, errno);

    bool ok = writeAll(fd, bytes);
    if (ok && existed && !ownerOnly) ok = ::fchmod(fd, old.st_mode & 07777) == 0;
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

void makePrivateFolder(const std::string& path) {
    // Each missing folder on the way is made 0700 as it is created (an
    // existing one answers EEXIST and stays as it is).
    for (std::size_t slash = path.find('/', 1); slash != std::string::npos; slash = path.find('/', slash + 1))
        ::mkdir(path.substr(0, slash).c_str(), 0700);
    ::mkdir(path.c_str(), 0700);
}

void removeFile(const std::string& path) { ::unlink(path.c_str()); }

int renameFile(const std::string& from, const std::string& to) {
    return std::rename(from.c_str(), to.c_str()) == 0 ? 0 : errno;
}

}  // namespace vrq::platform
