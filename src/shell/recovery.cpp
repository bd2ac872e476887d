#include "shell/recovery.h"

#include <QApplication>
#include <QSocketNotifier>
#include <cstdio>
#include <cstring>
#include <ctime>

#include "glyph_ui/glyph_editor_dialog.h"
#include "glyphs/glyph_file.h"
#include "link/ui_language.h"
#include "model/product_names.h"
#include "model/settings_file.h"
#include "platform/files.h"
#include "platform/local_time.h"
#include "platform/termination_signals.h"
#include "protocol/notifier.h"

namespace vrq {

namespace {

constexpr std::size_t kNameCap = 64 * 1024;

}  // namespace

RecoveryCopy::RecoveryCopy(std::string folder, Product p) : folder_(std::move(folder)) {
    base_ = folder_ + (p == Product::Single ? "/vrq700s-recovery" : "/vrq700-recovery");
}

bool RecoveryCopy::exists() const { return platform::fileExists(documentPath()); }

// Copies hold the operator's titles: only the operator may read them, from
// the moment they exist.
FileResult RecoveryCopy::save(const Console& c) const {
    platform::makePrivateFolder(folder_);
    // The name first: a document without it is still offered, as unnamed.
    if (FileResult r = writePrivateFileAtomically(base_ + ".name", c.app.currentFileName); !r) return r;
    return writePrivateFileAtomically(documentPath(), SettingsFile::serialize(c));
}

void RecoveryCopy::discard() const {
    platform::removeFile(documentPath());
    platform::removeFile(base_ + ".name");
}

bool RecoveryCopy::offer(Console& c, const std::function<void(const std::string&)>& showName) const {
    if (!exists() || !c.notifier) return false;
    std::string original;
    if (!readRegularFile(base_ + ".name", kNameCap, original)) original.clear();
    if (original.find_first_of("\r\n") != std::string::npos) original.clear();
    const Message shown = original.empty() ? Message(VRQ_TEXT("Recovery", "(名前なし)")) : Message::plain(original);
    const Message question =
        Message(VRQ_TEXT("Recovery", "前回、保存されずに終了したデータがあります。\n%1\n開きますか？")).arg(shown);
    if (!c.notifier->ask(Message::plain(productTitle(c.product)), question)) {
        discard();
        return false;
    }
    const FileResult r = SettingsFile::load(c, documentPath());
    if (!r) {
        showError(*c.notifier, Message(fileProblemText(r, documentPath(), false)));
        return false;
    }
    // Unsaved, under its original's name: Save writes there, exit asks first.
    c.app.currentFileName = original;
    c.app.documentModified = true;
    if (showName) showName(original.empty() ? "File Name" : original);
    return true;
}

std::string RecoveryCopy::glyphPath(GlyphSize size) const {
    return base_ + "-glyph" + std::string(glyphGeometry(size).extension);
}

FileResult RecoveryCopy::saveGlyph(const GlyphState& g, GlyphSize size) const {
    platform::makePrivateFolder(folder_);
    return writePrivateFileAtomically(glyphPath(size), GlyphFile::format(g, size));
}

void RecoveryCopy::offerGlyphs(Console& c) const {
    if (!c.notifier) return;
    for (const GlyphSize size : {GlyphSize::Large, GlyphSize::Medium, GlyphSize::Small}) {
        const std::string path = glyphPath(size);
        if (!platform::fileExists(path)) continue;
        char stamp[32] = "";
        const std::time_t now = std::time(nullptr);
        std::tm local {};
        if (platform::localTime(now, local)) std::strftime(stamp, sizeof stamp, "%Y%m%d-%H%M%S", &local);
        const std::string kept = base_ + "-glyph-" + stamp + std::string(glyphGeometry(size).extension);
        const Message question =
            Message(VRQ_TEXT("Recovery", "前回、保存されずに終了した外字データがあります。\n残すと次のファイルになり、"
                                         "外字登録の「開く」で開けます。\n%1\n残しますか？（いいえ: 削除します）"))
                .arg(kept);
        if (c.notifier->ask(Message::plain(productTitle(c.product)), question)) {
            if (const int err = platform::renameFile(path, kept); err != 0)
                showError(*c.notifier,
                          Message(fileProblemText({FileProblem::WriteFailed, std::strerror(err)}, kept, true)));
        } else {
            platform::removeFile(path);
        }
    }
}

bool keepUnsavedWork(Console& c, const RecoveryCopy& copy) {
    bool ok = true;
    auto report = [&ok](const FileResult& r, const std::string& path) {
        if (r) return;
        ok = false;
        std::fprintf(stderr, "%s\n", renderUtf8(fileProblemText(r, path, true)).c_str());
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
    const int fd = platform::watchTerminationSignals();
    if (fd < 0) return;
    notifier_ = new QSocketNotifier(fd, QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, [this] { readPending(); });
}

TerminationSignals::~TerminationSignals() {
    // The notifier goes before the descriptor it watches.
    delete notifier_;
    platform::unwatchTerminationSignals();
}

void TerminationSignals::readPending() {
    for (int signo = platform::nextTerminationSignal(); signo >= 0; signo = platform::nextTerminationSignal())
        emit requested(signo);
}

}  // namespace vrq
