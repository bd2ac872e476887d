#pragma once
// Unsaved work outlives a request to end the program (SIGTERM, SIGHUP,
// SIGINT, as a desktop session ending sends them): the document goes into a
// recovery copy in the user's data folder, never over the document itself,
// and the next start of the same program offers it.

#include <QObject>
#include <functional>
#include <string>

#include "glyphs/glyph_pattern.h"
#include "model/console.h"
#include "model/safe_file.h"

class QSocketNotifier;

namespace vrq {

class RecoveryCopy {
public:
    // `folder` is UTF-8 and created when a copy is saved, private (0700) from
    // its creation, as the copies are (0600); each program has its own files in it.
    RecoveryCopy(std::string folder, Product p);

    std::string documentPath() const { return base_ + ".dat"; }
    bool exists() const;

    // The document and the name of the file it came from (empty: unnamed).
    FileResult save(const Console& c) const;
    // A copy left by an earlier run is offered: yes loads it as an unsaved
    // document named after its original and shows that name; no deletes it.
    // A copy that cannot be read is reported and kept for the operator.
    // True when loaded: the copy stays until the document is saved or let
    // go (discard), so a crash before that loses nothing.
    bool offer(Console& c, const std::function<void(const std::string&)>& showName) const;
    void discard() const;

    // An unsaved glyph of an open editor, as a glyph file beside the document copy.
    std::string glyphPath(GlyphSize size) const;
    FileResult saveGlyph(const GlyphState& g, GlyphSize size) const;
    // Glyph copies cannot be opened without their editor: yes keeps each one
    // under a dated name in the same folder (opened from the editor later),
    // no deletes it. Each copy is asked about once.
    void offerGlyphs(Console& c) const;

private:
    std::string folder_;
    std::string base_;
};

// On a request to end: the document into its recovery copy when it has
// unsaved changes, and the glyph of an open editor with unsaved changes.
// Returns false when a copy could not be written (told on stderr, as no
// message box can wait now).
bool keepUnsavedWork(Console& c, const RecoveryCopy& copy);

// The signals that ask a program to end, turned into a Qt signal on the UI
// thread: the handler only writes the signal number into a socket pair, a
// QSocketNotifier reads it. One instance at a time; the destructor puts the
// default handling back.
class TerminationSignals : public QObject {
    Q_OBJECT
public:
    explicit TerminationSignals(QObject* parent = nullptr);
    ~TerminationSignals() override;

signals:
    void requested(int signo);

private:
    void readPending();
    QSocketNotifier* notifier_ = nullptr;
};

}  // namespace vrq
