#include "shell/recovery.h"

#include <QApplication>
#include <QSocketNotifier>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

#include "glyph_ui/glyph_editor_dialog.h"
#include "glyphs/glyph_file.h"
#include "model/product_names.h"
#include "model/settings_file.h"
#include "protocol/notifier.h"

namespace vrq {

namespace {

constexpr std::size_t kNameCap = 64 * 1024;
constexpr int kSignals[] = {SIGTERM, SIGHUP, SIGINT};

int signalPipe[2] = {-1, -1};

extern "C" void onTerminationSignal(int signo) {
    // Only async-signal-safe work here: one byte into the socket pair.
    const int saved = errno;
    const auto b = static_cast<unsigned char>(signo);
    [[maybe_unused]] const ssize_t n = ::write(signalPipe[1], &b, 1);
    errno = saved;
}

}  // namespace

RecoveryCopy::RecoveryCopy(std::string folder, Product p) : folder_(std::move(folder)) {
    base_ = folder_ + (p == Product::Single ? "/vrq700s-recovery" : "/vrq700-recovery");
}

bool RecoveryCopy::exists() const {
    struct stat st {};
    return ::stat(documentPath().c_str(), &st) == 0;
}

FileResult RecoveryCopy::save(const Console& c) const {
    ::mkdir(folder_.c_str(), 0700);
    // The name first: a document without it is still offered, as unnamed.
    if (FileResult r = writeFileAtomically(base_ + ".name", c.app.currentFileName); !r) return r;
    return SettingsFile::save(c, documentPath());
}

void RecoveryCopy::discard() const {
    ::unlink(documentPath().c_str());
    ::unlink((base_ + ".name").c_str());
}

void RecoveryCopy::offer(Console& c, const std::function<void(const std::string&)>& showName) const {
    if (!exists() || !c.notifier) return;
    std::string original;
    if (!readRegularFile(base_ + ".name", kNameCap, original)) original.clear();
    if (original.find_first_of("\r\n") != std::string::npos) original.clear();
    const std::string shown = original.empty() ? "(名前なし)" : original;
    const std::string question = "前回、保存されずに終了したデータがあります。\n" + shown + "\n開きますか？";
    if (!c.notifier->ask(productTitle(c.product), question)) {
        discard();
        return;
    }
    const FileResult r = SettingsFile::load(c, documentPath());
    if (!r) {
        showError(*c.notifier, fileProblemText(r, documentPath(), false));
        return;
    }
    // Unsaved, under its original's name: Save writes there, exit asks first.
    c.app.currentFileName = original;
    c.app.documentModified = true;
    if (showName) showName(original.empty() ? "File Name" : original);
    discard();
}

std::string RecoveryCopy::glyphPath(GlyphSize size) const {
    return base_ + "-glyph" + std::string(glyphGeometry(size).extension);
}

FileResult RecoveryCopy::saveGlyph(const GlyphState& g, GlyphSize size) const {
    ::mkdir(folder_.c_str(), 0700);
    return GlyphFile::write(glyphPath(size), g, size);
}

void RecoveryCopy::offerGlyphs(Console& c) const {
    if (!c.notifier) return;
    for (const GlyphSize size : {GlyphSize::Large, GlyphSize::Medium, GlyphSize::Small}) {
        const std::string path = glyphPath(size);
        struct stat st {};
        if (::stat(path.c_str(), &st) != 0) continue;
        char stamp[32] = "";
        const std::time_t now = std::time(nullptr);
        std::tm local {};
        if (::localtime_r(&now, &local)) std::strftime(stamp, sizeof stamp, "%Y%m%d-%H%M%S", &local);
        const std::string kept = base_ + "-glyph-" + stamp + std::string(glyphGeometry(size).extension);
        const std::string question = "前回、保存されずに終了した外字データがあります。\n残すと次のファイルになり、外字登録の「開く」で開けます。\n" +
                                     kept + "\n残しますか？（いいえ: 削除します）";
        if (c.notifier->ask(productTitle(c.product), question)) {
            if (::rename(path.c_str(), kept.c_str()) != 0)
                showError(*c.notifier, fileProblemText({FileProblem::WriteFailed, std::strerror(errno)}, kept, true));
        } else {
            ::unlink(path.c_str());
        }
    }
}

bool keepUnsavedWork(Console& c, const RecoveryCopy& copy) {
    bool ok = true;
    auto report = [&ok](const FileResult& r, const std::string& path) {
        if (r) return;
        ok = false;
        std::fprintf(stderr, "%s\n", fileProblemText(r, path, true).c_str());
    };
    if (noteDocumentChanges(c)) report(copy.save(c), copy.documentPath());
    for (QWidget* w : QApplication::topLevelWidgets()) {
        const auto* editor = qobject_cast<GlyphEditorDialog*>(w);
        if (editor && editor->glyphChanged())
            report(copy.saveGlyph(c.glyph, editor->glyphSize()), copy.glyphPath(editor->glyphSize()));
    }
    return ok;
}

TerminationSignals::TerminationSignals(QObject* parent) : QObject(parent) {
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, signalPipe) != 0) return;
    // A burst of signals must never block the handler.
    ::fcntl(signalPipe[1], F_SETFL, ::fcntl(signalPipe[1], F_GETFL) | O_NONBLOCK);
    ::fcntl(signalPipe[0], F_SETFL, ::fcntl(signalPipe[0], F_GETFL) | O_NONBLOCK);
    notifier_ = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, [this] { readPending(); });
    struct sigaction sa {};
    sa.sa_handler = onTerminationSignal;
    sigemptyset(&sa.sa_mask);
    sa.sa_flags = SA_RESTART;
    for (const int s : kSignals) ::sigaction(s, &sa, nullptr);
}

TerminationSignals::~TerminationSignals() {
    for (const int s : kSignals) ::signal(s, SIG_DFL);
    delete notifier_;
    for (int& fd : signalPipe) {
        if (fd >= 0) ::close(fd);
        fd = -1;
    }
}

void TerminationSignals::readPending() {
    unsigned char b = 0;
    while (::read(signalPipe[0], &b, 1) == 1) emit requested(b);
}

}  // namespace vrq
