#pragma once
// Where commands go now, as the checks before a read and before a change of
// destination see it.

#include <string_view>

#include "model/console.h"
#include "model/message.h"

namespace vrq {

inline constexpr Text kBroadcastReadText =
    VRQ_TEXT("Runs", "ブロードキャストからは読み込めません。スレーブアドレスを選んでください。");
inline constexpr Text kTargetFixedText = VRQ_TEXT("Runs", "転送中は送信先を変更できません。");

// RS-485 with "FF" or no address: sendCommand frames it as a broadcast, which
// no device answers.
bool targetIsBroadcast(const AppState& a);

// False, after telling the operator, when a read would go out as a broadcast:
// nothing would ever answer it.
bool readAllowed(Console& c);

// A run sends every step to one destination; while one is active the
// destination stays. False, after telling the operator, while a run is active.
bool targetChangeAllowed(Console& c);

}  // namespace vrq
