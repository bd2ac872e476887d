#include "ctl/title_csv_run.h"

#include <cstdio>
#include <ostream>

#include "ctl/device_run.h"
#include "link/title_char_codec.h"
#include "model/console.h"
#include "model/settings_file.h"
#include "protocol/utf8.h"

namespace vrq::ctl {

namespace {

std::string codePoint(char32_t ch) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "U+%04X", static_cast<unsigned>(ch));
    return buf;
}

// The character itself where a terminal can show it, always with its code.
std::string shownChar(char32_t ch) {
    if (ch < 0x20 || ch == 0x7F || (ch >= 0x80 && ch < 0xA0)) return codePoint(ch);
    std::string s;
    appendUtf8(s, ch);
    return "'" + s + "' (" + codePoint(ch) + ")";
}

}  // namespace

const char* csvEncodingName(CsvEncoding e) {
    switch (e) {
    case CsvEncoding::Utf8WithMark: return "UTF-8 with byte-order mark";
    case CsvEncoding::Utf8: return "UTF-8";
    case CsvEncoding::CodePage932: return "CP932 (Shift-JIS)";
    }
    return "";
}

std::string csvProblemText(const CsvProblem& p) {
    std::string where = "row " + std::to_string(p.row);
    if (p.column > 0) where += ", column " + std::to_string(p.column);
    std::string why;
    switch (p.kind) {
    case CsvProblemKind::NotText: why = "not a text file in UTF-8 or CP932"; break;
    case CsvProblemKind::NoHeader: why = "the header row is missing (page,line,title or, --single, page,title)"; break;
    case CsvProblemKind::OtherModel: why = "the header is the other model's (try with or without --single)"; break;
    case CsvProblemKind::UnclosedQuote: why = "a quoted cell is not closed"; break;
    case CsvProblemKind::MissingCell: why = "a cell is missing"; break;
    case CsvProblemKind::ExtraCell: why = "a cell after the title (a comma outside quotes?)"; break;
    case CsvProblemKind::NotNumber: why = "'" + p.cell + "' is not a number"; break;
    case CsvProblemKind::PageRange: why = "page " + p.cell + " is not 1..512"; break;
    case CsvProblemKind::LineRange: why = "line " + p.cell + " is not 1..10"; break;
    case CsvProblemKind::Duplicate: why = "the same title as row " + std::to_string(p.limit); break;
    case CsvProblemKind::LineBreak: why = "a line break in a title"; break;
    case CsvProblemKind::NoCode: why = shownChar(p.ch) + " has no Shift-JIS code"; break;
    case CsvProblemKind::Refused: why = shownChar(p.ch) + " is not a character the device shows"; break;
    case CsvProblemKind::TooLong: why = "longer than " + std::to_string(p.limit) + " characters"; break;
    case CsvProblemKind::More: return "and " + std::to_string(p.limit) + " more";
    }
    return where + ": " + why;
}

int runTitleCsv(const Options& o, std::ostream& out, std::ostream& err) {
    std::unique_ptr<Console> doc = makeConsole(o.product);
    int missing = 0;
    if (const FileResult r = SettingsFile::load(*doc, o.argument, &missing); !r) {
        err << "vrqctl: cannot read the settings document " << o.argument << ": " << fileProblemReason(r) << "\n";
        return kExitUsage;
    }
    // As the consoles open it: what the file lacks is taken at its default.
    if (missing > 0)
        err << "vrqctl: " << o.argument << " lacks " << missing << " of " << SettingsFile::recordCount(o.product)
            << " settings; they are taken at their defaults\n";
    if (o.action == Action::ExportTitles) {
        const std::string csv = exportTitlesCsv(doc->settings, o.product, titleCharCodec());
        if (o.argument2 == "-") {
            out.write(csv.data(), static_cast<std::streamsize>(csv.size()));
            out.flush();
            if (!out) {
                err << "vrqctl: cannot write the titles to standard output\n";
                return kExitUsage;
            }
            return kExitOk;
        }
        if (const FileResult r = writeFileAtomically(o.argument2, csv); !r) {
            err << "vrqctl: cannot write " << o.argument2 << ": " << fileProblemReason(r) << "\n";
            return kExitUsage;
        }
        return kExitOk;
    }

    std::string bytes;
    if (const FileResult r = readRegularFile(o.argument2, kTitleCsvSizeCap, bytes); !r) {
        err << "vrqctl: cannot read " << o.argument2 << ": " << fileProblemReason(r) << "\n";
        return kExitUsage;
    }
    const TitleCsvImport imp = readTitlesCsv(bytes, o.product, titleCharCodec());
    if (!imp) {
        for (const CsvProblem& p : imp.problems) err << o.argument2 << ": " << csvProblemText(p) << "\n";
        const std::size_t n = imp.problems.size() + static_cast<std::size_t>(
            imp.problems.back().kind == CsvProblemKind::More ? imp.problems.back().limit - 1 : 0);
        err << "vrqctl: " << n << (n == 1 ? " problem" : " problems") << "; nothing written\n";
        return kExitUsage;
    }
    const int changed = applyTitleRows(doc->settings, o.product, imp.rows);
    if (const FileResult r = SettingsFile::save(*doc, o.argument3); !r) {
        err << "vrqctl: cannot write " << o.argument3 << ": " << fileProblemReason(r) << "\n";
        return kExitUsage;
    }
    out << imp.rows.size() << " rows read (" << csvEncodingName(imp.encoding) << "), " << changed
        << (changed == 1 ? " title" : " titles") << " changed, " << imp.converted
        << (imp.converted == 1 ? " character" : " characters") << " made full-width\n";
    return kExitOk;
}

}  // namespace vrq::ctl
