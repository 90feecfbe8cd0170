#include "app/console.h"

#include <QtGlobal>
#include <cstdio>

#include "app/about.h"

#ifdef Q_OS_WIN
#include <windows.h>

#include <string>
#endif

namespace app {

#ifdef Q_OS_WIN

namespace {

std::wstring wide(std::string_view text) {
    const int size = static_cast<int>(text.size());
    std::wstring result(
        static_cast<std::size_t>(MultiByteToWideChar(CP_UTF8, 0, text.data(), size, nullptr, 0)),
        L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.data(), size, result.data(),
                        static_cast<int>(result.size()));
    return result;
}

bool usable(HANDLE handle) { return handle && handle != INVALID_HANDLE_VALUE; }

}  // namespace

void tell(std::string_view text, Stream stream) {
    HANDLE handle = GetStdHandle(stream == Stream::Error ? STD_ERROR_HANDLE : STD_OUTPUT_HANDLE);
    // Started from a console without redirection: the program has no standard handles of its
    // own, and writes into the console it was typed in.
    if (!usable(handle) && AttachConsole(ATTACH_PARENT_PROCESS)) {
        handle = CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_WRITE, nullptr,
                             OPEN_EXISTING, 0, nullptr);
    }
    if (usable(handle)) {
        DWORD mode = 0;
        DWORD written = 0;
        if (GetConsoleMode(handle, &mode)) {
            // UTF-16 into a console shows the Russian text whatever its code page.
            const std::wstring line = wide(text);
            WriteConsoleW(handle, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
        } else {  // a file or a pipe gets UTF-8, as on every other platform
            WriteFile(handle, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
        }
        return;
    }
    // Started from the Start menu or Explorer with an option: the text in a box.
    MessageBoxW(nullptr, wide(text).c_str(), wide(kProgramName).c_str(),
                MB_OK | (stream == Stream::Error ? MB_ICONERROR : MB_ICONINFORMATION));
}

#else

void tell(std::string_view text, Stream stream) {
    std::FILE* const file = stream == Stream::Error ? stderr : stdout;
    std::fwrite(text.data(), 1, text.size(), file);
    std::fflush(file);
}

#endif

}  // namespace app
