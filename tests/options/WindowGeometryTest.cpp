#include "options/WindowGeometry.h"

#include <gtest/gtest.h>

#include <climits>

using namespace lumorca;

TEST(ChildWindowGeometry, AlmostOutsideTheMainWindowIsReplacedByZeros) {
    const QSize main(1000, 800);
    // Left + Width = 15 is not greater than 20.
    const TGeometryCheck check = CheckChildWindowGeometry({-25, 40, 10, 200}, main);
    EXPECT_EQ(check.Geometry, TWindowGeometry{});
    EXPECT_TRUE(check.ClearWindowsPlaced);

    const TGeometryCheck ok = CheckChildWindowGeometry({-25, 50, 10, 200}, main);
    EXPECT_EQ(ok.Geometry, (TWindowGeometry{-25, 50, 10, 200}));
    EXPECT_FALSE(ok.ClearWindowsPlaced);
}

TEST(ChildWindowGeometry, EachLimitOnItsBoundary) {
    const TGeometryLimits limits = ChildWindowLimits(QSize(1000, 800));
    const TWindowGeometry good{100, 300, 100, 300};
    EXPECT_TRUE(GeometryIsValid(good, limits));
    auto with = [&](auto change) {
        TWindowGeometry g = good;
        change(g);
        return GeometryIsValid(g, limits);
    };
    EXPECT_TRUE(with([](auto& g) { g.Left = -279; }));   // right edge at 21
    EXPECT_FALSE(with([](auto& g) { g.Left = -280; }));  // right edge at 20
    EXPECT_TRUE(with([](auto& g) { g.Left = 979; }));
    EXPECT_FALSE(with([](auto& g) { g.Left = 980; }));
    EXPECT_TRUE(with([](auto& g) { g.Width = 50; }));
    EXPECT_FALSE(with([](auto& g) { g.Width = 49; }));
    EXPECT_TRUE(with([](auto& g) { g.Top = -279; }));
    EXPECT_FALSE(with([](auto& g) { g.Top = -280; }));
    EXPECT_TRUE(with([](auto& g) { g.Top = 779; }));
    EXPECT_FALSE(with([](auto& g) { g.Top = 780; }));
    EXPECT_TRUE(with([](auto& g) { g.Height = 100; }));
    EXPECT_FALSE(with([](auto& g) { g.Height = 99; }));
}

TEST(MainWindowGeometry, InvalidBecomesEightyPercentCentred) {
    const TGeometryCheck check = CheckMainWindowGeometry({0, 0, 0, 0}, QSize(1920, 1080));
    EXPECT_EQ(check.Geometry, (TWindowGeometry{192, 1536, 108, 864}));
    EXPECT_FALSE(check.ClearWindowsPlaced);
    // Odd sizes: the margins are the integer tenth, the size what is left.
    EXPECT_EQ(CheckMainWindowGeometry({0, 199, 0, 500}, QSize(1366, 767)).Geometry,
              (TWindowGeometry{136, 1094, 76, 615}));
}

TEST(MainWindowGeometry, ValidGeometryStaysAsStored) {
    const TWindowGeometry stored{-8, 200, -8, 200};
    EXPECT_EQ(CheckMainWindowGeometry(stored, QSize(1920, 1080)).Geometry, stored);
    EXPECT_FALSE(GeometryIsValid({0, 1000, 1061, 500}, MainWindowLimits(QSize(1920, 1080))));
}

TEST(WindowGeometry, HugeStoredNumbersDoNotWrapAround) {
    const TGeometryLimits limits = ChildWindowLimits(QSize(1000, 800));
    EXPECT_FALSE(GeometryIsValid({INT_MIN, INT_MIN, 100, 300}, limits));
    EXPECT_FALSE(GeometryIsValid({INT_MAX, 300, 100, 300}, limits));
    EXPECT_FALSE(GeometryIsValid({100, 300, INT_MAX, INT_MAX}, limits));
    // Larger than the main window: never restored.
    EXPECT_FALSE(GeometryIsValid({100, INT_MAX, 100, INT_MAX}, limits));
}

TEST(MainWindowGeometry, HasToFitTheAvailableAreaOfOneScreen) {
    const std::vector<QRect> screens{QRect(0, 0, 1920, 1040), QRect(1920, 100, 1280, 1024)};
    const TWindowGeometry fallback{192, 1536, 104, 832};
    const struct {
        TWindowGeometry Stored;
        bool Kept;
    } cases[] = {
        {{0, 99999999, 0, 99999999}, false},
        {{0, 1920, 0, 1040}, true},   // exactly the first screen
        {{0, 1921, 0, 1040}, false},
        {{2000, 1200, 50, 900}, true},  // on the second screen
        {{2000, 1200, 1000, 300}, true},  // low on the second screen, which starts lower
        {{2000, 1600, 50, 900}, false}, // wider than the second, outside the first
        {{-5000, 800, 50, 600}, false},
    };
    for (const auto& c : cases) {
        const TWindowGeometry expected = c.Kept ? c.Stored : fallback;
        EXPECT_EQ(CheckMainWindowGeometry(c.Stored, screens).Geometry, expected) << c.Stored.Left << " " << c.Stored.Width;
    }
    // The default place is on the primary screen, wherever that is.
    EXPECT_EQ(CheckMainWindowGeometry({0, 0, 0, 0}, std::vector<QRect>{QRect(100, 50, 1000, 800)}).Geometry,
              (TWindowGeometry{200, 800, 130, 640}));
}
