// SPDX-License-Identifier: GPL-3.0-or-later
// What the tests' build of the Windows program answers differently from the
// program (tests/win32/CMakeLists.txt).
//
// The functions newer than Windows 7, as the program looks them up, but
// those the tests name (HKEY_CURRENT_USER\Software\DistanciaLNB\Tests,
// Missing, names separated by commas) missing, as on Windows 7: Wine has
// them all, whatever Windows it says it is.
#include <windows.h>

#include <array>
#include <string>

#include "win32/newer_functions.hpp"

namespace lnb::win32 {
namespace {

std::string missingFunctions() {
    std::array<char, 256> names{};
    DWORD size = sizeof names;
    if (RegGetValueA(HKEY_CURRENT_USER, "Software\\DistanciaLNB\\Tests", "Missing", RRF_RT_REG_SZ,
                     nullptr, names.data(), &size) != ERROR_SUCCESS)
        return {};
    return "," + std::string(names.data()) + ",";
}

}  // namespace

FARPROC newerFunction(const char* name) {
    if (missingFunctions().find("," + std::string(name) + ",") != std::string::npos)
        return nullptr;
    HMODULE user32 = GetModuleHandleW(L"user32.dll");
    return user32 ? GetProcAddress(user32, name) : nullptr;
}

}  // namespace lnb::win32
