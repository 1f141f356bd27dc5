// SPDX-License-Identifier: MIT
#pragma once

#include "lookup/box.h"
#include "lookup/lookups.h"
#include "platform/expected.h"
#include "windows/design.h"

#include <QRect>
#include <QSize>
#include <array>
#include <filesystem>

// What sets the two lookup windows apart: every caption, position, font and tab index, and
// the lookup that SEARCH runs. The layouts are in twips, converted on the way in.
struct LookupWindowDesign {
    struct Label {
        const char* name;
        const char* caption;
        QRect geometry;
        Qt::Alignment alignment;
    };
    struct Box {
        const char* name;
        QRect geometry;
        qreal points;
        int maxLength;
        int tabIndex;
    };
    struct Button {
        const char* name;
        const char* caption;
        QRect geometry;
        int tabIndex;
    };
    using Lookup = icao::Expected<icao::Outcome> (*)(icao::Box& input, icao::Box& output,
                                                     const std::filesystem::path& dataFile);

    const char* windowName;
    const char* caption;
    QSize clientSize;
    const char* frameName;
    QRect frameGeometry;
    Label inputLabel;
    Label outputLabel;
    Box input;
    Box output;
    // SEARCH, DELETE, RETURN, EXIT.
    std::array<Button, 4> buttons;
    Lookup lookup;
};

extern const LookupWindowDesign kForm1Design;
extern const LookupWindowDesign kForm2Design;
