#include "errors.h"
#include "file_facts.h"
#include "file_io.h"
#include "file_system.h"
#include "temp_files.h"

#include "temp_dir.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>

#ifndef _WIN32
#include <csignal>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace tandem::platform {
namespace {

namespace fs = std::filesystem;

class FileIoTest : public testing::Test {
protected:
    std::string path(const std::string& name) const { return dir_.Path(name); }
    void write(const std::string& name, const std::string& content) const { dir_.Write(name, content); }
    std::string read(const std::string& name) const { return dir_.Read(name); }
    std::size_t entries() const { return dir_.Entries().size(); }

    test::TempDir dir_;
};

TEST_F(FileIoTest, ReadsTheWholeFile)
{
    std::string content(3 << 20, 'x');
    content[12345] = '\0';
    content.back() = '\n';
    write("big.sesx", content);
    FileBytes bytes;
    ASSERT_EQ(ReadWholeFile(path("big.sesx"), bytes), ErrorNumber::None);
    EXPECT_EQ(std::string(bytes.data.get(), bytes.size), content);
    for (const std::size_t limit : { std::size_t{ 0 }, std::size_t{ 65536 }, content.size(), content.size() + 9 }) {
        FileBytes head;
        ASSERT_EQ(ReadFileStart(path("big.sesx"), limit, head), ErrorNumber::None);
        EXPECT_EQ(std::string(head.data.get(), head.size), content.substr(0, limit)) << limit;
    }
    FileBytes none;
    EXPECT_EQ(ReadFileStart(path("missing.sesx"), 10, none), ErrorNumber::FileNotFound);
}

TEST_F(FileIoTest, ReadFailures)
{
    fs::create_directory(dir_.path() / "sub");
    FileBytes bytes;
    EXPECT_EQ(ReadWholeFile(path("missing.sesx"), bytes), ErrorNumber::FileNotFound);
    EXPECT_EQ(ReadWholeFile(path("nowhere/missing.sesx"), bytes), ErrorNumber::PathNotFound);
    EXPECT_EQ(ReadWholeFile(path("sub"), bytes), ErrorNumber::PathFileAccessError);
}

TEST_F(FileIoTest, CommitPutsTheFileInPlaceAndReplacesTheOldOne)
{
    write("out.sesx", "old");
    OutputFile file;
    ASSERT_EQ(file.Create(path("out.sesx")), ErrorNumber::None);
    ASSERT_EQ(file.Write("new ", 4), ErrorNumber::None);
    ASSERT_EQ(file.Write("content", 7), ErrorNumber::None);
    // Until the commit the old file stands and the new one is elsewhere.
    EXPECT_EQ(read("out.sesx"), "old");
    EXPECT_EQ(entries(), 2u);
    ASSERT_EQ(file.Commit(), ErrorNumber::None);
    EXPECT_EQ(read("out.sesx"), "new content");
    EXPECT_EQ(entries(), 1u);
}

TEST_F(FileIoTest, AnUncommittedFileLeavesNothingBehind)
{
    {
        OutputFile file;
        ASSERT_EQ(file.Create(path("out.sesx")), ErrorNumber::None);
        ASSERT_EQ(file.Write("partial", 7), ErrorNumber::None);
        EXPECT_TRUE(fs::exists(file.TempPath()));
    }
    EXPECT_EQ(entries(), 0u);
}

TEST_F(FileIoTest, CreateRefusals)
{
    OutputFile file;
    EXPECT_EQ(file.Create(path("nowhere/out.sesx")), ErrorNumber::PathNotFound);
    fs::create_directory(dir_.path() / "folder.sesx");
    EXPECT_EQ(file.Create(path("folder.sesx")), ErrorNumber::PathFileAccessError);
    write("locked.sesx", "keep");
    fs::permissions(path("locked.sesx"), fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    EXPECT_EQ(file.Create(path("locked.sesx")), ErrorNumber::PermissionDenied);
    fs::permissions(path("locked.sesx"), fs::perms::owner_all);
    EXPECT_EQ(read("locked.sesx"), "keep");
}

// Without leave to replace, a file that appears while the new one is
// written is not replaced either.
TEST_F(FileIoTest, WithoutReplacingAnExistingFileStays)
{
    write("out.sesx", "old");
    OutputFile refused;
    EXPECT_EQ(refused.Create(path("out.sesx"), false), ErrorNumber::FileAlreadyExists);
    OutputFile late;
    ASSERT_EQ(late.Create(path("late.sesx"), false), ErrorNumber::None);
    ASSERT_EQ(late.Write("new", 3), ErrorNumber::None);
    write("late.sesx", "theirs");
    EXPECT_EQ(late.Commit(), ErrorNumber::FileAlreadyExists);
    EXPECT_EQ(read("late.sesx"), "theirs");
    EXPECT_EQ(entries(), 2u);
}

// A run that was killed leaves its temporary file; the next run into the
// folder removes it once its process is gone, and only then.
TEST_F(FileIoTest, TemporaryFilesOfGoneProcessesAreRemoved)
{
    const std::string own = TempFileName();
    const std::string machine = own.substr(8, own.find('-', 8) - 8);
    const std::string gone = ".tandem-" + machine + "-999999999-0123456789ab.tmp";
    const std::string otherMachine = ".tandem-00000000-999999999-0123456789ab.tmp";
    const std::string olderName = ".tandem-0123456789ab.tmp";
    for (const std::string& name : { gone, otherMachine, olderName })
        write(name, "partial");
#ifndef _WIN32
    const std::string running = ".tandem-" + machine + "-" + std::to_string(getppid()) + "-0123456789ab.tmp";
    write(running, "partial");
#endif
    OutputFile file;
    ASSERT_EQ(file.Create(path("out.sesx")), ErrorNumber::None);
    EXPECT_FALSE(fs::exists(path(gone)));
    EXPECT_TRUE(fs::exists(path(otherMachine)));
    EXPECT_TRUE(fs::exists(path(olderName)));
#ifndef _WIN32
    EXPECT_TRUE(fs::exists(path(running)));
#endif
    EXPECT_NE(file.TempPath().find(machine + "-"), std::string::npos);
}

#ifndef _WIN32
// Ctrl-C, a terminate and a hang-up remove the temporary file and end the
// program as the signal would have. The tests run as from a terminal: the
// signals a background run ignores, the program rightly leaves ignored.
[[maybe_unused]] const bool interruptsAsFromATerminal = [] {
    for (const int signal : { SIGINT, SIGTERM, SIGHUP })
        std::signal(signal, SIG_DFL);
    return true;
}();

TEST_F(FileIoTest, AnInterruptedRunRemovesItsTemporaryFile)
{
    for (const int signal : { SIGINT, SIGTERM, SIGHUP }) {
        const pid_t child = fork();
        if (child == 0) {
            OutputFile file;
            if (file.Create(path("out.sesx")) != ErrorNumber::None || file.Write("partial", 7) != ErrorNumber::None)
                _exit(1);
            raise(signal);
            _exit(2);
        }
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == signal) << signal;
        EXPECT_EQ(entries(), 0u) << signal;
    }
}

// A set-user or set-group id bit does not pass to the new file.
TEST_F(FileIoTest, ReplacingKeepsOnlyThePermissions)
{
    write("out.sesx", "old");
    ASSERT_EQ(chmod(path("out.sesx").c_str(), 06750), 0);
    OutputFile file;
    ASSERT_EQ(file.Create(path("out.sesx")), ErrorNumber::None);
    ASSERT_EQ(file.Commit(), ErrorNumber::None);
    struct stat st { };
    ASSERT_EQ(stat(path("out.sesx").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0750u);
}
#endif

TEST_F(FileIoTest, SizeAndCreationTimeOfANewFile)
{
    const auto before = std::chrono::system_clock::now();
    write("new.sesx", std::string(12345, 'x'));
    FileFacts facts;
    ASSERT_EQ(ReadFileFacts(path("new.sesx"), facts), ErrorNumber::None);
    EXPECT_EQ(facts.size, 12345);
    const auto created = std::chrono::system_clock::time_point(std::chrono::seconds(facts.createdSeconds));
    EXPECT_LT(std::chrono::abs(created - before), std::chrono::minutes(2));
    EXPECT_EQ(ReadFileFacts(path("missing.sesx"), facts), ErrorNumber::FileNotFound);
}

TEST_F(FileIoTest, FolderExists)
{
    write("file", "x");
    EXPECT_TRUE(FolderExists(dir_.Path()));
    EXPECT_FALSE(FolderExists(path("file")));
    EXPECT_FALSE(FolderExists(path("missing")));
    EXPECT_FALSE(FolderExists(""));
}

} // namespace
} // namespace tandem::platform
