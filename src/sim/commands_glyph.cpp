// User glyphs: registering a pattern into a numbered slot, reading a slot or
// the built-in pattern of a character back, and placing a glyph into a title.

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "sim/sim_device.h"
#include "sim/sim_fields.h"

namespace vrq::sim {

namespace {

struct GlyphKind {
    char letter;
    int dots;
    int slots;  // numbers the device accepts for this size
};

constexpr GlyphKind kKinds[3] = {{'L', 48, 70}, {'M', 32, 160}, {'S', 24, 256}};

int digitsOf(const GlyphKind& k) { return k.dots * k.dots / 4; }

bool isHexUpper(char ch) { return (ch >= '0' && ch <= '9') || (ch >= 'A' && ch <= 'F'); }

bool parseHex4(std::string_view s, int& out) {
    out = 0;
    if (s.size() != 4) return false;
    for (char ch : s) {
        if (!isHexUpper(ch)) return false;
        out = out * 16 + (ch <= '9' ? ch - '0' : ch - 'A' + 10);
    }
    return true;
}

// The slot whose glyph code is `code`, or 0. The device numbers its glyph
// codes in four runs of JIS cells 0x21..0x7E.
int slotOfCode(int code) {
    struct Run { int first, last, base; };
    static constexpr Run runs[] = {
        {0xA365, 0xA37E, 1}, {0xA421, 0xA47E, 27}, {0xA521, 0xA57E, 121}, {0xA621, 0xA64A, 215}};
    for (const Run& r : runs) {
        if (code >= r.first && code <= r.last) return r.base + (code - r.first);
    }
    return 0;
}

// Built-in pattern of a character: a box with a cross, and the code's 16 bits
// lit along the second row, so each character comes back recognisably its own.
std::string characterPattern(const GlyphKind& k, int code) {
    std::vector<std::vector<bool>> dot(static_cast<std::size_t>(k.dots), std::vector<bool>(static_cast<std::size_t>(k.dots)));
    const int last = k.dots - 1;
    for (int i = 0; i < k.dots; ++i) {
        const auto u = static_cast<std::size_t>(i);
        dot[0][u] = dot[static_cast<std::size_t>(last)][u] = dot[u][0] = dot[u][static_cast<std::size_t>(last)] = true;
        dot[u][u] = dot[u][static_cast<std::size_t>(last - i)] = true;
    }
    for (int b = 0; b < 16; ++b) dot[2][static_cast<std::size_t>(4 + b)] = ((code >> (15 - b)) & 1) != 0;
    std::string out;
    static constexpr char hex[] = "0123456789ABCDEF";
    for (int r = 0; r < k.dots; ++r) {
        for (int c = 0; c < k.dots; c += 4) {
            int v = 0;
            for (int d = 0; d < 4; ++d) {
                if (dot[static_cast<std::size_t>(r)][static_cast<std::size_t>(c + d)]) v |= 8 >> d;
            }
            out.push_back(hex[v]);
        }
    }
    return out;
}

struct GlyphStore {
    std::array<std::vector<std::string>, 3> slots;
    GlyphStore() {
        for (int i = 0; i < 3; ++i) {
            const GlyphKind& k = kKinds[i];
            slots[static_cast<std::size_t>(i)].assign(static_cast<std::size_t>(k.slots) + 1,
                                                      std::string(static_cast<std::size_t>(digitsOf(k)), '0'));
        }
    }
};

}  // namespace

void addGlyphCommands(CommandTable& t, Product product) {
    auto store = std::make_shared<GlyphStore>();
    for (std::size_t i = 0; i < 3; ++i) {
        const GlyphKind k = kKinds[i];
        const std::size_t n = static_cast<std::size_t>(digitsOf(k));
        const std::string letter(1, k.letter);

        t.push_back({"GR" + letter, 3 + 3 + n,
                     [store, k, i, n](SettingsModel&, std::string_view b) {
                         int number = 0;
                         if (!parseDec(b.substr(3, 3), number) || number < 1 || number > k.slots) return false;
                         const std::string_view digits = b.substr(6, n);
                         for (char ch : digits) {
                             if (!isHexUpper(ch)) return false;
                         }
                         store->slots[i][static_cast<std::size_t>(number)] = std::string(digits);
                         return true;
                     },
                     {}});

        // The answer repeats the requested code before the pattern.
        t.push_back({"FBM" + letter, 4 + 4, {},
                     [store, k, i](const SettingsModel&, std::string_view b) {
                         int code = 0;
                         if (!parseHex4(b.substr(4, 4), code)) return std::string();
                         const int slot = slotOfCode(code);
                         std::string a(b.substr(0, 8));
                         if (slot >= 1 && slot <= k.slots) {
                             a += store->slots[i][static_cast<std::size_t>(slot)];
                         } else if (slot == 0 && code >= 0x2121 && code <= 0x7E7E && (code & 0xFF) >= 0x21 &&
                                    (code & 0xFF) <= 0x7E) {
                             a += characterPattern(k, code);
                         } else {
                             return std::string();
                         }
                         return a;
                     }});
    }

    // Insertion: the device places the glyph; the simulator checks the fields.
    if (product == Product::Multi) {
        t.push_back({"G", 14,
                     [](SettingsModel&, std::string_view b) {
                         int number = 0, page = 0, line = 0, pos = 0;
                         return parseDec(b.substr(1, 3), number) && number >= 1 && number <= 256 &&
                                b[4] == 'P' && parsePage(b, 5, page) && parseLine(b, 8, line) && b[11] == 'I' &&
                                parseDec(b.substr(12, 2), pos) && pos >= 1 && pos <= 28;
                     },
                     {}});
    } else {
        t.push_back({"G", 12,
                     [](SettingsModel&, std::string_view b) {
                         int number = 0, page = 0, pos = 0;
                         return parseDec(b.substr(1, 3), number) && number >= 1 && number <= 256 &&
                                b[4] == 'P' && parsePage(b, 5, page) && b[8] == 'I' &&
                                parseDec(b.substr(9, 3), pos) && pos >= 1 && pos <= 280;
                     },
                     {}});
    }
}

}  // namespace vrq::sim
