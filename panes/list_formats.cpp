#include "list_formats.h"

namespace tandem::panes {

namespace {

constexpr int rightAlignedWidth = 15;

// The first character of a locale's format that is not part of a field.
QChar separatorIn(const QString& format, QChar fallback)
{
    for (const QChar c : format)
        if (!c.isLetter() && !c.isSpace() && c != QLatin1Char('\''))
            return c;
    return fallback;
}

QString twoDigits(int value) { return QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0')); }

} // namespace

ListFormats::ListFormats(const QLocale& locale)
    : dateSeparator_(separatorIn(locale.dateFormat(QLocale::ShortFormat), QLatin1Char('/')))
    , timeSeparator_(separatorIn(locale.timeFormat(QLocale::ShortFormat), QLatin1Char(':')))
    , groupSeparator_(locale.groupSeparator())
{
}

QString ListFormats::FormatCreated(const QDateTime& created) const
{
    const QDate date = created.date();
    const QTime time = created.time();
    return twoDigits(date.day()) + dateSeparator_ + twoDigits(date.month()) + dateSeparator_ +
        QStringLiteral("%1").arg(date.year(), 4, 10, QLatin1Char('0')) + QLatin1Char(' ') + twoDigits(time.hour()) +
        timeSeparator_ + twoDigits(time.minute()) + timeSeparator_ + twoDigits(time.second());
}

QString ListFormats::FormatSize(qint64 size) const
{
    const QString digits = QString::number(size < 0 ? -size : size);
    QString grouped;
    for (int i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0)
            grouped += groupSeparator_;
        grouped += digits[i];
    }
    return size < 0 ? QLatin1Char('-') + grouped : grouped;
}

QString ListFormats::RightAligned(qint64 size) const
{
    return QStringLiteral("%1").arg(size, rightAlignedWidth, 10, QLatin1Char(' '));
}

} // namespace tandem::panes
