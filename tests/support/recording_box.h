// SPDX-License-Identifier: MIT
#pragma once

#include "lookup/box.h"
#include "support/fixtures.h"

#include <QStringList>
#include <QtGlobal>
#include <filesystem>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace fixtures {

// Whether this process holds the file at path open.
#ifdef Q_OS_WIN
// The data file is opened for others to share; a request to have it alone fails while it is.
inline bool isOpenHere(const std::filesystem::path& path) {
    const HANDLE alone =
        CreateFileW(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    if (alone == INVALID_HANDLE_VALUE) {
        return GetLastError() == ERROR_SHARING_VIOLATION;
    }
    CloseHandle(alone);
    return false;
}
#else
inline bool isOpenHere(const std::filesystem::path& path) {
    std::error_code error;
    const auto wanted = std::filesystem::weakly_canonical(path, error);
    for (const auto& entry : std::filesystem::directory_iterator("/proc/self/fd", error)) {
        std::error_code ignored;
        if (std::filesystem::read_symlink(entry.path(), ignored) == wanted) {
            return true;
        }
    }
    return false;
}
#endif

// A box that notes every call in a transcript shared with its partner box, and whether the
// data file was open at the time of a lock or a write.
class RecordingBox final : public icao::Box {
  public:
    RecordingBox(QString name, QStringList& transcript, std::filesystem::path dataFile,
                 QString text = {})
        : name_(std::move(name)), transcript_(transcript), dataFile_(std::move(dataFile)),
          text_(std::move(text)) {}

    icao::Text readText() const override {
        transcript_.append("read " + name_);
        return fixtures::text(text_);
    }
    void writeText(const icao::Text& text) override {
        text_ = fixtures::qstring(text);
        note(name_ + ": " + text_);
    }
    void lock() override {
        locked_ = true;
        note("lock " + name_);
    }

    QString text() const { return text_; }
    bool locked() const { return locked_; }

  private:
    void note(const QString& call) {
        transcript_.append(isOpenHere(dataFile_) ? call : call + " (file closed)");
    }

    QString name_;
    QStringList& transcript_;
    std::filesystem::path dataFile_;
    QString text_;
    bool locked_ = false;
};

} // namespace fixtures
