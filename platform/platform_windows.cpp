// SPDX-License-Identifier: MIT
#include "platform/platform.h"

#include <windows.h>

// psapi.h below needs windows.h first.
#include <algorithm>
#include <bit>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <io.h>
#include <psapi.h>
#include <shellapi.h>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace icao::platform {
namespace {

std::string utf8OfWide(std::wstring_view wide) {
    const int size = WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()),
                                         nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<std::size_t>(std::max(size, 0)), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), utf8.data(), size,
                        nullptr, nullptr);
    return utf8;
}

// The reason as POSIX words where the two systems mean the same, so that a message reads
// alike on both; otherwise the system's own text.
std::string reasonOf(DWORD error) {
    switch (error) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_NAME:
        return "No such file or directory";
    case ERROR_ACCESS_DENIED:
        return "Permission denied";
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
        return "the file is in use by another program";
    default:
        break;
    }
    wchar_t* text = nullptr;
    const DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, error, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    std::wstring wide(text ? text : L"", length);
    LocalFree(text);
    while (!wide.empty() && (wide.back() == L'\n' || wide.back() == L'\r' || wide.back() == L'.')) {
        wide.pop_back();
    }
    const std::string utf8 = utf8OfWide(wide);
    return utf8.empty() ? "error " + std::to_string(error) : utf8;
}

FileError systemError(const std::filesystem::path& path, const char* what, DWORD error) {
    return FileError{path, std::string(what) + " (" + reasonOf(error) + ")"};
}

HANDLE handleOf(std::intptr_t handle) {
    return reinterpret_cast<HANDLE>(handle);
}

} // namespace

bool isOrdinaryFile(const std::filesystem::path& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    constexpr DWORD kNotOrdinary = FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_DEVICE |
                                   FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & kNotOrdinary) == 0;
}

Expected<ReadOnlyFile> ReadOnlyFile::open(const std::filesystem::path& path) {
    // Others may go on reading, writing or removing it; a folder opens only with backup
    // semantics, so it is refused here as the missing file it is for reading.
    const HANDLE handle = CreateFileW(path.c_str(), GENERIC_READ,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                      nullptr, OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        const DWORD error = GetLastError();
        const DWORD attributes = GetFileAttributesW(path.c_str());
        if (error == ERROR_ACCESS_DENIED && attributes != INVALID_FILE_ATTRIBUTES &&
            (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
            return FileError{path, "is not an ordinary file"};
        }
        return systemError(path, "cannot be opened", error);
    }
    ReadOnlyFile file(path, reinterpret_cast<std::intptr_t>(handle));
    if (GetFileType(handle) != FILE_TYPE_DISK) {
        return FileError{path, "is not an ordinary file"};
    }
    return file;
}

void ReadOnlyFile::close(std::intptr_t handle) {
    CloseHandle(handleOf(handle));
}

Expected<std::size_t> ReadOnlyFile::read(char* buffer, std::size_t size) {
    DWORD count = 0;
    const auto wanted = static_cast<DWORD>(std::min<std::size_t>(size, 1u << 30));
    if (!ReadFile(handleOf(handle_), buffer, wanted, &count, nullptr)) {
        const DWORD error = GetLastError();
        if (error == ERROR_HANDLE_EOF || error == ERROR_BROKEN_PIPE) {
            return std::size_t{0};
        }
        return systemError(path_, "cannot be read", error);
    }
    return static_cast<std::size_t>(count);
}

std::filesystem::path executablePath() {
    std::vector<wchar_t> name(MAX_PATH);
    for (;;) {
        const DWORD length =
            GetModuleFileNameW(nullptr, name.data(), static_cast<DWORD>(name.size()));
        if (length == 0) {
            return {};
        }
        if (length < name.size()) {
            return std::filesystem::path(std::wstring(name.data(), length));
        }
        name.resize(name.size() * 2);
    }
}

void prepareStandardStreams() {
    // Windows reports a write to a closed pipe as a failed write already.
    SetConsoleOutputCP(CP_UTF8);
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stdin), _O_BINARY);
}

Expected<std::size_t> readStandardInput(char* buffer, std::size_t size) {
    // Binary mode, as prepareStandardStreams set it: line ends come as they stand.
    const int count =
        _read(_fileno(stdin), buffer, static_cast<unsigned>(std::min<std::size_t>(size, 1u << 30)));
    if (count < 0) {
        return FileError{"standard input",
                         std::string("cannot be read (") + std::strerror(errno) + ")"};
    }
    return static_cast<std::size_t>(count);
}

std::vector<std::string> commandLineArguments(int, char**) {
    int count = 0;
    wchar_t** words = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::string> arguments;
    for (int i = 1; words && i < count; ++i) {
        arguments.push_back(utf8OfWide(words[i]));
    }
    LocalFree(words);
    return arguments;
}

void keepWindowOnTop(std::uintptr_t nativeWindow) {
    constexpr UINT kNoMoveNoSize = SWP_NOMOVE | SWP_NOSIZE;
    SetWindowPos(reinterpret_cast<HWND>(nativeWindow), HWND_TOPMOST, 0, 0, 0, 0, kNoMoveNoSize);
}

std::size_t usableCores() {
    DWORD_PTR process = 0;
    DWORD_PTR system = 0;
    if (GetProcessAffinityMask(GetCurrentProcess(), &process, &system) && process != 0) {
        return static_cast<std::size_t>(std::popcount(static_cast<std::uint64_t>(process)));
    }
    return 1;
}

std::size_t peakResidentBytes() {
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof(counters);
    return K32GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof(counters))
               ? counters.PeakWorkingSetSize
               : 0;
}

} // namespace icao::platform
