// SPDX-License-Identifier: MIT
#pragma once

#include "platform/path_text.h"

#include <filesystem>
#include <string>
#include <utility>
#include <variant>

namespace icao {

// Why the data file could not be used: the file and the reason, ready to show a user.
struct FileError {
    std::filesystem::path path;
    std::string reason;

    std::string describe() const { return utf8Of(path) + ": " + reason; }
    friend bool operator==(const FileError&, const FileError&) = default;
};

// A value or the file error that prevented it.
template <class T> class Expected {
  public:
    Expected(T value) : state_(std::move(value)) {}
    Expected(FileError error) : state_(std::move(error)) {}

    bool hasValue() const { return std::holds_alternative<T>(state_); }
    explicit operator bool() const { return hasValue(); }

    T& operator*() { return std::get<T>(state_); }
    const T& operator*() const { return std::get<T>(state_); }
    T* operator->() { return &std::get<T>(state_); }
    const T* operator->() const { return &std::get<T>(state_); }
    const FileError& error() const { return std::get<FileError>(state_); }

  private:
    std::variant<T, FileError> state_;
};

} // namespace icao
