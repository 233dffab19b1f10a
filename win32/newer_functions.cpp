// SPDX-License-Identifier: GPL-3.0-or-later
#include "win32/newer_functions.hpp"

namespace lnb::win32 {

FARPROC newerFunction(const char* name) {
    HMODULE user32 = GetModuleHandleW(L"user32.dll");
    return user32 ? GetProcAddress(user32, name) : nullptr;
}

}  // namespace lnb::win32
