#pragma once

#include <QLocale>
#include <QString>
#include <QTimeZone>

namespace tandem::panes {

// How the file lists show creation times and sizes. "/" and ":" in the time
// format and "," in the size format stand for the user's own separators.
class ListFormats {
public:
    static constexpr const char* CreatedFormat = "dd/mm/yyyy hh:mm:ss";
    static constexpr const char* SizeFormat = "###,###,###,##0";

    explicit ListFormats(const QLocale& locale = QLocale::system());

    // The local time of `createdSeconds` (since 1970, UTC).
    QString FormatCreated(qint64 createdSeconds) const;
    QString FormatSize(qint64 size) const;

    QChar DateSeparator() const { return dateSeparator_; }
    QChar TimeSeparator() const { return timeSeparator_; }
    QString GroupSeparator() const { return groupSeparator_; }

private:
    QChar dateSeparator_;
    QChar timeSeparator_;
    QString groupSeparator_;
    // Taken once: asking the C library for local time looks the zone up
    // on disk again for every time converted, which a list of many
    // thousand entries feels.
    QTimeZone zone_;
};

} // namespace tandem::panes
