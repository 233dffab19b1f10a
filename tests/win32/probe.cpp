// SPDX-License-Identifier: GPL-3.0-or-later
// Drives the running program's window from outside, as assistive tools do:
// finds it by its class, reads its controls' texts, pastes into them, tells
// where they are and which has the focus. Commands, several in one run
// separated by "--", each answering on lines of its own:
//   probe wait | info | alive | clipboard | focus | close
//   probe text|where|selection|shown NAME
//   probe accname|accdescription|accstate NAME    (through oleacc, as screen readers)
//   probe paste NAME TEXT     (TEXT: \n \t \r \uXXXX escapes; repeat:N:TEXT)
//   probe highcontrast on|off|available (Windows' switch, and High Contrast
//                             Black's colours while on or available)
//   probe missing NAMES       (user32's functions the tests' build is to miss)
//   probe dpi N               (the dots per inch of programs started next)
//   probe select NAME START,END (the field's selection, as if the user had made it)
//   probe tooltip             (the text of the tooltip shown now)
//   probe menu                (where the popup menu shown now is: x y w h)
//   probe setclipboard TEXT   (TEXT escaped as for paste)
//   probe windows             (the version Windows says it is: "6.1" for 7)
//   probe contrast RRGGBB RRGGBB (WCAG's contrast ratio of two colours)
#include <windows.h>

#include <commctrl.h>
#include <fcntl.h>
#include <io.h>
#include <oleacc.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include "tests/contrast.hpp"
#include "tests/high_contrast_schemes.hpp"
#include "tests/win32/system_colour_names.hpp"
#include "win32/control_ids.hpp"
#include "win32/wide_text.hpp"

namespace {

using lnb::win32::narrow;
using lnb::win32::widen;

void say(const std::string& text) {
    std::fwrite(text.data(), 1, text.size(), stdout);
    std::fputc('\n', stdout);
}

HWND mainWindow() {
    return FindWindowW(L"frmMain", nullptr);
}

int idOf(const std::wstring& name) {
    for (const auto& control : lnb::design::kControls) {
        if (widen(control.name) == name)
            return lnb::win32::controlId(control.id);
    }
    return -1;
}

std::wstring nameOf(int id) {
    const auto control = lnb::win32::controlOf(id);
    return control ? widen(lnb::design::control(*control).name) : L"?";
}

std::wstring textOf(HWND window) {
    const auto length = SendMessageW(window, WM_GETTEXTLENGTH, 0, 0);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    SendMessageW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(length));
    return text;
}

// The tooltip the program shows now, as the screen shows it: the text of its
// visible tooltip window.
std::wstring shownTooltip(HWND window) {
    struct Search {
        std::wstring text;
    } search;
    EnumThreadWindows(
        GetWindowThreadProcessId(window, nullptr),
        [](HWND candidate, LPARAM found) -> BOOL {
            std::array<wchar_t, 64> name{};
            GetClassNameW(candidate, name.data(), static_cast<int>(name.size()));
            if (std::wstring(name.data()) != TOOLTIPS_CLASSW || !IsWindowVisible(candidate))
                return TRUE;
            reinterpret_cast<Search*>(found)->text = textOf(candidate);
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.text;
}

// Where the program's popup menu shown now is on the screen (a menu's
// entries are the owner's: another program cannot read them under Wine).
std::string shownMenu(HWND window) {
    struct Search {
        HWND menu = nullptr;
    } search;
    EnumThreadWindows(
        GetWindowThreadProcessId(window, nullptr),
        [](HWND candidate, LPARAM found) -> BOOL {
            std::array<wchar_t, 16> name{};
            GetClassNameW(candidate, name.data(), static_cast<int>(name.size()));
            if (std::wstring(name.data()) != L"#32768" || !IsWindowVisible(candidate))
                return TRUE;
            reinterpret_cast<Search*>(found)->menu = candidate;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    if (!search.menu)
        return "no menu";
    RECT rect{};
    GetWindowRect(search.menu, &rect);
    return std::to_string(rect.left) + " " + std::to_string(rect.top) + " " +
           std::to_string(rect.right - rect.left) + " " + std::to_string(rect.bottom - rect.top);
}

std::wstring unescape(const std::wstring& text) {
    if (text.rfind(L"repeat:", 0) == 0) {
        const std::size_t colon = text.find(L':', 7);
        const int count = std::stoi(text.substr(7, colon - 7));
        std::wstring repeated;
        for (int i = 0; i < count; ++i) repeated += text.substr(colon + 1);
        return repeated;
    }
    std::wstring out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != L'\\' || i + 1 == text.size()) {
            out += text[i];
            continue;
        }
        const wchar_t kind = text[++i];
        if (kind == L'n')
            out += L'\n';
        else if (kind == L't')
            out += L'\t';
        else if (kind == L'r')
            out += L'\r';
        else if (kind == L'u') {
            out += static_cast<wchar_t>(std::stoi(text.substr(i + 1, 4), nullptr, 16));
            i += 4;
        } else
            out += kind;
    }
    return out;
}

// As the system knows it, whatever a program's manifest lets it say.
std::string windowsVersion() {
    using RtlGetVersionFunction = LONG(WINAPI*)(OSVERSIONINFOW*);
    const auto getVersion = reinterpret_cast<RtlGetVersionFunction>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "RtlGetVersion")));
    OSVERSIONINFOW version{};
    version.dwOSVersionInfoSize = sizeof version;
    if (!getVersion || getVersion(&version) != 0)
        return "?";
    return std::to_string(version.dwMajorVersion) + "." + std::to_string(version.dwMinorVersion);
}

std::pair<int, int> splitPair(const std::wstring& text) {
    const std::size_t comma = text.find(L',');
    return {std::stoi(text.substr(0, comma)), std::stoi(text.substr(comma + 1))};
}

void setClipboard(const std::wstring& text) {
    OpenClipboard(nullptr);
    EmptyClipboard();
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(wchar_t));
    auto* target = static_cast<wchar_t*>(GlobalLock(memory));
    text.copy(target, text.size());
    target[text.size()] = L'\0';
    GlobalUnlock(memory);
    SetClipboardData(CF_UNICODETEXT, memory);
    CloseClipboard();
}

std::wstring clipboard() {
    std::wstring text;
    OpenClipboard(nullptr);
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        text = static_cast<const wchar_t*>(GlobalLock(data));
        GlobalUnlock(data);
    }
    CloseClipboard();
    return text;
}

// Defined here: MinGW's oleacc import library gives the name as a thunk, and
// a query with that fails.
constexpr IID kIAccessible{
    0x618736e0, 0x3c3d, 0x11cf, {0x81, 0x0c, 0x00, 0xaa, 0x00, 0x38, 0x9b, 0x71}};

// A control's name, description or state as a screen reader gets them.
std::string accessible(HWND control, const std::wstring& what) {
    IAccessible* object = nullptr;
    if (FAILED(AccessibleObjectFromWindow(control, static_cast<DWORD>(OBJID_CLIENT), kIAccessible,
                                          reinterpret_cast<void**>(&object))) ||
        !object)
        return "(no object)";
    VARIANT self{};
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    std::string answer;
    if (what == L"accstate") {
        VARIANT state{};
        if (SUCCEEDED(object->get_accState(self, &state)) && state.vt == VT_I4)
            answer = std::to_string(state.lVal);
    } else {
        BSTR text = nullptr;
        const HRESULT result = what == L"accname" ? object->get_accName(self, &text)
                                                  : object->get_accDescription(self, &text);
        if (SUCCEEDED(result) && text)
            answer = narrow(text);
        SysFreeString(text);
    }
    object->Release();
    return answer;
}

constexpr wchar_t kTestsKey[] = L"Software\\DistanciaLNB\\Tests";
constexpr wchar_t kSavedColoursKey[] = L"Software\\DistanciaLNB\\Tests\\SavedColours";

std::wstring readString(HKEY root, const wchar_t* key, const wchar_t* name) {
    std::array<wchar_t, 64> text{};
    DWORD size = sizeof text;
    if (RegGetValueW(root, key, name, RRF_RT_REG_SZ, nullptr, text.data(), &size) != ERROR_SUCCESS)
        return {};
    return text.data();
}

void setString(HKEY root, const wchar_t* key, const wchar_t* name, const std::wstring& value) {
    RegSetKeyValueW(root, key, name, REG_SZ, value.c_str(),
                    static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
}

// High Contrast Black's colours where Windows keeps the system's, those
// there before kept aside the first time; or those put back.
void useHighContrastBlack(bool use) {
    for (const auto& [index, name, member] : lnb::testing::kSystemColourNames) {
        if (!use) {
            const std::wstring saved = readString(HKEY_CURRENT_USER, kSavedColoursKey, name);
            if (!saved.empty())
                setString(HKEY_CURRENT_USER, lnb::testing::kColoursKey, name, saved);
            continue;
        }
        if (readString(HKEY_CURRENT_USER, kSavedColoursKey, name).empty()) {
            const COLORREF before = GetSysColor(index);
            setString(HKEY_CURRENT_USER, kSavedColoursKey, name,
                      std::to_wstring(GetRValue(before)) + L" " +
                          std::to_wstring(GetGValue(before)) + L" " +
                          std::to_wstring(GetBValue(before)));
        }
        const lnb::design::Rgb rgb = lnb::testing::kHighContrastBlack.*member;
        setString(HKEY_CURRENT_USER, lnb::testing::kColoursKey, name,
                  std::to_wstring(rgb >> 16 & 0xFF) + L" " + std::to_wstring(rgb >> 8 & 0xFF) +
                      L" " + std::to_wstring(rgb & 0xFF));
    }
    if (!use)
        RegDeleteTreeW(HKEY_CURRENT_USER, kSavedColoursKey);
}

// As Windows switches high contrast: the scheme's colours and the switch
// where it keeps them (read by the tests' build, high_contrast_seam.cpp),
// then every window told. "available": the colours, the switch off.
void switchHighContrast(const std::wstring& how) {
    useHighContrastBlack(how != L"off");
    const UINT flags = HCF_AVAILABLE | (how == L"on" ? HCF_HIGHCONTRASTON : 0);
    setString(HKEY_CURRENT_USER, L"Control Panel\\Accessibility\\HighContrast", L"Flags",
              std::to_wstring(flags));
    DWORD_PTR answer = 0;
    SendMessageTimeoutW(HWND_BROADCAST, WM_SETTINGCHANGE, SPI_SETHIGHCONTRAST, 0, SMTO_ABORTIFHUNG,
                        5000, &answer);
}

int run(HWND window, const std::wstring& command, const std::wstring& name,
        const std::wstring& argument) {
    HWND control = name.empty() ? nullptr : GetDlgItem(window, idOf(name));
    if (command == L"info") {
        RECT client{};
        GetClientRect(window, &client);
        POINT origin{0, 0};
        ClientToScreen(window, &origin);
        say(narrow(textOf(window)));
        say(std::to_string(client.right) + " " + std::to_string(client.bottom) + " " +
            std::to_string(origin.x) + " " + std::to_string(origin.y));
    } else if (command == L"alive") {
        DWORD_PTR result = 0;
        const bool answers =
            SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 5000, &result);
        say(answers ? "alive" : "hung");
    } else if (command == L"focus") {
        GUITHREADINFO info{};
        info.cbSize = sizeof info;
        GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info);
        say(narrow(nameOf(GetDlgCtrlID(info.hwndFocus))));
    } else if (command == L"windows") {
        say(windowsVersion());
    } else if (command == L"tooltip") {
        say(narrow(shownTooltip(window)));
    } else if (command == L"menu") {
        say(shownMenu(window));
    } else if (command == L"setclipboard") {
        setClipboard(unescape(name));
    } else if (command == L"contrast") {
        const auto rgb = [](const std::wstring& hex) {
            return static_cast<lnb::design::Rgb>(std::stoul(hex, nullptr, 16));
        };
        char ratio[16];
        std::snprintf(ratio, sizeof ratio, "%.2f",
                      lnb::testing::contrastRatio(rgb(name), rgb(argument)));
        say(ratio);
    } else if (command == L"clipboard") {
        say(narrow(clipboard()));
    } else if (command == L"close") {
        PostMessageW(window, WM_CLOSE, 0, 0);
    } else if (command == L"text" && control) {
        say(narrow(textOf(control)));
    } else if (command == L"checked" && control) {
        // What Windows' accessibility proxy reads a button's state from
        // (Wine's oleacc does not pass it on).
        say(SendMessageW(control, BM_GETCHECK, 0, 0) == BST_CHECKED ? "yes" : "no");
    } else if (command == L"shown" && control) {
        say(IsWindowVisible(control) ? "yes" : "no");
    } else if (command == L"where" && control) {
        RECT rect{};
        GetWindowRect(control, &rect);
        say(std::to_string(rect.left) + " " + std::to_string(rect.top) + " " +
            std::to_string(rect.right - rect.left) + " " + std::to_string(rect.bottom - rect.top));
    } else if (command == L"selection" && control) {
        const auto packed = SendMessageW(control, EM_GETSEL, 0, 0);
        say(std::to_string(LOWORD(packed)) + " " + std::to_string(HIWORD(packed)));
    } else if ((command == L"accname" || command == L"accdescription" || command == L"accstate") &&
               control) {
        say(accessible(control, command));
    } else if (command == L"highcontrast") {
        switchHighContrast(name);
    } else if (command == L"missing") {
        setString(HKEY_CURRENT_USER, kTestsKey, L"Missing", name);
    } else if (command == L"dpi") {
        const DWORD dpi = std::stoul(name);
        RegSetKeyValueW(HKEY_CURRENT_USER, L"Control Panel\\Desktop", L"LogPixels", REG_DWORD, &dpi,
                        sizeof dpi);
    } else if (command == L"select" && control) {
        const auto [start, end] = splitPair(argument);
        SendMessageW(control, EM_SETSEL, start, end);
    } else if (command == L"paste" && control) {
        setClipboard(unescape(argument));
        SendMessageW(control, EM_SETSEL, 0, -1);
        SendMessageW(control, WM_PASTE, 0, 0);
    } else {
        say("unknown command");
        return 2;
    }
    return 0;
}

}  // namespace

int wmain(int argc, wchar_t* argv[]) {
    _setmode(_fileno(stdout), _O_BINARY);
    CoInitialize(nullptr);
    if (argc < 2)
        return 2;
    const std::wstring command = argv[1];
    HWND window = mainWindow();
    for (int waited = 0; command == L"wait" && waited < 600; ++waited) {
        if (window && IsWindowVisible(window))
            break;
        Sleep(50);
        window = mainWindow();
    }
    // What the system is set to needs no window: it is set before one starts.
    const bool settingTheSystem =
        command == L"highcontrast" || command == L"missing" || command == L"dpi";
    if (!window && !settingTheSystem) {
        say("no window");
        return 1;
    }
    if (command == L"wait") {
        say("ready");
        return 0;
    }
    std::vector<std::wstring> words;
    for (int i = 1; i <= argc; ++i) {
        if (i < argc && std::wstring(argv[i]) != L"--") {
            words.emplace_back(argv[i]);
            continue;
        }
        words.resize(std::max<std::size_t>(words.size(), 3));
        if (const int status = run(window, words[0], words[1], words[2]))
            return status;
        words.clear();
    }
    return 0;
}
