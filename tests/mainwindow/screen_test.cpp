#include "main_window_fixture.h"

#include "settings_store.h"
#include "startup.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTemporaryDir>
#include <QToolButton>

namespace tandem::test {
namespace {

// Runs with the three screens of screens.json: a 1366 x 768 laptop at 125 %,
// a 1920 x 1080 desktop at 100 % and a 4K screen at 200 %.
class ScreenTest : public MainWindowTest {
protected:
    QScreen* Screen(const char* name) const
    {
        for (QScreen* screen : QGuiApplication::screens())
            if (screen->name() == QLatin1String(name))
                return screen;
        return nullptr;
    }
    // Starts a fresh window with the settings a earlier run left.
    void StartWith(int leftPixels, int topPixels, const QSize& size = {})
    {
        settings::QSettingsStore store(folder_.filePath(QStringLiteral("Tandem.ini")));
        store.Write(QStringLiteral("WINDOW"), QStringLiteral("Left"), QString::number(leftPixels * 15));
        store.Write(QStringLiteral("WINDOW"), QStringLiteral("Top"), QString::number(topPixels * 15));
        if (size.isValid()) {
            store.Write(QStringLiteral("WINDOW"), QStringLiteral("Width"), QString::number(size.width() * 15));
            store.Write(QStringLiteral("WINDOW"), QStringLiteral("Height"), QString::number(size.height() * 15));
        }
        window_ = std::make_unique<TestMain>(volumes_, Key("Program"));
        ASSERT_TRUE(mainwindow::StartUp(*window_, store, volumes_));
    }
    // The window and the controls a user must reach lie on `screen`.
    void ExpectWholeOn(const QScreen* screen, const char* name) const
    {
        const QRect available = screen->availableGeometry();
        EXPECT_TRUE(available.contains(window_->frameGeometry())) << name;
        for (const QWidget* control :
            { static_cast<QWidget*>(window_->ConvertButton), static_cast<QWidget*>(window_->ExitButton),
                static_cast<QWidget*>(window_->ButtonFrame), static_cast<QWidget*>(window_->FileButton) }) {
            const QRect global(control->mapToGlobal(QPoint(0, 0)), control->size());
            EXPECT_TRUE(available.contains(global)) << name << " " << control->objectName().toStdString();
        }
    }

    QTemporaryDir folder_;
};

TEST_F(ScreenTest, TheWindowOpensWholeOnEveryScreen)
{
    ASSERT_EQ(QGuiApplication::screens().size(), 3) << "run with QT_QPA_PLATFORM=offscreen:configfile=screens.json";
    ASSERT_EQ(Screen("laptop at 125%")->geometry().size(), QSize(1093, 614));
    const QSize designed = window_->size();
    struct Case {
        const char* screen;
        bool designedSizeFits;
    };
    for (const Case& each :
        { Case{ "laptop at 125%", false }, Case{ "desktop at 100%", true }, Case{ "4K at 200%", true } }) {
        const QScreen* screen = Screen(each.screen);
        ASSERT_NE(screen, nullptr) << each.screen;
        StartWith(screen->geometry().left() + 40, 40);
        ExpectWholeOn(screen, each.screen);
        if (each.designedSizeFits) {
            EXPECT_EQ(window_->size(), designed) << each.screen;
        } else {
            // Scaled down as a whole, to the full height of the screen.
            EXPECT_NEAR(static_cast<double>(window_->width()) / window_->height(),
                static_cast<double>(designed.width()) / designed.height(), 0.01);
            EXPECT_GE(window_->frameGeometry().height(), screen->availableGeometry().height() - 2);
        }
    }
}

TEST_F(ScreenTest, APlaceOffEveryScreenComesBackOnThePrimaryOne)
{
    StartWith(20000, 9000);
    ExpectWholeOn(QGuiApplication::primaryScreen(), "off screen");
    // Partly off a screen's edge: moved on, against that edge.
    const QRect desktop = Screen("desktop at 100%")->availableGeometry();
    StartWith(desktop.right() - 100, 10);
    ExpectWholeOn(Screen("desktop at 100%"), "over the edge");
    EXPECT_EQ(window_->frameGeometry().right(), desktop.right());
    // A saved size too large for the screen is cut down to it.
    StartWith(3100, 10, QSize(2500, 2000));
    ExpectWholeOn(Screen("desktop at 100%"), "too large");
}

} // namespace
} // namespace tandem::test
