// SPDX-License-Identifier: MIT
#pragma once

#include "platform/expected.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

// The operating system's part of the program, behind plain functions: one source file per
// platform implements them (platform_posix.cpp, platform_windows.cpp), and nothing else calls
// the system for files, the program's folder or the processor's cores.
namespace icao::platform {

// Yes only when an ordinary file stands at path: no folder, device or pipe, and on Windows
// no file marked hidden or system. Opens nothing.
bool isOrdinaryFile(const std::filesystem::path& path);

// A file opened for reading, read only, closed when this object goes away.
class ReadOnlyFile {
  public:
    // Fails, with a reason a user can read, when the path is missing, unreadable, held
    // exclusively by another program or not an ordinary file. Never blocks, not even on a
    // named pipe put at the path.
    static Expected<ReadOnlyFile> open(const std::filesystem::path& path);

    ReadOnlyFile(ReadOnlyFile&& other) noexcept;
    ReadOnlyFile& operator=(ReadOnlyFile&& other) noexcept;
    ReadOnlyFile(const ReadOnlyFile&) = delete;
    ReadOnlyFile& operator=(const ReadOnlyFile&) = delete;
    ~ReadOnlyFile();

    // Reads up to size bytes into buffer, retrying interrupted reads; 0 at the end of the file.
    Expected<std::size_t> read(char* buffer, std::size_t size);

    const std::filesystem::path& path() const { return path_; }

  private:
    ReadOnlyFile(std::filesystem::path path, std::intptr_t handle);
    // The one call that differs between the systems.
    static void close(std::intptr_t handle);

    std::filesystem::path path_;
    // A file descriptor or a Windows HANDLE; kNoHandle once moved from.
    std::intptr_t handle_;
    static constexpr std::intptr_t kNoHandle = -1;
};

// The running program's executable, as the system names it; empty where it cannot.
std::filesystem::path executablePath();

// Readies the standard streams of a command-line program: a write to a closed pipe fails with
// an error the program reports, instead of ending the process without a word; text goes out
// as the UTF-8 it is, lines ending in LF, and a Windows console shows it as such.
void prepareStandardStreams();

// Reads up to size bytes of standard input into buffer, retrying interrupted reads; 0 at its
// end. Fails, with the reason, when standard input is closed or cannot be read (a folder).
Expected<std::size_t> readStandardInput(char* buffer, std::size_t size);

// The words of the command line after the program's name, in UTF-8, whatever the system's
// code page.
std::vector<std::string> commandLineArguments(int argc, char** argv);

// Keeps a native window (a Windows HWND) above every window that is not, as the desktop
// program's chooser stays; elsewhere the window system's own hint does it, and this does
// nothing.
void keepWindowOnTop(std::uintptr_t nativeWindow);

// The cores this process may run on, which an affinity mask can make fewer than the
// machine's; at least 1.
std::size_t usableCores();

// The most memory this process has held resident so far, in bytes; 0 where it cannot be told.
std::size_t peakResidentBytes();

} // namespace icao::platform
