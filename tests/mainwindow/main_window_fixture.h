#pragma once

#include "main_window.h"

#include "dirtree.h"
#include "dirtree_view.h"
#include "fake_volumes.h"
#include "file_list.h"
#include "native_path.h"
#include "pane.h"

#include "drive_types.h"

#include <QCheckBox>
#include <QDesktopServices>
#include <QDir>
#include <QGroupBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>

namespace tandem::test {

namespace fs = std::filesystem;
using mainwindow::Main;

// Main as the program shows it, with a drive table over temporary folders.
// It notes whether the frames were enabled whenever the title changed (the
// scan shows the folder it reads there), and its program folder is one of
// the test's.
class TestMain : public Main {
public:
    TestMain(const platform::Volumes& volumes, QString programFolder)
        : Main(volumes)
        , programFolder_(std::move(programFolder))
    {
    }
    QString ProgramFolder() const override { return programFolder_; }
    void SetWindowTitle(const QString& title) override
    {
        framesEnabledWhileTitled.push_back(MainFrame->isEnabled() || ButtonFrame->isEnabled());
        titles.push_back(title);
        Main::SetWindowTitle(title);
        if (onTitle)
            onTitle(title);
    }
    std::vector<bool> framesEnabledWhileTitled;
    std::vector<QString> titles;
    // What the user does while the title shows `title`.
    std::function<void(const QString& title)> onTitle;

private:
    QString programFolder_;
};

// Records the addresses the window hands to the system (the browser, the
// file manager) for one scheme, while it lives.
class UrlRecorder : public QObject {
    Q_OBJECT
public:
    explicit UrlRecorder(QString scheme)
        : scheme_(std::move(scheme))
    {
        QDesktopServices::setUrlHandler(scheme_, this, "open");
    }
    ~UrlRecorder() override { QDesktopServices::unsetUrlHandler(scheme_); }
    QList<QUrl> opened;
public slots:
    void open(const QUrl& url) { opened.push_back(url); }

private:
    QString scheme_;
};

// A small but whole session: the window's tests combine real files.
constexpr const char* SessionText =
    "<?xml version=\"1.0\"?>\n<sesx>\n<session sampleRate=\"48000\">\n<tracks>\n"
    "<audioTrack id=\"10001\" index=\"1\">\n<trackOutput outputID=\"10000\" type=\"trackID\"/>\n</audioTrack>\n"
    "<masterTrack id=\"10000\" index=\"2\">\n</masterTrack>\n</tracks>\n</session>\n<files/>\n</sesx>\n";

// Drive S (fixed) holds Sessions/{one.sesx, two.sesx, Sub/three.sesx},
// Other/four.sesx and top.sesx; the program's folder is S:/Program.
class MainWindowTest : public testing::Test {
protected:
    void SetUp() override
    {
        for (const char* folder : { "s/Sessions/Sub", "s/Other", "s/Program" })
            fs::create_directories(base_ / folder);
        for (const char* file : { "s/Sessions/one.sesx", "s/Sessions/two.sesx", "s/Sessions/Sub/three.sesx",
                 "s/Other/four.sesx", "s/top.sesx" })
            std::ofstream(base_ / file) << SessionText;
        volumes_.AddDrive('S', base_ / "s", platform::DriveTypes::Fixed, "DATA");
        volumes_.SetCurrentFolder(Root());
        window_ = std::make_unique<TestMain>(volumes_, Key("Program"));
        for (int index = 1; index <= 2; ++index)
            window_->Pane(index).FolderTree->setDriveLetters(QStringLiteral("S"));
        window_->show();
    }

    std::string Root() const { return volumes_.Root('S'); }
    // A folder's node key on drive S.
    QString Key(const std::string& relative) const { return QString::fromStdString(NativePath(Root() + relative)); }
    panes::Pane& Pane(int index) { return window_->Pane(index); }
    QTreeWidgetItem* Node(int index, const QString& key) { return Pane(index).FolderTree->Nodes().Item(key); }

    void ClickNode(int index, QTreeWidgetItem* node)
    {
        auto& view = Pane(index).FolderTree->TreeView1();
        view.scrollToItem(node);
        QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, view.visualItemRect(node).center());
    }

    // Reads `folder` into pane `index` and ticks the file named `name`.
    void Tick(int index, const std::string& folder, const std::string& name)
    {
        Pane(index).GoToLastItem(Key(folder));
        Pane(index).ForceRefresh = true;
        Pane(index).SESFileRefresh();
        panes::FileList& list = *Pane(index).FileList;
        const QModelIndex entry = list.Entry(Key(folder + "/" + name));
        ASSERT_TRUE(entry.isValid()) << name;
        list.CheckFile(entry);
    }

    std::vector<std::string> FileNames(int index)
    {
        std::vector<std::string> names;
        const panes::FileList& list = *Pane(index).FileList;
        for (int i = 0; i < list.Count(); ++i)
            names.push_back(list.At(i).siblingAtColumn(panes::FileList::File).data().toString().toStdString());
        std::sort(names.begin(), names.end());
        return names;
    }

    QTemporaryDir temp_;
    const fs::path base_ = fs::u8path(QDir::toNativeSeparators(temp_.path()).toStdString());
    FakeVolumes volumes_;
    std::unique_ptr<TestMain> window_;
};

} // namespace tandem::test
