#include "caption.h"

#include <gtest/gtest.h>

namespace tandem::mainwindow {
namespace {

TEST(Caption, VersionFormat)
{
    const struct {
        int major, minor, revision;
        const char* caption;
        const char* version;
    } cases[] = {
        { 2, 3, 5, "Tandem - Version 2.3.05", "Version 2.3.05" },
        { 1, 0, 0, "Tandem - Version 1.0.00", "Version 1.0.00" },
        { 0, 4, 7, "Tandem - Version .4.07", "Version .4.07" },
        { 1, 2, 123, "Tandem - Version 1.2.23", "Version 1.2.23" },
        { 12, 10, 45, "Tandem - Version 12.10.45", "Version 12.10.45" },
    };
    for (const auto& c : cases) {
        EXPECT_EQ(MainCaption(QStringLiteral("Tandem"), c.major, c.minor, c.revision).toStdString(), c.caption);
        EXPECT_EQ(VersionText(c.major, c.minor, c.revision).toStdString(), c.version);
    }
}

} // namespace
} // namespace tandem::mainwindow
