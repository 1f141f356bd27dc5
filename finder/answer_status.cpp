// SPDX-License-Identifier: MIT
#include "finder/answer_status.h"

#include <QCoreApplication>

namespace {

QString tr(const char* text) {
    return QCoreApplication::translate("AnswerStatus", text);
}

} // namespace

QString answerStatus(const SearchAnswer& answer, const ResultsModel& model, bool filtered,
                     const QString& elsewhere) {
    const double milliseconds = static_cast<double>(answer.microseconds) / 1000;
    if (answer.kind == SearchAnswer::Kind::Recent) {
        return startStatus(model.rowCount() > 0);
    }
    if (answer.kind == SearchAnswer::Kind::Nearest) {
        return tr("The %1 airfields nearest %2%3, in %4 ms")
            .arg(model.rowCount())
            .arg(answer.text.trimmed(), filtered ? tr(" that meet the filters") : QString())
            .arg(milliseconds, 0, 'f', 1);
    }
    // In a file of the user's own, what is missing may be in the shipped one.
    const QString where =
        elsewhere.isEmpty()
            ? QString()
            : tr(" in %1, which is not the shipped data (File > Shipped data reads that)")
                  .arg(elsewhere);
    // What the filters set aside that was asked for, or only for not knowing, is said.
    QString setAside;
    if (!answer.shownDespiteFilters.isEmpty()) {
        setAside += tr("; %1 is shown, though the filters set it aside: %2")
                        .arg(answer.shownDespiteFilters, answer.whySetAside);
    }
    if (answer.setAsideUnknown > 0) {
        setAside += tr("; %1 more set aside only because a runway's surface or lighting is not "
                       "known")
                        .arg(answer.setAsideUnknown);
    }
    if (model.hitCount() == 0) {
        return (model.rowCount() > 0
                    ? tr("No airfield matches%1; did you mean one of these?").arg(where)
                : filtered ? tr("No airfield matches the filters%1").arg(where)
                           : tr("No airfield matches%1").arg(where)) +
               setAside;
    }
    const std::size_t matched = model.matchedCount();
    QString found =
        matched == 1 ? tr("1 airfield matched") : tr("%1 airfields matched").arg(matched);
    if (filtered) {
        found = tr("%1 the filters").arg(found);
    }
    found = tr("%1 in %2 ms").arg(found).arg(milliseconds, 0, 'f', 1);
    return (model.hitCount() < matched ? tr("%1, %2 shown").arg(found).arg(model.hitCount())
                                       : found) +
           setAside;
}

QString startStatus(bool recent) {
    return recent ? tr("The airfields looked at lately; type a code, a name or a place to search")
                  : tr("Type a code, a name or a place; or LAT,LON, such as 51.47,-0.46, for "
                       "the nearest airfields");
}
