#include "app/ReachableFrame.h"

#include <gtest/gtest.h>

TEST(ReachableFrame, KeepsAGrabbableFrameAndMovesOthersOntoThePrimaryArea) {
    const QRect primary(0, 0, 1920, 1040); // a task bar below
    const QRect secondRightOfIt(1920, 0, 1280, 1024);
    struct TCase {
        const char* what;
        QRect frame;
        QRect shown;
    };
    const TCase cases[] = {
        {"inside", {100, 80, 828, 687}, {100, 80, 828, 687}},
        {"on the second screen", {2200, 100, 828, 687}, {2200, 100, 828, 687}},
        {"partly off the side, strip reachable", {1800, 300, 828, 687}, {1800, 300, 828, 687}},
        {"taller than the screen, strip on it", {0, 0, 900, 1400}, {0, 0, 900, 1400}},
        {"on a third screen that is gone", {3500, 200, 828, 687}, {1092, 200, 828, 687}},
        {"strip above the top", {300, -400, 828, 687}, {300, 0, 828, 687}},
        {"only the last pixels of the strip on screen", {-820, 50, 828, 687}, {0, 50, 828, 687}},
        {"below the task bar", {300, 1035, 828, 687}, {300, 353, 828, 687}},
        {"larger than the primary area", {-5000, -5000, 2500, 1300}, {0, 0, 1920, 1040}},
    };
    for (const TCase& c : cases)
        EXPECT_EQ(ReachableFrame(c.frame, {primary, secondRightOfIt}, 19), c.shown) << c.what;
    EXPECT_EQ(ReachableFrame(QRect(3500, 0, 828, 687), {}, 19), QRect(3500, 0, 828, 687))
        << "no screen known: leave it";
}
