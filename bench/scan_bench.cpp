// Scanning a big folder tree into a file list, against find(1) on the same
// tree in the same run.

#include "process_measures.h"
#include "temp_folder.h"

#include "file_list.h"
#include "list_formats.h"
#include "session_scan.h"

#include <QApplication>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <vector>

namespace {

using namespace tandem;

constexpr int Folders = 5000;
constexpr int FilesPerFolder = 20;
constexpr int SessionEvery = 50; // 2,000 of the 100,000 files
constexpr int Rounds = 3;
constexpr double ScanRatioTarget = 2;

class TitleOnly : public panes::ScanWindow {
public:
    QString WindowTitle() const override { return title_; }
    void SetWindowTitle(const QString& title) override { title_ = title; }

private:
    QString title_;
};

// 50 folders of 100 subfolders each, 20 files in every subfolder.
void buildTree(const std::filesystem::path& root)
{
    int file = 0;
    for (int top = 0; top < Folders / 100; ++top) {
        for (int sub = 0; sub < 100; ++sub) {
            const auto folder = root / ("Project " + std::to_string(top)) / ("Take " + std::to_string(sub));
            std::filesystem::create_directories(folder);
            for (int i = 0; i < FilesPerFolder; ++i, ++file) {
                const bool session = file % SessionEvery == 0;
                std::ofstream(folder / ("clip " + std::to_string(i) + (session ? ".sesx" : ".wav"))) << "x";
            }
        }
    }
}

double fastest(int rounds, const std::function<void()>& work)
{
    std::vector<double> times;
    for (int i = 0; i < rounds; ++i)
        times.push_back(bench::SecondsTaken(work));
    return *std::min_element(times.begin(), times.end());
}

void scanBenchmark(const panes::ListFormats& formats)
{
    bench::TempFolder folder;
    const std::filesystem::path root = std::filesystem::path(folder.Path()) / "tree";
    buildTree(root);
    const std::string find = "find '" + root.string() + "' -name '*.sesx' > /dev/null";
    panes::FileList list(formats);
    TitleOnly window;
    int listed = 0;
    const auto scan = [&] {
        list.ClearEntries();
        panes::FullDirFileList(list, window, QString::fromStdString(root.string()), QStringLiteral("*.sesx"), true);
        listed = list.Count();
    };
    const auto runFind = [&] {
        if (std::system(find.c_str()) != 0)
            std::fprintf(stderr, "find failed\n");
    };
    // Both read a warm cache.
    runFind();
    scan();
    double findSeconds = 0;
    double scanSeconds = 0;
    for (int i = 0; i < Rounds; ++i) {
        findSeconds += fastest(1, runFind);
        scanSeconds += fastest(1, scan);
    }
    findSeconds /= Rounds;
    scanSeconds /= Rounds;
    std::printf("scan: %d folders, %d files, %d session files listed\n", Folders, Folders * FilesPerFolder, listed);
    std::printf("scan: FullDirFileList %.3f s, find %.3f s\n", scanSeconds, findSeconds);
    std::printf("bench scan: time ratio %.1f (target %.0f)\n", scanSeconds / findSeconds, ScanRatioTarget);
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const panes::ListFormats formats;
    scanBenchmark(formats);
    return 0;
}
