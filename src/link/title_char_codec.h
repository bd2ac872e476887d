#pragma once
// The title editor's code page conversion, as the spreadsheet import and
// export take it (consoles and vrqctl alike).

#include "protocol/title_csv.h"

namespace vrq {

const TitleCharCodec& titleCharCodec();

}  // namespace vrq
