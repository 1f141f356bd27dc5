// SPDX-License-Identifier: MIT
#include "finder/finder_status_bar.h"

#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>

namespace {

constexpr int kCopiedMs = 3000;
constexpr int kCutMs = 10000;

} // namespace

FinderStatusBar::FinderStatusBar(QWidget* parent)
    : QStatusBar(parent), status_(new QLabel), more_(new QPushButton), file_(new QLabel) {
    status_->setObjectName("searchStatus");
    status_->setAccessibleDescription(tr("Search status"));
    // A long status is cut at the window's edge, never widens the window; its tip holds it whole.
    status_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    file_->setObjectName("fileShown");
    file_->setAccessibleDescription(tr("Data file"));
    more_->setObjectName("showMore");
    more_->setFlat(true);
    more_->hide();
    connect(more_, &QPushButton::clicked, this, &FinderStatusBar::moreWanted);
    addWidget(status_, 1);
    addPermanentWidget(more_);
    addPermanentWidget(file_);
}

void FinderStatusBar::showStatus(const QString& text) {
    status_->setText(text);
    status_->setToolTip(text);
}

void FinderStatusBar::showUnshown(std::size_t unshown) {
    more_->setText(tr("Show %1 &more").arg(std::min(unshown, kMoreShownHits)));
    more_->setVisible(unshown > 0);
}

void FinderStatusBar::showFile(const DataFileState& state) {
    using Reading = DataFileState::Reading;
    const QString read =
        state.reading == Reading::Reading ? tr("reading ...")
        : state.reading == Reading::Unreadable
            ? tr("cannot be read")
            : (state.airfields == 1 ? tr("1 airfield")
                                    : tr("%1 airfields").arg(QLocale().toString(state.airfields)));
    const QString shown = tr("%1 (%2)").arg(QFileInfo(state.dataFile).fileName(), read);
    window()->setWindowTitle(shown);
    file_->setText(shown);
    file_->setToolTip(QDir::toNativeSeparators(QFileInfo(state.dataFile).absoluteFilePath()));
    if (state.reading == Reading::Unreadable) {
        showStatus(tr("No data file"));
    }
}

void FinderStatusBar::showCopied(const QString& text) {
    showMessage(tr("Copied %1").arg(text.section('\t', 0, 0)), kCopiedMs);
}

void FinderStatusBar::watchBrim(QLineEdit* field) {
    connect(field, &QLineEdit::textChanged, this, [this, field](const QString& text) {
        if (text.size() >= field->maxLength()) {
            showMessage(tr("%1 holds at most %2 characters: the rest was cut")
                            .arg(field->accessibleName())
                            .arg(field->maxLength()),
                        kCutMs);
        }
    });
}
