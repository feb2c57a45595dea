#pragma once

namespace tandem::mainwindow {

// Where each control of the main window stands, in twips relative to its
// container, as the window was designed; pixels follow from the screen's
// logical resolution.
struct Placement {
    double left;
    double top;
    double width;
    double height;
};

namespace Layout {
constexpr double WindowWidth = 16000;
constexpr double WindowHeight = 10000;
constexpr double ClientWidth = 15915;
constexpr double ClientHeight = 9285;

constexpr Placement MainFrame{ 120, 150, 15645, 8955 };
// Pane 1 and pane 2.
constexpr Placement FolderFrame[2] = { { 90, 270, 4545, 3345 }, { 90, 3960, 4545, 3345 } };
constexpr Placement FolderTree[2] = { { 90, 270, 4365, 2565 }, { 90, 330, 4305, 2565 } };
constexpr Placement AutoRefreshCheck[2] = { { 180, 2910, 1275, 285 }, { 180, 2970, 1365, 285 } };
constexpr Placement ScanSubfoldersCheck[2] = { { 1770, 2910, 1425, 285 }, { 1755, 2940, 1425, 285 } };
constexpr Placement RefreshNowButton[2] = { { 3510, 2910, 885, 285 }, { 3390, 2940, 885, 285 } };
constexpr Placement FileFrame[2] = { { 4710, 270, 10815, 3345 }, { 4710, 3960, 10815, 3345 } };
constexpr Placement FileList[2] = { { 180, 270, 10485, 2925 }, { 180, 270, 10485, 2925 } };
constexpr Placement ConvertButton{ 750, 7710, 1365, 825 };
constexpr Placement ExitButton{ 2640, 7710, 1365, 825 };
constexpr Placement TargetOptionsFrame{ 4710, 7380, 10755, 735 };
constexpr Placement TargetOption[3] = { { 480, 360, 1395, 225 }, { 2520, 360, 1395, 225 }, { 4620, 330, 1545, 225 } };
constexpr Placement TargetTextBox{ 6270, 270, 3855, 315 };
constexpr Placement FileButton{ 10170, 270, 375, 315 };
// Lies on top of the lower right corner of MainFrame, under the target options.
constexpr Placement ButtonFrame{ 4830, 8280, 10755, 675 };
constexpr Placement NonEnglishCheck{ 4590, 240, 2805, 315 };
constexpr Placement LanguageList{ 7440, 240, 2685, 315 };
} // namespace Layout

} // namespace tandem::mainwindow
