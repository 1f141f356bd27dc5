// SPDX-License-Identifier: MIT
#include "platform/platform.h"

#include <utility>

namespace icao::platform {

ReadOnlyFile::ReadOnlyFile(std::filesystem::path path, std::intptr_t handle)
    : path_(std::move(path)), handle_(handle) {}

ReadOnlyFile::ReadOnlyFile(ReadOnlyFile&& other) noexcept
    : path_(std::move(other.path_)), handle_(std::exchange(other.handle_, kNoHandle)) {}

ReadOnlyFile& ReadOnlyFile::operator=(ReadOnlyFile&& other) noexcept {
    std::swap(path_, other.path_);
    std::swap(handle_, other.handle_);
    return *this;
}

ReadOnlyFile::~ReadOnlyFile() {
    if (handle_ != kNoHandle) {
        close(handle_);
    }
}

} // namespace icao::platform
