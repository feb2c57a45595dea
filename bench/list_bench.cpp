// A file list of 100,000 entries, shown (offscreen): filling it as the scan
// does, one click on a column header, and refilling it while it is sorted
// (a rescan). Each is the median of several runs, against the absolute
// targets: there is no plain program that does the same to compare with.

#include "process_measures.h"

#include "file_list.h"
#include "list_formats.h"

#include <QApplication>
#include <QDateTime>
#include <QHeaderView>
#include <QTest>

#include <cstdio>
#include <vector>

namespace {

using namespace tandem;

constexpr int Entries = 100000;
constexpr int Runs = 7;
constexpr double FillTarget = 1.0; // seconds
constexpr double ClickTarget = 0.2;
constexpr double RefillTarget = 1.0;

struct Found {
    QString folder;
    QString name;
    qint64 createdSeconds;
    qint64 size;
};

// What a scan of a big archive finds: 1,000 folders of 100 sessions, names,
// times (across some years, both sides of daylight saving) and sizes in
// orders that differ from one another and from the listing order.
std::vector<Found> archive()
{
    std::vector<Found> found;
    found.reserve(Entries);
    const qint64 start = QDateTime(QDate(2015, 1, 1), QTime(0, 0)).toSecsSinceEpoch();
    for (int i = 0; i < Entries; ++i) {
        const int scrambled = static_cast<int>((i * 7919LL) % Entries);
        const QString folder =
            QStringLiteral("/home/audio/Sessions/Project %1/Take %2/").arg(i / 1000).arg(i / 100 % 10);
        found.push_back({ folder, QStringLiteral("Mix %1 %2.sesx").arg(scrambled % 311).arg(scrambled),
            start + (i * 104723LL) % 300000000, (scrambled * 104729LL) % 50000000 });
    }
    return found;
}

// The scan's own calls for every file it lists; then the list is painted.
void fill(panes::FileList& list, const std::vector<Found>& found)
{
    for (const Found& file : found) {
        const QString key = file.folder + file.name;
        if (!list.Entry(key).isValid())
            list.AddEntry(key, file.folder, file.name, file.createdSeconds, file.size);
    }
    QApplication::processEvents();
}

void clickHeader(panes::FileList& list, int column)
{
    QHeaderView* header = list.header();
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
        QPoint(header->sectionViewportPosition(column) + 5, header->height() / 2));
    QApplication::processEvents();
}

// A rescan: keeping sorted switched off, the list cleared and filled again.
void rescan(panes::FileList& list, const std::vector<Found>& found)
{
    list.SetKeptSorted(false);
    list.ClearEntries();
    fill(list, found);
}

void report(const char* row, const std::vector<double>& seconds, double target)
{
    const double median = bench::Median(seconds);
    std::printf("bench list %s: %.3f s, %.2fx the %.1f s target (absolute; median of %zu)\n", row, median,
        median / target, target, seconds.size());
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const panes::ListFormats formats;
    const std::vector<Found> found = archive();
    panes::FileList list(formats);
    list.resize(1000, 400);
    list.show();
    QApplication::processEvents();

    std::vector<double> fills;
    for (int run = 0; run < Runs; ++run) {
        list.ClearEntries();
        QApplication::processEvents();
        fills.push_back(bench::SecondsTaken([&] { fill(list, found); }));
    }
    if (list.Count() != Entries) {
        std::fprintf(stderr, "the list holds %d entries, not %d\n", list.Count(), Entries);
        return 1;
    }

    // The user's check and selection go along with every sort.
    list.CheckFile(list.At(Entries / 3));
    std::vector<double> clicks;
    for (int run = 0; run < 2 * Runs; ++run)
        clicks.push_back(bench::SecondsTaken([&] { clickHeader(list, run % 4); }));

    std::vector<double> refills;
    for (int run = 0; run < Runs; ++run) {
        clickHeader(list, run % 4);
        refills.push_back(bench::SecondsTaken([&] { rescan(list, found); }));
    }

    std::printf("list: %d entries\n", Entries);
    report("fill", fills, FillTarget);
    report("header click", clicks, ClickTarget);
    report("refill sorted", refills, RefillTarget);
    return 0;
}
