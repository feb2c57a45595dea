#include "findings_report.h"

#include <gtest/gtest.h>

namespace tandem::verify {
namespace {

const platform::Message completion{ platform::Message::Icon::Information, "Process completed...",
    "b.sesx\r\n appended to \r\na.sesx\r\n\r\nThe new file is called \r\n\r\nout.sesx" };

CheckResult withFindings(std::size_t count)
{
    CheckResult result;
    for (std::size_t i = 1; i <= count; ++i)
        result.findings.push_back({ i * 10, "Problem " + std::to_string(i) + "." });
    return result;
}

TEST(CompletionWithCheck, CleanSessionLeavesTheMessageAsItWas)
{
    const platform::Message shown = WithCheckResult(completion, CheckResult{});
    EXPECT_EQ(shown.text, completion.text);
    EXPECT_EQ(shown.title, completion.title);
    EXPECT_EQ(shown.icon, completion.icon);
}

TEST(CompletionWithCheck, FindingsFollowTheFileNameOneALine)
{
    const std::string warning = "\r\n\r\nWarning: the new session has problems that Audition may not load correctly:";
    EXPECT_EQ(WithCheckResult(completion, withFindings(2)).text,
        completion.text + warning + "\r\nLine 10: Problem 1.\r\nLine 20: Problem 2.");

    std::string ten;
    for (int i = 1; i <= 10; ++i)
        ten += "\r\nLine " + std::to_string(i * 10) + ": Problem " + std::to_string(i) + ".";
    EXPECT_EQ(WithCheckResult(completion, withFindings(10)).text, completion.text + warning + ten);
    EXPECT_EQ(
        WithCheckResult(completion, withFindings(13)).text, completion.text + warning + ten + "\r\n... and 3 more");
}

TEST(CompletionWithCheck, AnUncheckedSessionSaysWhy)
{
    CheckResult unreadable;
    unreadable.errorNumber = 53;
    unreadable.description = "File not found";
    EXPECT_EQ(WithCheckResult(completion, unreadable).text,
        completion.text + "\r\n\r\nWarning: the new session could not be checked: File not found");
}

} // namespace
} // namespace tandem::verify
