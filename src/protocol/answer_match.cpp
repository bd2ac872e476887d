#include "protocol/answer_match.h"

#include <array>

namespace vrq {

namespace {

struct ReadRequest {
    std::string_view mnemonic;  // after the "R"
    std::size_t indexWidth;     // digits (or hex digits) that follow it
    std::string_view rowKey;    // the row of the answer
};

// Every read request the programs send. Some answers carry a longer key than
// their request ("RAD" is answered "ADON"), and the single-line program asks
// "RCABC" without a page for all pages at once.
constexpr std::array kReads = {
    ReadRequest{"CA", 3, "CA"},      ReadRequest{"CABC", 3, "CABC"},  ReadRequest{"CABC", 0, "CABC"},
    ReadRequest{"CBS", 3, "CBS"},    ReadRequest{"CBS", 0, "CBS"},    ReadRequest{"CFS", 3, "CFS"},
    ReadRequest{"CFS", 0, "CFS"},    ReadRequest{"FB", 3, "FB"},      ReadRequest{"FB", 0, "FB"},
    ReadRequest{"IDLS", 3, "IDLS"},  ReadRequest{"SD", 2, "SD"},      ReadRequest{"FBML", 4, "FBML"},
    ReadRequest{"FBMM", 4, "FBMM"},  ReadRequest{"FBMS", 4, "FBMS"},  ReadRequest{"ACA", 0, "ACA"},
    ReadRequest{"AD", 0, "ADO"},     ReadRequest{"ADO", 0, "ADO"},    ReadRequest{"ADT", 0, "ADT"},
    ReadRequest{"AM", 0, "AM"},      ReadRequest{"AP", 0, "AP"},      ReadRequest{"AR", 0, "ARO"},
    ReadRequest{"ARO", 0, "ARO"},    ReadRequest{"CFZ", 0, "CFZ"},    ReadRequest{"CI", 0, "CI"},
    ReadRequest{"CL", 0, "CL"},      ReadRequest{"PAST", 0, "PAST"},  ReadRequest{"PAS", 0, "PAS"},
    ReadRequest{"POSP", 0, "POSP"},  ReadRequest{"RCA", 0, "RCA"},    ReadRequest{"RM", 0, "RM"},
    ReadRequest{"TSD", 0, "TSDO"},   ReadRequest{"TSDO", 0, "TSDO"},  ReadRequest{"TSDR", 0, "TSDR"},
    ReadRequest{"VLBC", 0, "VLBC"},  ReadRequest{"VN", 0, "VN"},      ReadRequest{"DM", 0, "DM"},
    ReadRequest{"IDO", 0, "IDO"},    ReadRequest{"IDP", 0, "IDP"},    ReadRequest{"ISS", 0, "ISS"},
    ReadRequest{"EAA", 0, "EAA"},    ReadRequest{"EGA", 0, "EGA"},    ReadRequest{"EIA", 0, "EIA"},
    ReadRequest{"ECT", 0, "ECT"},    ReadRequest{"EKA", 0, "EKA"},    ReadRequest{"EPN", 0, "EPN"},
    ReadRequest{"ESM", 0, "ESM"},    ReadRequest{"ETR", 0, "ETR"},    ReadRequest{"EMA", 0, "EMA"},
};

std::string_view withoutLineEnd(std::string_view s) {
    while (!s.empty() && (s.back() == '\n' || s.back() == '\r')) s.remove_suffix(1);
    return s;
}

}  // namespace

ExpectedAnswer expectedAnswer(std::string_view command) {
    command = withoutLineEnd(command);
    if (command.size() < 2 || command[0] != 'R') return {};
    const std::string_view body = command.substr(1);
    for (const ReadRequest& r : kReads) {
        if (body.size() == r.mnemonic.size() + r.indexWidth && body.substr(0, r.mnemonic.size()) == r.mnemonic)
            return {true, std::string(r.rowKey), std::string(body.substr(r.mnemonic.size()))};
    }
    return {};  // a set command ("RCA" with eight numbers, "RMBIN") or one we do not know
}

AnswerFit fitAnswer(Product p, const ExpectedAnswer& e, std::string_view line, ReplyChannel channel) {
    const ReplyRow row = replyRowOf(p, line, channel);
    if (row.kind == ReplyRowKind::Refusal) return AnswerFit::Refused;
    if (!e.readBack) return row.kind == ReplyRowKind::Acknowledgement ? AnswerFit::Acknowledged : AnswerFit::NotItsAnswer;
    // A row the table does not keep ("DM") is still known by its key.
    const bool sameRow = row.kind == ReplyRowKind::ReadBack ? row.key == e.rowKey
                                                            : row.kind == ReplyRowKind::None &&
                                                                  line.substr(0, e.rowKey.size()) == e.rowKey;
    if (!sameRow) return AnswerFit::NotItsAnswer;
    return line.substr(e.rowKey.size(), e.index.size()) == e.index ? AnswerFit::ReadBack : AnswerFit::NotItsAnswer;
}

}  // namespace vrq
