#include "file_list.h"
#include "list_formats.h"
#include "text_order.h"

#include <QDateTime>
#include <QHeaderView>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace tandem::panes {
namespace {

class FileListTest : public testing::Test {
protected:
    void SetUp() override
    {
        list_.resize(700, 300);
        // Sizes and times chosen so that text order and value order differ.
        add("/s/", "b.sesx", QDateTime(QDate(2025, 12, 31), QTime(23, 0)), 10000);
        add("/s/", "A.sesx", QDateTime(QDate(2026, 1, 2), QTime(1, 0)), 9999);
        add("/r/", "c.sesx", QDateTime(QDate(2026, 1, 10), QTime(1, 0)), 0);
        list_.show();
    }

    void add(const QString& folder, const QString& name, const QDateTime& created, qint64 size)
    {
        list_.AddEntry(folder + name, folder, name, created.toSecsSinceEpoch(), size);
    }

    std::vector<std::string> column(int which) const
    {
        std::vector<std::string> texts;
        for (int i = 0; i < list_.Count(); ++i)
            texts.push_back(list_.At(i).siblingAtColumn(which).data().toString().toStdString());
        return texts;
    }

    bool checked(const QModelIndex& entry) const { return entry.data(Qt::CheckStateRole).toInt() == Qt::Checked; }

    QPoint centreOf(const QModelIndex& entry) const
    {
        return list_.visualRect(entry.siblingAtColumn(FileList::File)).center();
    }

    QPoint checkBoxOf(const QModelIndex& entry) const
    {
        const QRect row = list_.visualRect(entry);
        return QPoint(row.left() + 12, row.center().y());
    }

    ListFormats formats_{ QLocale(QLocale::English, QLocale::UnitedStates) };
    FileList list_{ formats_ };
};

TEST_F(FileListTest, EntriesAndColumns)
{
    EXPECT_EQ(list_.ColumnOfKey(QStringLiteral("Bytes")), FileList::Bytes);
    EXPECT_EQ(column(FileList::Bytes), (std::vector<std::string>{ "10,000", "9,999", "0" }));
    EXPECT_FALSE(list_.AddEntry(QStringLiteral("/s/b.sesx"), QStringLiteral("/s/"), QStringLiteral("b.sesx"), 0, 1));
    EXPECT_EQ(list_.Count(), 3);
    EXPECT_EQ(list_.CheckCountNum(), 0);
    EXPECT_EQ(list_.GetSelectedFilePath(), QString());
}

TEST_F(FileListTest, OneCheckedEntryThroughClicksAndKeys)
{
    QSignalSpy changes(&list_, &FileList::ChecksChanged);
    QTest::mouseClick(list_.viewport(), Qt::LeftButton, {}, centreOf(list_.At(2)));
    EXPECT_TRUE(checked(list_.At(2)));
    EXPECT_EQ(list_.GetSelectedFilePath(), QStringLiteral("/r/"));
    EXPECT_GE(changes.count(), 1);

    // Another entry's check box moves the check.
    QTest::mouseClick(list_.viewport(), Qt::LeftButton, {}, checkBoxOf(list_.At(0)));
    EXPECT_EQ(list_.CheckCountNum(), 1);
    EXPECT_TRUE(checked(list_.At(0)));

    // Unchecking the checked entry checks it again.
    QTest::mouseClick(list_.viewport(), Qt::LeftButton, {}, checkBoxOf(list_.At(0)));
    EXPECT_TRUE(checked(list_.At(0)));
    EXPECT_EQ(list_.CheckCountNum(), 1);

    // Moving with the keys checks the entry reached.
    list_.setFocus();
    QTest::keyClick(&list_, Qt::Key_Down);
    EXPECT_TRUE(checked(list_.At(1)));
    EXPECT_EQ(list_.CheckCountNum(), 1);
    EXPECT_EQ(list_.currentIndex(), list_.At(1));
    EXPECT_EQ(list_.GetSelectedFilePath(), QStringLiteral("/s/"));
}

TEST_F(FileListTest, SortsByValueKeepsTextsAndRemembersDirection)
{
    list_.CheckFile(list_.At(1)); // A.sesx
    QSignalSpy changes(&list_, &FileList::ChecksChanged);
    const auto clickHeader = [this](int which) {
        QHeaderView* header = list_.header();
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
            QPoint(header->sectionViewportPosition(which) + 5, header->height() / 2));
    };
    clickHeader(FileList::Bytes);
    EXPECT_EQ(column(FileList::Bytes), (std::vector<std::string>{ "0", "9,999", "10,000" }));
    clickHeader(FileList::Bytes);
    EXPECT_EQ(column(FileList::Bytes), (std::vector<std::string>{ "10,000", "9,999", "0" }));
    // Another column keeps the direction last used.
    clickHeader(FileList::File);
    EXPECT_EQ(column(FileList::File), (std::vector<std::string>{ "c.sesx", "b.sesx", "A.sesx" }));
    clickHeader(FileList::Created);
    EXPECT_EQ(column(FileList::Created),
        (std::vector<std::string>{ "10/01/2026 01:00:00", "02/01/2026 01:00:00", "31/12/2025 23:00:00" }));
    clickHeader(FileList::Created);
    EXPECT_EQ(column(FileList::File), (std::vector<std::string>{ "b.sesx", "A.sesx", "c.sesx" }));
    // The check and the selection went along.
    EXPECT_EQ(list_.CheckCountNum(), 1);
    EXPECT_TRUE(checked(list_.Entry(QStringLiteral("/s/A.sesx"))));
    EXPECT_EQ(list_.currentIndex(), list_.Entry(QStringLiteral("/s/A.sesx")));
    EXPECT_EQ(changes.count(), 5);
    // The arrow shows the last sort; an entry added afterwards goes at the
    // end, and the arrow with it.
    EXPECT_TRUE(list_.header()->isSortIndicatorShown());
    EXPECT_EQ(list_.header()->sortIndicatorSection(), FileList::Created);
    EXPECT_EQ(list_.header()->sortIndicatorOrder(), Qt::AscendingOrder);
    add("/r/", "d.sesx", {}, 1);
    EXPECT_FALSE(list_.header()->isSortIndicatorShown());
    // Entries with equal keys keep their order.
    clickHeader(FileList::Folder);
    EXPECT_EQ(column(FileList::File), (std::vector<std::string>{ "c.sesx", "d.sesx", "b.sesx", "A.sesx" }));
}

// The ranks the text columns sort by agree with Qt's own comparison without
// regard to case, also for letters outside ASCII, texts that are prefixes of
// others (one sharing its characters with the text before it), and
// characters made of two UTF-16 units.
TEST(CaseInsensitiveRanks, OrderTextsAsQtComparesThem)
{
    const QString shared = QStringLiteral("Take");
    const QStringList texts = { QStringLiteral("b"), QStringLiteral("A"), QStringLiteral("a"), QStringLiteral("ab"),
        QString(), QStringLiteral("Ab"), QStringLiteral("take 2"), QStringLiteral("Z_"), QStringLiteral("\u00e4"),
        QStringLiteral("\u00c4b"), QStringLiteral("\u00df"), QStringLiteral("ss"), QStringLiteral("\u03a3\u0391\u03c2"),
        QStringLiteral("\u03c3\u03b1\u03c3"), QStringLiteral("\U00010400"), QStringLiteral("\U00010428"),
        QStringLiteral("\U00010428x"), QStringLiteral("a") + QChar(0xD801), QStringLiteral("a\u00ff"),
        QStringLiteral("Mix 12 of the long session names"), QStringLiteral("mix 12 of the LONG session names, too") };
    std::vector<QStringView> views(texts.begin(), texts.end());
    for (const QStringView view : { QStringView(shared), QStringView(shared), QStringView(shared).left(2) })
        views.push_back(view);
    const std::vector<int> ranks = CaseInsensitiveRanks(views);
    const auto sign = [](int value) { return (value > 0) - (value < 0); };
    for (std::size_t i = 0; i < views.size(); ++i)
        for (std::size_t j = 0; j < views.size(); ++j)
            EXPECT_EQ(sign(ranks[i] - ranks[j]), sign(views[i].compare(views[j], Qt::CaseInsensitive)))
                << views[i].toString().toStdString() << " / " << views[j].toString().toStdString();
}

} // namespace
} // namespace tandem::panes
