// SPDX-License-Identifier: MIT
#include "finder/html.h"

Html Html::text(const QString& text) {
    return Html(text.toHtmlEscaped());
}

Html Html::text(const std::string& text) {
    return Html::text(QString::fromStdString(text));
}

Html Html::text(const char* text) {
    return Html::text(QString::fromUtf8(text));
}

Html Html::unbroken(const QString& text) {
    QString kept = text;
    kept.replace(' ', QChar(0x00A0));
    return Html::text(kept);
}

Html Html::markup(const char* markup) {
    return Html(QString::fromUtf8(markup));
}

Html Html::tag(const char* name, const Html& content, const char* attributes) {
    const QString tagName = QString::fromLatin1(name);
    const QString more = *attributes ? ' ' + QString::fromLatin1(attributes) : QString();
    return Html('<' + tagName + more + '>' + content.html_ + "</" + tagName + '>');
}

Html Html::link(const QString& target, const Html& content) {
    return Html("<a href=\"" + target.toHtmlEscaped() + "\">" + content.html_ + "</a>");
}

Html Html::joined(const std::vector<Html>& parts, const Html& separator) {
    QStringList kept;
    for (const Html& part : parts) {
        if (!part.isEmpty()) {
            kept << part.html_;
        }
    }
    return Html(kept.join(separator.html_));
}

Html Html::arg(const Html& first) const {
    return Html(html_.arg(first.html_));
}

Html Html::arg(const Html& first, const Html& second) const {
    return Html(html_.arg(first.html_, second.html_));
}

Html& Html::operator+=(const Html& other) {
    html_ += other.html_;
    return *this;
}
