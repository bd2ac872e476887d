#pragma once
// Where commands go now, as the checks before a read and before a change of
// destination see it.

#include <string_view>

#include "model/console.h"

namespace vrq {

inline constexpr std::string_view kBroadcastReadText =
    "ブロードキャストからは読み込めません。スレーブアドレスを選んでください。";

// RS-485 with "FF" or no address: sendCommand frames it as a broadcast, which
// no device answers.
bool targetIsBroadcast(const AppState& a);

// False, after telling the operator, when a read would go out as a broadcast:
// nothing would ever answer it.
bool readAllowed(Console& c);

}  // namespace vrq
