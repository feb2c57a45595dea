#pragma once

#include <QDateTime>
#include <QLocale>
#include <QString>

namespace tandem::panes {

// How the file lists show creation times and sizes, and the text that sorts
// sizes in number order. "/" and ":" in the time format and "," in the size
// format stand for the user's own separators.
class ListFormats {
public:
    static constexpr const char* CreatedFormat = "dd/mm/yyyy hh:mm:ss";
    static constexpr const char* SizeFormat = "###,###,###,##0";
    static constexpr const char* RightAlignedFormat = "@@@@@@@@@@@@@@@";

    explicit ListFormats(const QLocale& locale = QLocale::system());

    QString FormatCreated(const QDateTime& created) const;
    QString FormatSize(qint64 size) const;
    // The size right-aligned in fifteen characters: as text it sorts like
    // the number.
    QString RightAligned(qint64 size) const;

    QChar DateSeparator() const { return dateSeparator_; }
    QChar TimeSeparator() const { return timeSeparator_; }
    QString GroupSeparator() const { return groupSeparator_; }

private:
    QChar dateSeparator_;
    QChar timeSeparator_;
    QString groupSeparator_;
};

} // namespace tandem::panes
