// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <windows.h>

namespace lnb::win32 {

// A function of user32.dll that Windows 7 lacks, looked up by name when the
// program runs, or nothing where this Windows has none of that name. The
// tests' build can be told that some are missing (tests/win32).
FARPROC newerFunction(const char* name);

template <typename Function>
Function newerFunction(const char* name) {
    return reinterpret_cast<Function>(reinterpret_cast<void*>(newerFunction(name)));
}

}  // namespace lnb::win32
