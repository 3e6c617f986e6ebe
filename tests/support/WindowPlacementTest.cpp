#include "support/WindowPlacement.h"

#include <gtest/gtest.h>

TEST(PlaceOverOwnerPosition, CentresAcrossAndDividesTheFreeHeight)
{
    struct Case {
        const char* what;
        TPlacementRect window;
        TPlacementRect owner;
        TPlacementRect workArea;
        int divisor;
        TPlacementPoint expected;
    };
    const TPlacementRect screen{0, 0, 1024, 768};
    const Case cases[] = {
        {"quarter of the free height", {0, 0, 300, 200}, {0, 0, 800, 600}, screen, 3, {250, 100}},
        {"window position does not matter", {500, 400, 800, 600}, {0, 0, 800, 600}, screen, 3, {250, 100}},
        {"owner away from the origin", {0, 0, 300, 200}, {100, 50, 900, 650}, screen, 3, {350, 150}},
        {"divisor 1 centres vertically", {0, 0, 300, 200}, {0, 0, 800, 600}, screen, 1, {250, 200}},
        {"divisor 0 puts it at the owner's bottom", {0, 0, 300, 200}, {0, 0, 800, 600}, screen, 0, {250, 400}},
        {"rounding toward zero", {0, 0, 301, 201}, {0, 0, 800, 600}, screen, 3, {249, 99}},
        {"negative free space rounds toward zero", {0, 0, 401, 401}, {300, 300, 700, 500}, screen, 3, {300, 250}},
        {"larger than the owner", {0, 0, 600, 400}, {200, 200, 400, 300}, screen, 3, {0, 125}},
        {"negative divisor counts as 0", {0, 0, 300, 200}, {0, 0, 800, 600}, screen, -1, {250, 400}},
        {"much more negative divisor", {0, 0, 300, 200}, {0, 0, 800, 600}, screen, -5, {250, 400}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const TPlacementPoint p = PlaceOverOwnerPosition(c.window, c.owner, c.workArea, c.divisor);
        EXPECT_EQ(p.X, c.expected.X);
        EXPECT_EQ(p.Y, c.expected.Y);
    }
}

TEST(PlaceOverOwnerPosition, KeepsTheWindowInsideTheWorkArea)
{
    struct Case {
        const char* what;
        TPlacementRect owner;
        TPlacementRect workArea;
        TPlacementPoint expected;
    };
    // A 300 x 200 window, divisor 3.
    const Case cases[] = {
        {"owner off the left and top", {-400, -300, 100, 100}, {0, 0, 1024, 768}, {0, 0}},
        {"owner off the right and bottom", {900, 700, 1300, 1000}, {0, 0, 1024, 768}, {724, 568}},
        {"flush with the right edge", {724, 518, 1024, 768}, {0, 0, 1024, 768}, {724, 530}},
        {"work area with a task bar on top", {0, 0, 800, 200}, {0, 40, 1024, 768}, {250, 40}},
        {"work area not at the origin", {2000, 0, 2100, 100}, {1024, 0, 2048, 768}, {1748, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const TPlacementPoint p = PlaceOverOwnerPosition({0, 0, 300, 200}, c.owner, c.workArea, 3);
        EXPECT_EQ(p.X, c.expected.X);
        EXPECT_EQ(p.Y, c.expected.Y);
    }
}

TEST(PlaceOverOwnerPosition, AWindowTallerThanTheWorkAreaEndsAtItsBottomEdge)
{
    // Not above the top, but too tall to fit: it is pulled up to the bottom edge.
    const TPlacementPoint p = PlaceOverOwnerPosition({0, 0, 300, 900}, {0, 0, 800, 1000}, {0, 0, 1024, 768}, 3);
    EXPECT_EQ(p.Y, 768 - 900);
}
