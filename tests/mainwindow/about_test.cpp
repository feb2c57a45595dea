#include "about.h"
#include "application_icon.h"
#include "caption.h"

#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace tandem::test {
namespace {

class AboutTest : public testing::Test {
protected:
    void SetUp() override
    {
        about_ = std::make_unique<mainwindow::About>(mainwindow::ApplicationIcon(), [this] { ++pagesOpened_; });
        about_->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(about_.get()));
    }

    std::unique_ptr<mainwindow::About> about_;
    int pagesOpened_ = 0;
};

// Clicks go through the window, as the user's do, so that whatever lies on
// top gets them. Only the address opens the page and keeps the box; Esc or a
// click anywhere else (a label, OK, a corner) closes it, other keys do not.
TEST_F(AboutTest, OnlyTheAddressKeepsTheBoxOpenAndOfTheKeysOnlyEscClosesIt)
{
    for (const Qt::Key key : { Qt::Key_Return, Qt::Key_Space, Qt::Key_A, Qt::Key_Tab })
        QTest::keyClick(about_.get(), key);
    EXPECT_TRUE(about_->isVisible());
    QTest::keyClick(about_.get(), Qt::Key_Escape);
    EXPECT_FALSE(about_->isVisible());
    for (const char* name : { "DonateLabel1", "Disclaimer", "OkButton", "" }) {
        about_->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(about_.get()));
        const auto* widget = about_->findChild<QWidget*>(QLatin1String(name));
        ASSERT_TRUE(widget || !*name) << name;
        QTest::mouseClick(about_->windowHandle(), Qt::LeftButton, Qt::NoModifier,
            *name ? widget->mapTo(about_.get(), widget->rect().center()) : QPoint(2, 2));
        EXPECT_EQ(about_->isVisible(), name == std::string("DonateLabel1")) << name;
    }
    EXPECT_EQ(pagesOpened_, 1);
}

TEST(Caption, VersionFormat)
{
    const struct {
        int major, minor, revision;
        const char* caption;
        const char* version;
    } cases[] = {
        { 2, 3, 5, "Tandem - Version 2.3.05", "Version 2.3.05" },
        { 0, 4, 7, "Tandem - Version .4.07", "Version .4.07" },
        { 1, 2, 123, "Tandem - Version 1.2.23", "Version 1.2.23" },
    };
    for (const auto& c : cases) {
        EXPECT_EQ(
            mainwindow::MainCaption(QStringLiteral("Tandem"), c.major, c.minor, c.revision).toStdString(), c.caption);
        EXPECT_EQ(mainwindow::VersionText(c.major, c.minor, c.revision).toStdString(), c.version);
    }
}

} // namespace
} // namespace tandem::test
