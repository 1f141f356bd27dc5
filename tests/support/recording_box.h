// SPDX-License-Identifier: MIT
#pragma once

#include "lookup/box.h"
#include "support/fixtures.h"

#include <QStringList>
#include <filesystem>

namespace fixtures {

// Whether this process holds a descriptor open on path.
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
