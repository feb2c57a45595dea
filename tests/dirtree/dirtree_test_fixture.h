#pragma once

#include "dirtree.h"
#include "dirtree_view.h"
#include "fake_volumes.h"
#include "native_path.h"

#include "drive_types.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidgetItem>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>

namespace tandem::test {

namespace fs = std::filesystem;
using dirtree::Dirtree;
using dirtree::DirtreeNodes;

// Drives over a real temporary folder tree:
//   T fixed, label TESTVOL: Audio/{Sessions, .git}, Empty, OnlyHidden/Secret
//     (hidden), HiddenTop (hidden), recycled, MyRecycled/Sub, .config, a file
//   R removable: Disc/Track
//   E CD-ROM without folders
//   N network
class DirtreeTest : public testing::Test {
protected:
    void SetUp() override
    {
        for (const char* folder : { "t/Audio/Sessions", "t/Audio/.git", "t/Empty", "t/OnlyHidden/Secret", "t/HiddenTop",
                 "t/recycled", "t/MyRecycled/Sub", "t/.config", "r/Disc/Track", "e", "n/Share" })
            fs::create_directories(base_ / folder);
        std::ofstream(base_ / "t" / "notes.txt") << "x";
        volumes_.AddDrive('T', base_ / "t", platform::DriveTypes::Fixed, "TESTVOL");
        volumes_.AddDrive('R', base_ / "r", platform::DriveTypes::Removable);
        volumes_.AddDrive('E', base_ / "e", platform::DriveTypes::CdRom);
        volumes_.AddDrive('N', base_ / "n", platform::DriveTypes::Remote, "SERVER");
        volumes_.Hide("Secret");
        volumes_.Hide("HiddenTop");
        volumes_.SetCurrentFolder(Root('T') + "Audio");
        tree_ = std::make_unique<Dirtree>(volumes_);
        tree_->resize(500, 700);
        tree_->show();
    }

    std::string Root(char letter) const { return volumes_.Root(letter); }
    QString Key(const std::string& key) const { return QString::fromStdString(NativePath(key)); }
    QTreeWidgetItem* Node(const std::string& key) { return tree_->Nodes().Item(Key(key)); }

    static std::vector<std::string> ChildTexts(const QTreeWidgetItem* node)
    {
        std::vector<std::string> texts;
        for (int i = 0; i < node->childCount(); ++i)
            texts.push_back(node->child(i)->text(0).toStdString());
        return texts;
    }
    std::vector<std::string> TopTexts() const
    {
        std::vector<std::string> texts;
        for (int i = 0; i < tree_->TreeView1().topLevelItemCount(); ++i)
            texts.push_back(tree_->TreeView1().topLevelItem(i)->text(0).toStdString());
        return texts;
    }

    void Click(QTreeWidgetItem* node, Qt::MouseButton button = Qt::LeftButton)
    {
        auto& view = tree_->TreeView1();
        view.scrollToItem(node);
        QTest::mouseClick(view.viewport(), button, {}, view.visualItemRect(node).center());
    }

    QTemporaryDir temp_;
    const fs::path base_ = fs::u8path(QDir::toNativeSeparators(temp_.path()).toStdString());
    FakeVolumes volumes_;
    std::unique_ptr<Dirtree> tree_;
};

} // namespace tandem::test
