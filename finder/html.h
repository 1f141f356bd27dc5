// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringList>
#include <string>

// Rich text for the finder's panes, built so that no word of the data file, nor any text
// given, is ever read as markup: text is escaped as it comes in, and markup is only what the
// builder's own tags and the literals written here make.
class Html {
  public:
    Html() = default;

    // Text, escaped; a std::string is UTF-8.
    static Html text(const QString& text);
    static Html text(const std::string& text);
    static Html text(const char* text);
    // Text kept on one line: its spaces no-break.
    static Html unbroken(const QString& text);
    // Markup of this program's own, never the data's.
    static Html markup(const char* markup);

    // A tag round the content: "b", "i", "h3", "p", "td" ... with attributes of this
    // program's own.
    static Html tag(const char* name, const Html& content, const char* attributes = "");
    // A link to the target, escaped, round the content.
    static Html link(const QString& target, const Html& content);
    // The parts with the separator between them, each left out where empty.
    static Html joined(const std::vector<Html>& parts, const Html& separator);

    // The text's %1 (and %2) made the parts, in one pass: a part holding "%2" stays as it is.
    Html arg(const Html& first) const;
    Html arg(const Html& first, const Html& second) const;

    Html& operator+=(const Html& other);
    friend Html operator+(Html one, const Html& other) { return one += other; }

    bool isEmpty() const { return html_.isEmpty(); }
    const QString& toString() const { return html_; }

  private:
    explicit Html(QString html) : html_(std::move(html)) {}

    QString html_;
};
