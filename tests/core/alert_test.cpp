#include "core/Alert.h"
#include "core/Assert.h"

#include "tests/support/TestSupport.h"

TEST(Alert, RecordsLinesInsteadOfBlocking)
{
    ClearRecordedAlerts();
    ShowAlert("Loading queued for bitmap: a.png\n");
    ShowAlert("two\nlines");
    ShowAlert("Level wrong version", "Can't Open", "", "&Continue");
    const auto& alerts = RecordedAlerts();
    ASSERT_EQ(alerts.size(), 3u);
    EXPECT_EQ(alerts[0].lines, std::vector<std::string>({"Loading queued for bitmap: a.png"}));
    EXPECT_EQ(alerts[1].lines, std::vector<std::string>({"two", "lines"}));
    EXPECT_EQ(alerts[2].lines, std::vector<std::string>({"Level wrong version", "Can't Open", ""}));
    EXPECT_EQ(alerts[2].button, "&Continue");
}

TEST(Alert, PresenterShowsAlertsUnlessRecording)
{
    unsetenv("MARL_ALERTS");   // before the first alert of this process: no recording from outside
    std::vector<AlertMessage> presented;
    SetAlertPresenter([&](const AlertMessage& message) { presented.push_back(message); });
    ShowAlert("shown");
    ASSERT_EQ(presented.size(), 1u);
    EXPECT_EQ(presented[0].lines[0], "shown");
    EXPECT_TRUE(RecordedAlerts().empty());

    SetAlertRecording(true);
    ShowAlert("recorded");
    EXPECT_EQ(presented.size(), 1u);
    EXPECT_EQ(RecordedAlerts().size(), 1u);
    SetAlertPresenter({});
}

TEST(AlertDeathTest, FatalExitEndsWithTheStatusAfterTheAlertText)
{
    EXPECT_EXIT(
        {
            ShowAlert("Error loading RENDERLAYER frame");
            FatalExit(-1);
        },
        ::testing::ExitedWithCode(255), "ALERT: Error loading RENDERLAYER frame");
}

// A failed check is a programmer error: it is logged, reported through the alert seam and ends
// the program; a check that holds costs nothing and changes nothing.
TEST(Assertion, AFailedCheckReportsItselfAndAborts)
{
    int evaluated = 0;
    MARL_ASSERT(++evaluated == 1);
    EXPECT_EQ(evaluated, 1);
    EXPECT_DEATH(MARL_ASSERT(evaluated == 2), "ALERT: Assertion failed: evaluated == 2 \\(.*alert_test.cpp:[0-9]+\\)");
}
