#include "list_formats.h"

#include <QDateTime>
#include <QVarLengthArray>

#include <algorithm>

namespace tandem::panes {

namespace {

// The first character of a locale's format that is not part of a field.
QChar separatorIn(const QString& format, QChar fallback)
{
    for (const QChar c : format)
        if (!c.isLetter() && !c.isSpace() && c != QLatin1Char('\''))
            return c;
    return fallback;
}

// `value` in decimal, with leading zeros up to `width` digits.
void appendPadded(QString& text, int value, int width)
{
    char16_t digits[12];
    int count = 0;
    for (unsigned rest = value < 0 ? 0U - static_cast<unsigned>(value) : static_cast<unsigned>(value);
         rest != 0 || count < width; rest /= 10)
        digits[count++] = static_cast<char16_t>(u'0' + rest % 10);
    if (value < 0)
        text += QLatin1Char('-');
    while (count > 0)
        text += QChar(digits[--count]);
}

} // namespace

ListFormats::ListFormats(const QLocale& locale)
    : dateSeparator_(separatorIn(locale.dateFormat(QLocale::ShortFormat), QLatin1Char('/')))
    , timeSeparator_(separatorIn(locale.timeFormat(QLocale::ShortFormat), QLatin1Char(':')))
    , groupSeparator_(locale.groupSeparator())
    , zone_(QTimeZone::systemTimeZone())
{
}

QString ListFormats::FormatCreated(qint64 createdSeconds) const
{
    const QDateTime created = zone_.isValid() ? QDateTime::fromSecsSinceEpoch(createdSeconds, zone_)
                                              : QDateTime::fromSecsSinceEpoch(createdSeconds);
    const QDate date = created.date();
    const QTime time = created.time();
    QString text;
    text.reserve(19);
    appendPadded(text, date.day(), 2);
    text += dateSeparator_;
    appendPadded(text, date.month(), 2);
    text += dateSeparator_;
    appendPadded(text, date.year(), 4);
    text += QLatin1Char(' ');
    appendPadded(text, time.hour(), 2);
    text += timeSeparator_;
    appendPadded(text, time.minute(), 2);
    text += timeSeparator_;
    appendPadded(text, time.second(), 2);
    return text;
}

QString ListFormats::FormatSize(qint64 size) const
{
    // Written from the last digit back, with a group separator in front of
    // every third digit that has more before it.
    const auto separatorSize = static_cast<std::size_t>(groupSeparator_.size());
    QVarLengthArray<QChar, 64> text(static_cast<qsizetype>(21 + 7 * separatorSize));
    QChar* const end = text.data() + text.size();
    QChar* start = end;
    quint64 rest = size < 0 ? 0 - static_cast<quint64>(size) : static_cast<quint64>(size);
    int digits = 0;
    do {
        if (digits > 0 && digits % 3 == 0) {
            start -= separatorSize;
            std::copy(groupSeparator_.cbegin(), groupSeparator_.cend(), start);
        }
        *--start = QChar(static_cast<char16_t>(u'0' + rest % 10));
        rest /= 10;
        ++digits;
    } while (rest != 0);
    if (size < 0)
        *--start = QLatin1Char('-');
    return QString(start, end - start);
}

} // namespace tandem::panes
