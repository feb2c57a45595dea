#include "file_list.h"
#include "list_formats.h"

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
        list_.AddEntry(folder + name, folder, name, created, size);
    }

    std::vector<std::string> column(int which) const
    {
        std::vector<std::string> texts;
        for (int i = 0; i < list_.Count(); ++i)
            texts.push_back(list_.At(i)->text(which).toStdString());
        return texts;
    }

    QPoint centreOf(QTreeWidgetItem* entry, int which = FileList::File) const
    {
        return list_.visualItemRect(entry).adjusted(list_.columnViewportPosition(which), 0, 0, 0).topLeft() +
            QPoint(10, list_.visualItemRect(entry).height() / 2);
    }

    QPoint checkBoxOf(QTreeWidgetItem* entry) const
    {
        const QRect row = list_.visualItemRect(entry);
        return QPoint(row.left() + 12, row.center().y());
    }

    ListFormats formats_{ QLocale(QLocale::English, QLocale::UnitedStates) };
    FileList list_{ formats_ };
};

TEST_F(FileListTest, EntriesAndColumns)
{
    EXPECT_EQ(list_.headerItem()->text(0), QStringLiteral("Folder"));
    EXPECT_EQ(list_.ColumnOfKey(QStringLiteral("Bytes")), FileList::Bytes);
    EXPECT_EQ(column(FileList::Bytes), (std::vector<std::string>{ "10,000", "9,999", "0" }));
    EXPECT_EQ(
        list_.AddEntry(QStringLiteral("/s/b.sesx"), QStringLiteral("/s/"), QStringLiteral("b.sesx"), {}, 1), nullptr);
    EXPECT_EQ(list_.Count(), 3);
    EXPECT_EQ(list_.CheckCountNum(), 0);
    EXPECT_EQ(list_.GetSelectedFilePath(), QString());
}

TEST_F(FileListTest, OneCheckedEntryThroughClicksAndKeys)
{
    QSignalSpy changes(&list_, &FileList::ChecksChanged);
    QTest::mouseClick(list_.viewport(), Qt::LeftButton, {}, centreOf(list_.At(2)));
    EXPECT_EQ(list_.At(2)->checkState(0), Qt::Checked);
    EXPECT_EQ(list_.GetSelectedFilePath(), QStringLiteral("/r/"));
    EXPECT_GE(changes.count(), 1);

    // Another entry's check box moves the check.
    QTest::mouseClick(list_.viewport(), Qt::LeftButton, {}, checkBoxOf(list_.At(0)));
    EXPECT_EQ(list_.CheckCountNum(), 1);
    EXPECT_EQ(list_.At(0)->checkState(0), Qt::Checked);

    // Unchecking the checked entry checks it again.
    QTest::mouseClick(list_.viewport(), Qt::LeftButton, {}, checkBoxOf(list_.At(0)));
    EXPECT_EQ(list_.At(0)->checkState(0), Qt::Checked);
    EXPECT_EQ(list_.CheckCountNum(), 1);

    // Moving with the keys checks the entry reached.
    list_.setFocus();
    QTest::keyClick(&list_, Qt::Key_Down);
    EXPECT_EQ(list_.At(1)->checkState(0), Qt::Checked);
    EXPECT_EQ(list_.CheckCountNum(), 1);
    EXPECT_EQ(list_.currentItem(), list_.At(1));
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
    EXPECT_EQ(list_.Entry(QStringLiteral("/s/A.sesx"))->checkState(0), Qt::Checked);
    EXPECT_EQ(list_.currentItem(), list_.Entry(QStringLiteral("/s/A.sesx")));
    EXPECT_EQ(changes.count(), 5);
}

TEST_F(FileListTest, ColumnWidthsInTwips)
{
    EXPECT_NEAR(list_.ColumnWidthTwips(FileList::File), FileList::InitialColumnWidth, 15);
    list_.SetColumnWidthTwips(FileList::Folder, 315);
    EXPECT_NEAR(list_.ColumnWidthTwips(FileList::Folder), 315, 15);
}

} // namespace
} // namespace tandem::panes
