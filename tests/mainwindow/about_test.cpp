#include "about.h"
#include "application_icon.h"
#include "caption.h"
#include "tandem_version.h"
#include "web_page.h"

#include <QDate>
#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
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

    QLabel* Label(const char* name) const
    {
        auto* label = about_->findChild<QLabel*>(QString::fromLatin1(name));
        EXPECT_NE(label, nullptr) << name;
        return label;
    }

    // Clicks through the window, as the user does, so that whatever lies on
    // top at that point gets the click.
    void ClickOn(const QWidget* widget) const
    {
        const QPoint point = widget->mapTo(about_.get(), widget->rect().center());
        QTest::mouseClick(about_->windowHandle(), Qt::LeftButton, Qt::NoModifier, point);
    }

    std::unique_ptr<mainwindow::About> about_;
    int pagesOpened_ = 0;
};

TEST_F(AboutTest, ClickingTheAddressOpensThePageAndKeepsTheBox)
{
    ClickOn(Label("DonateLabel1"));
    EXPECT_EQ(pagesOpened_, 1);
    EXPECT_TRUE(about_->isVisible());
    ClickOn(Label("DonateLabel1"));
    EXPECT_EQ(pagesOpened_, 2);
    EXPECT_TRUE(about_->isVisible());
}

TEST_F(AboutTest, ClickingTheRequestClosesTheBox)
{
    ClickOn(Label("DonateLabel0"));
    EXPECT_FALSE(about_->isVisible());
    EXPECT_EQ(about_->result(), QDialog::Accepted);
    EXPECT_EQ(pagesOpened_, 0);
}

TEST_F(AboutTest, ClickingAnywhereElseClosesTheBox)
{
    for (const char* name : { "ApplicationName", "Disclaimer", "ApplicationIcon" }) {
        about_->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(about_.get()));
        ClickOn(Label(name));
        EXPECT_FALSE(about_->isVisible()) << name;
    }
    about_->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(about_.get()));
    QTest::mouseClick(about_->windowHandle(), Qt::LeftButton, Qt::NoModifier, QPoint(2, 2));
    EXPECT_FALSE(about_->isVisible());
    EXPECT_EQ(pagesOpened_, 0);
}

TEST_F(AboutTest, ShowsTheLicenceAndTheQtVersionAndClosesWithOk)
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
    auto* ok = about_->findChild<QPushButton*>();
    ASSERT_NE(ok, nullptr);
    ClickOn(ok);
    EXPECT_FALSE(about_->isVisible());
    EXPECT_EQ(pagesOpened_, 0);
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

} // namespace
} // namespace tandem::test
