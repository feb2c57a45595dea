#include "list_formats.h"

#include <QDateTime>

#include <gtest/gtest.h>

namespace tandem::panes {
namespace {

const QDateTime created(QDate(2026, 3, 7), QTime(9, 5, 4));

TEST(ListFormats, UsesTheUsersSeparators)
{
    const ListFormats us(QLocale(QLocale::English, QLocale::UnitedStates));
    EXPECT_EQ(us.FormatCreated(created.toSecsSinceEpoch()), QStringLiteral("07/03/2026 09:05:04"));
    EXPECT_EQ(us.FormatSize(0), QStringLiteral("0"));
    EXPECT_EQ(us.FormatSize(9999), QStringLiteral("9,999"));
    EXPECT_EQ(us.FormatSize(1657782), QStringLiteral("1,657,782"));
    EXPECT_EQ(us.FormatSize(5000000000LL), QStringLiteral("5,000,000,000"));

    const ListFormats german(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(german.FormatCreated(created.toSecsSinceEpoch()), QStringLiteral("07.03.2026 09:05:04"));
    EXPECT_EQ(german.FormatSize(1657782), QStringLiteral("1.657.782"));
}

} // namespace
} // namespace tandem::panes
