#include "ctl/title_csv_run.h"

#include <ostream>

#include "ctl/device_run.h"
#include "link/title_char_codec.h"
#include "model/console.h"
#include "model/settings_file.h"
#include "link/ui_language.h"
#include "protocol/title_csv_texts.h"

namespace vrq::ctl {

namespace {

std::string cannotWrite(const std::string& path, const FileResult& r) {
    return renderUtf8(Message(VRQ_TEXT("TitleCsv", "%1 に書き込めません：%2")).arg(path).arg(fileProblemReason(r)));
}

}  // namespace

int runTitleCsv(const Options& o, std::ostream& out, std::ostream& err) {
    std::unique_ptr<Console> doc = makeConsole(o.product);
    int missing = 0;
    if (const FileResult r = SettingsFile::load(*doc, o.argument, &missing); !r) {
        err << "vrqctl: "
            << renderUtf8(Message(VRQ_TEXT("TitleCsv", "設定ファイル %1 を読み込めません：%2"))
                              .arg(o.argument)
                              .arg(fileProblemReason(r)))
            << "\n";
        return kExitUsage;
    }
    // As the consoles open it: what the file lacks is taken at its default.
    if (missing > 0)
        err << "vrqctl: "
            << renderUtf8(Message(VRQ_TEXT("TitleCsv", "%1 には %3 件中 %2 件の設定がありません。初期値を使います"))
                              .arg(o.argument)
                              .arg(missing)
                              .arg(SettingsFile::recordCount(o.product)))
            << "\n";
    if (o.action == Action::ExportTitles) {
        const std::string csv = exportTitlesCsv(doc->settings, o.product, titleCharCodec());
        if (o.argument2 == "-") {
            out.write(csv.data(), static_cast<std::streamsize>(csv.size()));
            out.flush();
            if (!out) {
                err << "vrqctl: " << renderUtf8(VRQ_TEXT("TitleCsv", "タイトルを標準出力に書き出せません")) << "\n";
                return kExitUsage;
            }
            return kExitOk;
        }
        if (const FileResult r = writeFileAtomically(o.argument2, csv); !r) {
            err << "vrqctl: " << cannotWrite(o.argument2, r) << "\n";
            return kExitUsage;
        }
        return kExitOk;
    }

    std::string bytes;
    if (const FileResult r = readRegularFile(o.argument2, kTitleCsvSizeCap, bytes); !r) {
        err << "vrqctl: "
            << renderUtf8(Message(VRQ_TEXT("TitleCsv", "%1 を読み込めません：%2")).arg(o.argument2).arg(fileProblemReason(r)))
            << "\n";
        return kExitUsage;
    }
    const TitleCsvImport imp = readTitlesCsv(bytes, o.product, titleCharCodec());
    if (!imp) {
        for (const CsvProblem& p : imp.problems)
            err << o.argument2 << ": " << renderUtf8(csvProblemMessage(p, o.product)) << "\n";
        err << "vrqctl: "
            << renderUtf8(Message(VRQ_TEXT_N("TitleCsv", "%n件の問題があるため、何も書き込みませんでした"))
                              .count(static_cast<long long>(csvProblemCount(imp.problems))))
            << "\n";
        return kExitUsage;
    }
    const int changed = applyTitleRows(doc->settings, o.product, imp.rows);
    if (const FileResult r = SettingsFile::save(*doc, o.argument3); !r) {
        err << "vrqctl: " << cannotWrite(o.argument3, r) << "\n";
        return kExitUsage;
    }
    out << renderUtf8(csvImportSummary(imp, changed, o.argument2)) << "\n";
    return kExitOk;
}

}  // namespace vrq::ctl
