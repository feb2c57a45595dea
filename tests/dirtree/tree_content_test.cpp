#include "dirtree_test_fixture.h"
#include "scripted_prompt.h"

namespace tandem::test {
namespace {

using Texts = std::vector<std::string>;
const std::string placeholder = "~CustomTree~";

TEST_F(DirtreeTest, DrivesAreNamedByRootAndLabel)
{
    tree_->setDriveLetters(QStringLiteral("tren"));
    EXPECT_EQ(tree_->DriveLetters(), QStringLiteral("TREN"));
    // Sorted by text; removable drives show their root alone.
    EXPECT_EQ(TopTexts(), (Texts{ Root('E'), Root('N') + " []", Root('R'), Root('T') + " [TESTVOL]" }));
    EXPECT_EQ(DirtreeNodes::PictureKey(Node(Root('T'))), QStringLiteral("FixedDisk"));
    EXPECT_EQ(DirtreeNodes::PictureKey(Node(Root('R'))), QStringLiteral("RemoveableDisk"));
    EXPECT_EQ(DirtreeNodes::PictureKey(Node(Root('E'))), QStringLiteral("CDRom"));
    EXPECT_EQ(DirtreeNodes::PictureKey(Node(Root('N'))), QStringLiteral("NetworkDisk"));
    // Removable media are not read: a placeholder stands in for their folders.
    EXPECT_EQ(ChildTexts(Node(Root('R'))), Texts{ placeholder });
    EXPECT_NE(Node(Root('R') + placeholder), nullptr);
    EXPECT_EQ(ChildTexts(Node(Root('N'))), Texts{ "Share" });
}

TEST_F(DirtreeTest, StartsWithTheCurrentDriveAndListsVisibleFoldersWithPlaceholdersWhereSubfoldersWait)
{
    EXPECT_EQ(tree_->Path().toStdString(), Root('T') + "Audio");
    EXPECT_EQ(TopTexts(), Texts{ Root('T') + " [TESTVOL]" });
    QTreeWidgetItem* drive = Node(Root('T'));
    EXPECT_EQ(ChildTexts(drive), (Texts{ "Audio", "Empty", "MyRecycled", "OnlyHidden", "recycled" }));
    EXPECT_EQ(ChildTexts(Node(Root('T') + "Audio")), Texts{ placeholder });
    EXPECT_NE(Node(Root('T') + "Audio/" + placeholder), nullptr);
    EXPECT_EQ(ChildTexts(Node(Root('T') + "Empty")), Texts{});
    // A hidden subfolder gives an expand button but never shows.
    QTreeWidgetItem* onlyHidden = Node(Root('T') + "OnlyHidden");
    EXPECT_EQ(ChildTexts(onlyHidden), Texts{ placeholder });
    onlyHidden->setExpanded(true);
    EXPECT_EQ(ChildTexts(onlyHidden), Texts{});
}

TEST_F(DirtreeTest, FolderTagsAndPictures)
{
    QTreeWidgetItem* audio = Node(Root('T') + "Audio");
    EXPECT_EQ(DirtreeNodes::Tag(audio), QStringLiteral("Visible"));
    EXPECT_EQ(DirtreeNodes::PictureKey(audio), QStringLiteral("ClosedFolder"));
    QTreeWidgetItem* recycled = Node(Root('T') + "recycled");
    EXPECT_EQ(DirtreeNodes::Tag(recycled), QString());
    EXPECT_EQ(DirtreeNodes::PictureKey(recycled), QStringLiteral("Recycled"));

    audio->setExpanded(true);
    EXPECT_EQ(DirtreeNodes::PictureKey(audio), QStringLiteral("OpenFolder"));
    audio->setExpanded(false);
    EXPECT_EQ(DirtreeNodes::PictureKey(audio), QStringLiteral("ClosedFolder"));

    // The name test at listing time is exact; later the key's end decides.
    QTreeWidgetItem* myRecycled = Node(Root('T') + "MyRecycled");
    EXPECT_EQ(DirtreeNodes::PictureKey(myRecycled), QStringLiteral("ClosedFolder"));
    myRecycled->setExpanded(true);
    EXPECT_EQ(DirtreeNodes::PictureKey(myRecycled), QStringLiteral("Recycled"));
    myRecycled->setExpanded(false);
    EXPECT_EQ(DirtreeNodes::PictureKey(myRecycled), QStringLiteral("Recycled"));

    // A host may tag a node hidden; it then gets the faded pictures.
    DirtreeNodes::SetTag(audio, QStringLiteral("Hidden"));
    audio->setExpanded(true);
    EXPECT_EQ(DirtreeNodes::PictureKey(audio), QStringLiteral("OpenFolder2"));
    audio->setExpanded(false);
    EXPECT_EQ(DirtreeNodes::PictureKey(audio), QStringLiteral("ClosedFolder2"));
}

TEST_F(DirtreeTest, FoldersLoadOnExpandAndUnloadOnCollapse)
{
    QTreeWidgetItem* audio = Node(Root('T') + "Audio");
    audio->setExpanded(true);
    EXPECT_EQ(ChildTexts(audio), Texts{ "Sessions" });
    EXPECT_EQ(Node(Root('T') + "Audio/" + placeholder), nullptr);
    EXPECT_NE(Node(Root('T') + "Audio/Sessions"), nullptr);

    fs::create_directory(base_ / "t" / "Audio" / "Added");
    audio->setExpanded(false);
    EXPECT_EQ(ChildTexts(audio), Texts{ placeholder });
    EXPECT_EQ(Node(Root('T') + "Audio/Sessions"), nullptr);
    audio->setExpanded(true);
    EXPECT_EQ(ChildTexts(audio), (Texts{ "Added", "Sessions" }));
    // A fixed drive keeps its folders when collapsed.
    QTreeWidgetItem* drive = Node(Root('T'));
    drive->setExpanded(true);
    drive->setExpanded(false);
    EXPECT_EQ(ChildTexts(drive).size(), 5u);
}

TEST_F(DirtreeTest, RemovableDrivesLoadWhenOpenedAndForgetWhenClosed)
{
    tree_->setDriveLetters(QStringLiteral("RE"));
    QTreeWidgetItem* removable = Node(Root('R'));
    removable->setExpanded(true);
    EXPECT_EQ(ChildTexts(removable), Texts{ "Disc" });
    EXPECT_EQ(Node(Root('R'))->text(0).toStdString(), Root('R'));
    removable->setExpanded(false);
    EXPECT_EQ(ChildTexts(removable), Texts{ placeholder });

    // A disc without folders: opening it leaves no children, and a click
    // brings the placeholder back so that it can be opened again.
    QTreeWidgetItem* cd = Node(Root('E'));
    cd->setExpanded(true);
    EXPECT_EQ(ChildTexts(cd), Texts{});
    Click(cd);
    EXPECT_EQ(ChildTexts(cd), Texts{ placeholder });
    EXPECT_FALSE(cd->isExpanded());
}

// A letter given twice shows its drive once; a letter without a drive is
// reported and gives the current drive; no letters give no tree, silently.
TEST_F(DirtreeTest, LettersAreCheckedAndEachDriveShownOnce)
{
    struct Case {
        const char* letters;
        const char* kept;
        const char* message;
    };
    // How repeated letters are kept differs between systems; the drive shows once.
    for (const Case& each : { Case{ "TtT", nullptr, nullptr },
             Case{ "RQE", "T", "Invalid Drive Specification - Cannot Find Drive Q" }, Case{ "", "", nullptr } }) {
        ScriptedPrompt prompt;
        tree_->setDriveLetters(QLatin1String(each.letters));
        if (each.kept) {
            EXPECT_EQ(tree_->DriveLetters(), QLatin1String(each.kept));
        }
        ASSERT_EQ(prompt.Shown().size(), each.message ? 1u : 0u) << each.letters;
        if (each.message) {
            EXPECT_EQ(prompt.Shown()[0].icon, platform::Message::Icon::Critical);
            EXPECT_EQ(prompt.Shown()[0].title, "Error");
            EXPECT_EQ(prompt.Shown()[0].text, each.message);
        }
        if (!each.kept || *each.kept) {
            EXPECT_EQ(TopTexts(), Texts{ Root('T') + " [TESTVOL]" });
            EXPECT_EQ(ChildTexts(Node(Root('T'))).size(), 5u);
        }
    }
    EXPECT_EQ(tree_->Nodes().Count(), 0);
}

} // namespace
} // namespace tandem::test
