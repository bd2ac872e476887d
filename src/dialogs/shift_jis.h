#pragma once
// The converter moved below the dialogs so that vrqctl reads and writes
// titles with it too; the dialogs keep their include.
#include "link/shift_jis.h"
