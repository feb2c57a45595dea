#include "about.h"
#include "application_icon.h"
#include "caption.h"

#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
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

TEST_F(AboutTest, ShowsTheLicenceAndTheQtVersion)
{
    QFile licence(QStringLiteral(TANDEM_LICENSE));
    ASSERT_TRUE(licence.open(QIODevice::ReadOnly));
    const auto* text = about_->findChild<QPlainTextEdit*>();
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->toPlainText(), QString::fromUtf8(licence.readAll()));
    bool qtVersionShown = false;
    for (const QLabel* label : about_->findChildren<QLabel*>())
        qtVersionShown = qtVersionShown || label->text().contains(QString::fromLatin1(qVersion()));
    EXPECT_TRUE(qtVersionShown);
}

TEST_F(AboutTest, EscapeClosesOtherKeysDoNot)
{
    for (const Qt::Key key : { Qt::Key_Return, Qt::Key_Space, Qt::Key_A, Qt::Key_Tab }) {
        QTest::keyClick(about_.get(), key);
        EXPECT_TRUE(about_->isVisible()) << key;
    }
    EXPECT_EQ(pagesOpened_, 0);
    QTest::keyClick(about_.get(), Qt::Key_Escape);
    EXPECT_FALSE(about_->isVisible());
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
