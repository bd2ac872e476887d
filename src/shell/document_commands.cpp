#include "shell/document_commands.h"

#include <QFileDialog>
#include <filesystem>

#include "link/ui_language.h"
#include "model/product_names.h"
#include "model/reset_settings.h"
#include "model/settings_file.h"
#include "model/value_ranges.h"
#include "protocol/notifier.h"
#include "protocol/send_path.h"
#include "protocol/title_encode.h"

namespace vrq {

namespace {

// The selected filter has to be one of the list word for word, in either language.
QString dataFilter() { return render(VRQ_TEXT("Documents", "データ(*.dat)")); }
QString filters() { return render(VRQ_TEXT("Documents", "データ(*.dat);;すべて(*.*)")); }

}  // namespace

std::string QtFileChooser::chooseOpenFile() {
    QString filter = dataFilter();
    const QString name = QFileDialog::getOpenFileName(parent_, render(VRQ_TEXT("Documents", "ファイルのオープン")),
                                                      QString(), filters(), &filter);
    return name.toStdString();
}

std::string QtFileChooser::chooseSaveFile() {
    QString filter = dataFilter();
    const QString name = QFileDialog::getSaveFileName(parent_, render(VRQ_TEXT("Documents", "ファイルの保存")),
                                                      QString(), filters(), &filter);
    return name.toStdString();
}

DocumentCommands::DocumentCommands(Console& c, FileChooser& files, std::function<void(const std::string&)> showPath)
    : c_(c), files_(files), showPath_(std::move(showPath)) {}

bool DocumentCommands::ask(const Text& question) {
    return c_.notifier ? c_.notifier->ask(Message::plain(productTitle(c_.product)), question) : true;
}

void DocumentCommands::warn(const Message& text) {
    if (c_.notifier) showWarning(*c_.notifier, text);
}

void DocumentCommands::newDocument() {
    if (runActive()) return;
    if (noteDocumentChanges(c_) && !ask(VRQ_TEXT("Documents", "データを保存せずに新規作成しますか？"))) return;
    resetSettings(c_);
    // A new document has no name: Save asks for one instead of writing the
    // defaults over the document that was open before.
    c_.app.currentFileName.clear();
    if (showPath_) showPath_("File Name");
    settle();
}

void DocumentCommands::openDocument() {
    if (runActive()) return;
    if (noteDocumentChanges(c_) && !ask(VRQ_TEXT("Documents", "データを保存せずに別のファイルを開きますか？"))) return;
    const std::string path = files_.chooseOpenFile();
    if (path.empty()) return;
    int missing = 0;
    const FileResult r = SettingsFile::load(c_, path, &missing);
    if (!r) {
        // Worded as the console always has; the English translation says it plainly.
        warn(r.problem == FileProblem::CannotOpen ? Message(VRQ_TEXT("Documents", "Can't file open"))
                                                  : Message(fileProblemText(r, path, false)));
        return;
    }
    c_.app.currentFileName = path;
    markDocumentClean(c_);
    if (showPath_) showPath_(path);
    settle();
    if (missing > 0) {
        // The defaults stand in for what the file lacked: saving writes them.
        c_.app.documentModified = true;
        warn(Message(VRQ_TEXT_N("Documents", "%n件の設定がファイルにありませんでした。初期値にしています。")).count(missing));
    }
    // What the screens show is what the buttons send.
    const std::vector<ValueKind> corrected = correctOutOfRange(c_.settings, c_.product);
    if (!corrected.empty()) warn(correctedValuesText(corrected));
    // The title editor takes no character the device does not; an older document may hold some.
    const Message titles = untakenTitlesText(untakenTitleChars(c_.settings, c_.product), c_.product);
    if (!titles.empty()) warn(titles);
}

bool DocumentCommands::saveDocument() {
    if (runActive()) return false;
    return save();
}

bool DocumentCommands::saveDocumentAs() {
    if (runActive()) return false;
    return saveAs();
}

bool DocumentCommands::save() {
    // A document without a name (never saved, or after New) is named first.
    if (c_.app.currentFileName.empty()) return saveAs();
    return write(c_.app.currentFileName);
}

bool DocumentCommands::write(const std::string& path) {
    const FileResult r = SettingsFile::save(c_, path);
    if (!r) {
        // The old file is untouched and the document stays modified.
        if (c_.notifier) showError(*c_.notifier, Message(fileProblemText(r, path, true)));
        return false;
    }
    markDocumentClean(c_);
    settle();
    return true;
}

void DocumentCommands::settle() {
    if (!settled_) return;
    // Once: the copy it removes belongs to the document on screen now.
    const std::function<void()> settled = std::move(settled_);
    settled_ = nullptr;
    settled();
}

bool DocumentCommands::saveAs() {
    std::string path = files_.chooseSaveFile();
    if (path.empty()) return false;
    if (!hasExtension(path, ".dat")) {
        path += ".dat";
        // The file dialog asked about the name as typed, not about this one.
        std::error_code ec;
        if (std::filesystem::exists(std::filesystem::u8path(path), ec) && c_.notifier &&
            !c_.notifier->ask(Message::plain(productTitle(c_.product)), overwriteQuestion(path)))
            return false;
    }
    if (!write(path)) return false;
    c_.app.currentFileName = path;
    // The status bar names the file that Save writes.
    if (showPath_) showPath_(path);
    return true;
}

bool DocumentCommands::confirmExit() {
    if (!noteDocumentChanges(c_)) return true;
    if (!c_.notifier) return true;
    switch (c_.notifier->askYesNoCancel(Message::plain(productTitle(c_.product)),
                                        VRQ_TEXT("Documents", "データを保存せずに終了しますか？"))) {
    case Answer::Yes:
        settle();
        return true;
    case Answer::No: return save();
    case Answer::Cancel: break;  // also a question the program ends during: nothing is saved
    }
    return false;
}

}  // namespace vrq
