// Settings document reader of either model. What a damaged document leaves in
// the model is then built into send-all commands, as the next send-all run
// would: a value no dialog could have set must neither index past a table
// there nor put a byte on the wire that breaks the command line.
//
// Input: flags (bit 0 single-line model), two bytes choosing the first of four
// send-all steps to build, then the document bytes.

#include "fuzz_support.h"
#include "model/reset_settings.h"
#include "model/settings_file.h"
#include "protocol/bulk_runs.h"

using namespace vrq;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 3) return 0;
    const Product p = fuzz::productOf(data[0]);
    const int firstStep = (data[1] << 8) | data[2];
    const std::string_view bytes = fuzz::bytesOf(data + 3, size - 3);

    RecordingNotifier notes;
    Console& c = fuzz::consoleFor(p, notes);
    // Records past the end of a short document keep their values: start each
    // input from the defaults so it replays alone.
    resetSettings(c);
    // The check Open runs first takes any bytes and names only document problems.
    const FileProblem shape = SettingsFile::check(bytes, p);
    if (shape != FileProblem::None && shape != FileProblem::OtherModel && shape != FileProblem::TooManyRecords &&
        shape != FileProblem::NotADocument)
        fuzz::fail("document check with a problem no document can have");
    const int loaded = SettingsFile::deserialize(c, bytes);
    if (loaded < 0 || loaded > SettingsFile::recordCount(p)) fuzz::fail("record count out of range");
    fuzz::checkCells(c);

    const int steps = sendAllStepCount(p);
    for (int k = 0; k < 4; ++k) {
        const int step = (firstStep + k) % steps + 1;
        const SendAllStep built = buildSendAllStep(c.settings, p, step);
        if (!built.line) continue;
        if (built.line->text().size() >= static_cast<std::size_t>(kLineBufferSize))
            fuzz::fail("send-all line longer than the line buffer");
        // A control byte would end or split the command on the wire.
        for (const char ch : built.line->body())
            if (ch < 0x20 || ch > 0x7E) fuzz::fail("send-all line with a byte outside printable ASCII");
    }
    return 0;
}
