#pragma once
// What the operator types into number and address fields, read strictly: a
// value that is not exactly right is refused rather than guessed at. Texts are
// UTF-8; full-width digits and the full-width full stop count as their ASCII
// forms, as a Japanese input method types them.

#include <optional>
#include <string>
#include <string_view>

#include "model/message.h"
#include "model/settings_model.h"

namespace vrq {

inline constexpr Text kAddressRefusedText =
    VRQ_TEXT("Fields", "IPアドレスは0～255の数字4つを「.」で区切って入力してください。");
inline constexpr Text kPortRefusedText = VRQ_TEXT("Fields", "ポート番号は1～65535の数字で入力してください。");

// `text` with full-width digits (０..９) and full stops (．) made ASCII; every
// other byte is kept.
std::string narrowDigits(std::string_view text);

// A TCP port: one to five digits, 1..65535, blanks around allowed.
std::optional<int> parsePortNumber(std::string_view text);

// An IPv4 address: exactly four groups of one to three digits, each 0..255,
// separated by single dots; blanks around the whole allowed.
std::optional<Octets> parseIpv4Address(std::string_view text);

}  // namespace vrq
