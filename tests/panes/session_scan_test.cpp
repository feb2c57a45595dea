#include "file_list.h"
#include "list_formats.h"
#include "scripted_prompt.h"
#include "session_scan.h"
#include "wildcard.h"

#include "errors.h"
#include "folder_listing.h"
#include "native_path.h"
#include "paths.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#ifndef _WIN32
#include <unistd.h>
#endif

namespace tandem::panes {
namespace {

namespace fs = std::filesystem;

class RecordingWindow : public ScanWindow {
public:
    QString WindowTitle() const override { return title_; }
    void SetWindowTitle(const QString& title) override
    {
        title_ = title;
        if (titles_.empty() || titles_.back() != title)
            titles_.push_back(title);
    }
    bool ScanCancelled() const override { return false; }
    const std::vector<QString>& Titles() const { return titles_; }

private:
    QString title_ = QStringLiteral("Tandem");
    std::vector<QString> titles_;
};

// A tree of session files and others:
//   x.sesx y.sesx Mix.SESX notes.txt .hidden.sesx empty.sesx (0 bytes)
//   A/ a.sesx  A/Deep/ d.sesx   B/ b.sesx   .Hidden/ h.sesx
class SessionScanTest : public testing::Test {
protected:
    void SetUp() override
    {
        // Open to the user a test becomes when it takes the root's rights away.
        fs::permissions(root_,
            fs::perms::group_read | fs::perms::group_exec | fs::perms::others_read | fs::perms::others_exec,
            fs::perm_options::add);
        for (const char* folder : { "Top/A/Deep", "Top/B", "Top/.Hidden" })
            fs::create_directories(root_ / folder);
        for (const char* file : { "Top/x.sesx", "Top/y.sesx", "Top/Mix.SESX", "Top/notes.txt", "Top/.hidden.sesx",
                 "Top/A/a.sesx", "Top/A/Deep/d.sesx", "Top/B/b.sesx", "Top/.Hidden/h.sesx" })
            std::ofstream(root_ / file) << "<?xml?>";
        std::ofstream(root_ / "Top" / "empty.sesx");
    }
    // Folders a test closed open again, so that they can be removed.
    void TearDown() override
    {
        fs::permissions(root_ / "Top", fs::perms::owner_all, fs::perm_options::add);
        std::error_code ignored;
        for (const auto& entry : fs::recursive_directory_iterator(root_, ignored))
            fs::permissions(entry.path(), fs::perms::owner_all, fs::perm_options::add, ignored);
    }

    QString top() const { return QString::fromStdString((root_ / "Top").string()); }
    QString folder(const char* relative) const
    {
        return QString::fromStdString(test::NativePath((root_ / relative).string() + "/"));
    }

    // The names of a folder's entries as the file system lists them.
    static std::vector<std::string> listingOrder(const fs::path& folder)
    {
        std::vector<std::string> names;
        platform::ListFolder(folder.string(), [&](const platform::FolderEntry& entry) {
            names.push_back(entry.name);
            return true;
        });
        return names;
    }

    std::vector<std::string> keys() const
    {
        std::vector<std::string> result;
        for (int i = 0; i < list_.Count(); ++i)
            result.push_back(FileList::Key(list_.At(i)).toStdString());
        return result;
    }

    QTemporaryDir temp_;
    const fs::path root_ = fs::u8path(QDir::toNativeSeparators(temp_.path()).toStdString());
    ListFormats formats_{ QLocale(QLocale::English, QLocale::UnitedStates) };
    FileList list_{ formats_ };
    RecordingWindow window_;
};

TEST_F(SessionScanTest, OwnFilesFirstThenSubfoldersDepthFirstInListingOrder)
{
    test::ScriptedPrompt prompt;
    FullDirFileList(list_, window_, top(), QStringLiteral("*.sesx"), true);
    std::vector<std::string> expected;
    const auto filesOf = [&](const fs::path& folder, std::vector<std::string> wanted) {
        for (const auto& name : listingOrder(folder))
            if (std::find(wanted.begin(), wanted.end(), name) != wanted.end())
                expected.push_back((folder / name).string());
    };
    filesOf(root_ / "Top", { "x.sesx", "y.sesx", "empty.sesx" });
    for (const auto& sub : listingOrder(root_ / "Top")) {
        if (sub == "A") {
            filesOf(root_ / "Top" / "A", { "a.sesx" });
            filesOf(root_ / "Top" / "A" / "Deep", { "d.sesx" });
        } else if (sub == "B") {
            filesOf(root_ / "Top" / "B", { "b.sesx" });
        }
    }
    EXPECT_EQ(keys(), expected);
    EXPECT_TRUE(prompt.Shown().empty());
    // Folders end in a separator; an empty file shows 0 bytes.
    const QModelIndex empty = list_.Entry(folder("Top") + QStringLiteral("empty.sesx"));
    ASSERT_TRUE(empty.isValid());
    EXPECT_EQ(empty.data().toString(), folder("Top"));
    EXPECT_EQ(empty.siblingAtColumn(FileList::Bytes).data().toString(), QStringLiteral("0"));
    EXPECT_EQ(list_.Entry(folder("Top") + QStringLiteral("x.sesx")).siblingAtColumn(FileList::Bytes).data().toString(),
        QStringLiteral("7"));
    // The title showed each folder while it was read, and is back.
    EXPECT_EQ(window_.WindowTitle(), QStringLiteral("Tandem"));
    const auto& titles = window_.Titles();
    EXPECT_NE(std::find(titles.begin(), titles.end(), QStringLiteral("Reading ") + folder("Top/A/Deep").toLower()),
        titles.end());
}

TEST_F(SessionScanTest, LinkedFoldersAreNotEntered)
{
    // Windows lets only some users make links, and Wine none.
    std::error_code error;
    fs::create_directory_symlink(root_ / "Top", root_ / "Top" / "B" / "loop", error);
    if (error)
        GTEST_SKIP() << "no link can be made here: " << error.message();
    FullDirFileList(list_, window_, top(), QStringLiteral("*.sesx"), true);
    EXPECT_EQ(list_.Count(), 6);
}

#ifdef _WIN32
// Windows closes a folder with its access list, which Wine does not enforce.
class NotRoot {
public:
    bool Possible() const { return false; }
};
#else
// Root reads every folder, so as root the scan runs as nobody for a while.
class NotRoot {
public:
    NotRoot()
        : switched_(::geteuid() == 0 && ::seteuid(65534) == 0)
    {
    }
    ~NotRoot()
    {
        if (switched_)
            (void)::seteuid(0);
    }
    bool Possible() const { return switched_ || ::geteuid() != 0; }

private:
    bool switched_;
};
#endif

TEST_F(SessionScanTest, UnreadableFoldersAreCollectedAndTheWalkGoesOn)
{
    fs::permissions(root_ / "Top" / "A", fs::perms::none);
    fs::permissions(root_ / "Top" / "B", fs::perms::none);
    test::ScriptedPrompt prompt;
    ScanOutcome outcome;
    {
        NotRoot user;
        if (!user.Possible())
            GTEST_SKIP() << "no closed folder can be made here";
        outcome = FullDirFileList(list_, window_, top(), QStringLiteral("*.sesx"), true);
    }
    EXPECT_TRUE(prompt.Shown().empty());
    std::sort(outcome.unreadable.begin(), outcome.unreadable.end());
    EXPECT_EQ(outcome.unreadable, (std::vector<QString>{ folder("Top/A"), folder("Top/B") }));
    EXPECT_FALSE(outcome.cancelled);
    EXPECT_EQ(list_.Count(), 3); // x, y and empty
    EXPECT_EQ(window_.WindowTitle(), QStringLiteral("Tandem"));
}

TEST_F(SessionScanTest, MissingTopFolderAndUnreadableFile)
{
    auto outcome = FullDirFileList(
        list_, window_, QString::fromStdString((root_ / "Top" / "Gone").string()), QStringLiteral("*.sesx"), true);
    EXPECT_EQ(outcome.unreadable, std::vector<QString>{ folder("Top/Gone") });
    EXPECT_EQ(list_.Count(), 0);

    const auto vanishing = [](const std::string& path, platform::FileFacts& facts) {
        if (platform::GetFileName(path) == "y.sesx")
            return platform::ErrorNumber::FileNotFound;
        return platform::ReadFileFacts(path, facts);
    };
    outcome = FullDirFileList(list_, window_, top(), QStringLiteral("*.sesx"), false, vanishing);
    EXPECT_EQ(
        outcome.unreadable, std::vector<QString>{ folder("Top") + QStringLiteral(" (Error 53.  File not found)") });
    EXPECT_EQ(list_.Count(), 2);
}

TEST(ScanReport, OneMessageNamesTheFirstFewFolders)
{
    struct Case {
        int folders;
        std::string text;
    };
    const Case cases[] = {
        { 0, "" },
        { 1, "1 folder could not be read:\r\n/f1/" },
        { 3, "3 folders could not be read:\r\n/f1/\r\n/f2/\r\n/f3/" },
        { 7, "7 folders could not be read:\r\n/f1/\r\n/f2/\r\n/f3/\r\n/f4/\r\n/f5/\r\n(and 2 more)" },
    };
    for (const Case& each : cases) {
        test::ScriptedPrompt prompt;
        std::vector<QString> folders;
        for (int i = 1; i <= each.folders; ++i)
            folders.push_back(QStringLiteral("/f%1/").arg(i));
        ReportUnreadable(folders);
        ASSERT_EQ(prompt.Shown().size(), each.text.empty() ? 0u : 1u) << each.folders;
        if (each.text.empty())
            continue;
        EXPECT_EQ(prompt.Shown()[0].text, each.text);
        EXPECT_EQ(prompt.Shown()[0].title, "Error");
        EXPECT_EQ(prompt.Shown()[0].icon, platform::Message::Icon::Critical);
    }
}

TEST(Wildcard, MatchesWholeTextCaseSensitively)
{
    const struct {
        const char* pattern;
        const char* text;
        bool matches;
    } cases[] = {
        { "*.sesx", "/a/Mix.sesx", true },
        { "*.sesx", "/a/Mix.SESX", false },
        { "*.sesx", "/a/Mix.sesx.bak", false },
        { "*.sesx", "/a/sesx", false },
        { "a?c", "ac", false },
        { "*.sesx", "/x.sesx/y.sesx", true },
        { "**x", "abx", true },
    };
    for (const auto& c : cases)
        EXPECT_EQ(WildcardMatch(QLatin1String(c.pattern), QString::fromUtf8(c.text)), c.matches)
            << c.pattern << " " << c.text;
}

} // namespace
} // namespace tandem::panes
