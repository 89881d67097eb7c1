// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How loads and saves reach the file system, passed to each of them: the real system calls unless
// a test replaces some.
#include "flex/system_calls.hpp"

namespace flex {

struct FileContext {
  SystemCalls calls = realSystemCalls();
};

}  // namespace flex
