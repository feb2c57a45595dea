#pragma once

namespace tandem::mainwindow {

// Where each control of the main window stands, in twips relative to its
// container, as the window was designed; pixels follow from the screen's
// logical resolution. A window larger than designed gives its extra room to
// the trees and lists: each control moves and grows by its shares of the
// extra width and height (a folder column takes 0.3 of the width, a file
// column 0.7; each pane row half of the height). A smaller window shrinks
// everything alike.
struct Placement {
    double left;
    double top;
    double width;
    double height;
    double moveX = 0;
    double growX = 0;
    double moveY = 0;
    double growY = 0;
};

namespace Layout {
constexpr double ClientWidth = 15915;
constexpr double ClientHeight = 10035;
// The smallest share of the designed size the window shrinks to.
constexpr double SmallestScale = 0.5;

constexpr double FolderColumn = 0.3;
constexpr double FileColumn = 0.7;
constexpr double Row = 0.5;

constexpr Placement MainFrame{ 120, 150, 15645, 9705, 0, 1, 0, 1 };
// Pane 1 and pane 2.
constexpr Placement FolderFrame[2] = { { 90, 270, 4545, 3345, 0, FolderColumn, 0, Row },
    { 90, 3960, 4545, 3345, 0, FolderColumn, Row, Row } };
// The path box takes the top of the room the tree had.
constexpr Placement PathBox[2] = { { 90, 270, 4365, 315, 0, FolderColumn, 0, 0 },
    { 90, 330, 4305, 315, 0, FolderColumn, 0, 0 } };
constexpr Placement FolderTree[2] = { { 90, 615, 4365, 2220, 0, FolderColumn, 0, Row },
    { 90, 675, 4305, 2220, 0, FolderColumn, 0, Row } };
constexpr Placement AutoRefreshCheck[2] = { { 180, 2910, 1275, 285, 0, 0, Row, 0 },
    { 180, 2970, 1365, 285, 0, 0, Row, 0 } };
constexpr Placement ScanSubfoldersCheck[2] = { { 1770, 2910, 1425, 285, 0, 0, Row, 0 },
    { 1755, 2940, 1425, 285, 0, 0, Row, 0 } };
constexpr Placement RefreshNowButton[2] = { { 3510, 2910, 885, 285, FolderColumn, 0, Row, 0 },
    { 3390, 2940, 885, 285, FolderColumn, 0, Row, 0 } };
constexpr Placement FileFrame[2] = { { 4710, 270, 10815, 3345, FolderColumn, FileColumn, 0, Row },
    { 4710, 3960, 10815, 3345, FolderColumn, FileColumn, Row, Row } };
constexpr Placement FileList[2] = { { 180, 270, 10485, 2925, 0, FileColumn, 0, Row },
    { 180, 270, 10485, 2925, 0, FileColumn, 0, Row } };
constexpr Placement ConvertButton{ 750, 7710, 1365, 825, 0, 0, 1, 0 };
constexpr Placement ExitButton{ 2640, 7710, 1365, 825, 0, 0, 1, 0 };
// Stands where the Exit button is (relative to the window) while a scan runs.
constexpr Placement CancelButton{ 2760, 7860, 1365, 825, 0, 0, 1, 0 };
constexpr Placement TargetOptionsFrame{ 4710, 7380, 10755, 735, FolderColumn, FileColumn, 1, 0 };
constexpr Placement TargetOption[3] = { { 480, 360, 1395, 225 }, { 2520, 360, 1395, 225 }, { 4620, 330, 1545, 225 } };
constexpr Placement TargetTextBox{ 6270, 270, 3855, 315, 0, FileColumn, 0, 0 };
constexpr Placement FileButton{ 10170, 270, 375, 315, FileColumn, 0, 0, 0 };
// Under the target options, its columns lined up with theirs.
constexpr Placement PlacementFrame{ 4710, 8130, 10755, 735, FolderColumn, FileColumn, 1, 0 };
constexpr Placement PlacementOption[3] = { { 480, 360, 1395, 225 }, { 2520, 360, 1395, 225 },
    { 4620, 330, 1545, 225 } };
constexpr Placement GapTextBox{ 3930, 270, 420, 315 };
constexpr Placement GapUnitLabel{ 4395, 315, 150, 225 };
constexpr Placement AtTextBox{ 6270, 270, 1800, 315 };
// Under the Combine button, beside the options of the combine.
constexpr Placement ChooseTracksCheck{ 750, 8640, 3255, 285, 0, 0, 1, 0 };
// Lies on top of the lower right corner of MainFrame, under the placement.
constexpr Placement ButtonFrame{ 4830, 9030, 10755, 675, FolderColumn, FileColumn, 1, 0 };
constexpr Placement NonEnglishCheck{ 4590, 240, 2805, 315 };
constexpr Placement LanguageList{ 7440, 240, 2685, 315 };
} // namespace Layout

} // namespace tandem::mainwindow
