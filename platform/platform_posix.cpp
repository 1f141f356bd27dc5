// SPDX-License-Identifier: MIT
#include "platform/platform.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <sched.h>
#include <string>
#include <sys/resource.h>
#include <sys/stat.h>
#include <system_error>
#include <thread>
#include <unistd.h>

namespace icao::platform {
namespace {

FileError systemError(const std::filesystem::path& path, const char* what, int error) {
    return FileError{path, std::string(what) + " (" + std::strerror(error) + ")"};
}

} // namespace

bool isOrdinaryFile(const std::filesystem::path& path) {
    std::error_code ignored;
    return std::filesystem::is_regular_file(path, ignored);
}

Expected<ReadOnlyFile> ReadOnlyFile::open(const std::filesystem::path& path) {
    // O_NONBLOCK keeps a named pipe put at the path from blocking the open; it is refused below.
    const int descriptor = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (descriptor < 0) {
        return systemError(path, "cannot be opened", errno);
    }
    ReadOnlyFile file(path, descriptor);
    struct stat status {};
    if (::fstat(descriptor, &status) != 0) {
        return systemError(path, "cannot be opened", errno);
    }
    if (!S_ISREG(status.st_mode)) {
        return FileError{path, "is not an ordinary file"};
    }
    return file;
}

void ReadOnlyFile::close(std::intptr_t handle) {
    ::close(static_cast<int>(handle));
}

Expected<std::size_t> ReadOnlyFile::read(char* buffer, std::size_t size) {
    for (;;) {
        const ssize_t count = ::read(static_cast<int>(handle_), buffer, size);
        if (count >= 0) {
            return static_cast<std::size_t>(count);
        }
        if (errno != EINTR) {
            return systemError(path_, "cannot be read", errno);
        }
    }
}

std::filesystem::path executablePath() {
    std::error_code error;
    auto executable = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::filesystem::path() : executable;
}

void prepareStandardStreams() {
    std::signal(SIGPIPE, SIG_IGN);
    // A file past the size limit fails its write, which the program reports, rather than
    // ending it unexplained.
    std::signal(SIGXFSZ, SIG_IGN);
}

Expected<std::size_t> readStandardInput(char* buffer, std::size_t size) {
    for (;;) {
        const ssize_t count = ::read(STDIN_FILENO, buffer, size);
        if (count >= 0) {
            return static_cast<std::size_t>(count);
        }
        if (errno != EINTR) {
            return systemError("standard input", "cannot be read", errno);
        }
    }
}

std::vector<std::string> commandLineArguments(int argc, char** argv) {
    return std::vector<std::string>(argv + std::min(argc, 1), argv + argc);
}

void keepWindowOnTop(std::uintptr_t) {}

std::size_t usableCores() {
#if defined(__linux__)
    cpu_set_t cores;
    if (sched_getaffinity(0, sizeof(cores), &cores) == 0) {
        return static_cast<std::size_t>(CPU_COUNT(&cores));
    }
#endif
    return std::max(1u, std::thread::hardware_concurrency());
}

std::size_t peakResidentBytes() {
    rusage usage{};
    // Linux counts ru_maxrss in kilobytes.
    return getrusage(RUSAGE_SELF, &usage) == 0 ? static_cast<std::size_t>(usage.ru_maxrss) * 1024
                                               : 0;
}

} // namespace icao::platform
