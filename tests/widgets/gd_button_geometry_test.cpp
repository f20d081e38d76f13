#include "widgets/gd_button_geometry.h"

#include <gtest/gtest.h>
#include <numeric>

namespace tessal {
namespace {

struct GradientCase {
    QColor begin, end;
    int height;
};

TEST(GradientRows, EndsAreExactAndChannelsMoveMonotonicallyBetween) {
    const GradientCase cases[] = {
        {QColor(0x00, 0x00, 0xFF), QColor(0x00, 0x00, 0x80), 26},
        {QColor(0xFF, 0xFF, 0x00), QColor(0x00, 0x00, 0x00), 26},
        {QColor(0x00, 0xFF, 0xFF), QColor(0x00, 0x00, 0x80), 3},
        {QColor(0x12, 0xF0, 0x80), QColor(0xF0, 0x12, 0x81), 300},
    };
    for (const GradientCase& c : cases) {
        SCOPED_TRACE(c.height);
        EXPECT_EQ(gradientRowColor(c.begin, c.end, 0, c.height), c.begin);
        EXPECT_EQ(gradientRowColor(c.begin, c.end, c.height - 1, c.height), c.end);
        for (int row = 1; row < c.height; ++row) {
            const QColor above = gradientRowColor(c.begin, c.end, row - 1, c.height);
            const QColor here = gradientRowColor(c.begin, c.end, row, c.height);
            const auto movesToward = [](int prev, int cur, int from, int to) {
                return to >= from ? cur >= prev : cur <= prev;
            };
            EXPECT_TRUE(movesToward(above.red(), here.red(), c.begin.red(), c.end.red()));
            EXPECT_TRUE(movesToward(above.green(), here.green(), c.begin.green(), c.end.green()));
            EXPECT_TRUE(movesToward(above.blue(), here.blue(), c.begin.blue(), c.end.blue()));
        }
    }
}

TEST(GradientRows, OneRowButtonGetsTheBeginColour) {
    EXPECT_EQ(gradientRowColor(Qt::blue, Qt::black, 0, 1), QColor(Qt::blue));
}

struct LayoutCase {
    const char* what;
    CaptionBlock block;
    int lineA, lineB, captionTop;
};

TEST(CaptionLayout, PlacesLinesAsTheButtonShowsThem) {
    const LayoutCase cases[] = {
        {"two centred lines on 40 px", {40, 13, true, true, 4, true, 0}, 5, 22, 5},
        {"one centred line on 26 px", {26, 13, true, false, 4, true, 0}, 7, 7 + 13 + 4, 7},
        {"only the second line, centred", {26, 13, false, true, 4, true, 0}, -2, 6, 6},
        {"wider line space", {60, 13, true, true, 10, true, 0}, 12, 35, 12},
        {"fixed top, two lines", {40, 13, true, true, 4, false, 3}, 3, 20, 3},
        {"fixed top, only the second line", {40, 13, false, true, 4, false, 3}, 3, 3, 3},
    };
    for (const LayoutCase& c : cases) {
        SCOPED_TRACE(c.what);
        const CaptionTops tops = layoutCaptionLines(c.block);
        EXPECT_EQ(tops.lineA, c.lineA);
        EXPECT_EQ(tops.lineB, c.lineB);
        EXPECT_EQ(tops.captionTop, c.captionTop);
    }
}

struct EvenCase {
    std::vector<int> widths;
    int available;
};

TEST(EvenSpacing, FirstCharacterAtStartLastEndsAtTheRightMarginGapsDifferByAtMostOne) {
    const EvenCase cases[] = {
        {{8, 8, 8, 8}, 71},    {{7, 9, 12}, 100}, {{10, 10, 10, 10, 10}, 43},
        {{9, 9, 9, 9, 9}, 40}, {{5, 5}, 5},       {{6, 11, 6, 8, 9, 7, 10}, 67},
    };
    for (const EvenCase& c : cases) {
        SCOPED_TRACE(c.available);
        const std::vector<int> offsets = evenCharacterOffsets(c.widths, c.available);
        ASSERT_EQ(offsets.size(), c.widths.size());
        EXPECT_EQ(offsets.front(), 0);
        EXPECT_EQ(offsets.back() + c.widths.back(), c.available);
        int smallest = INT_MAX, largest = INT_MIN;
        for (size_t i = 1; i < offsets.size(); ++i) {
            const int gap = offsets[i] - offsets[i - 1] - c.widths[i - 1];
            smallest = std::min(smallest, gap);
            largest = std::max(largest, gap);
        }
        EXPECT_LE(largest - smallest, 1);
    }
}

TEST(EvenSpacing, SingleCharacterStaysAtTheStart) {
    EXPECT_EQ(evenCharacterOffsets({9}, 60), std::vector<int>{0});
}

struct RegionCase {
    QSize size;
    int diameter;
};

TEST(RoundedRegion, CutsTheFourCornersSymmetricallyAndKeepsTheEdgesMiddles) {
    const RegionCase cases[] = {{{75, 26}, 7}, {{120, 50}, 7}, {{40, 30}, 16}, {{10, 10}, 30}};
    for (const RegionCase& c : cases) {
        SCOPED_TRACE(c.size.width());
        const QRegion region = roundedButtonRegion(c.size, c.diameter);
        const int w = c.size.width(), h = c.size.height();
        for (const QPoint corner :
             {QPoint(0, 0), QPoint(w - 1, 0), QPoint(0, h - 1), QPoint(w - 1, h - 1)})
            EXPECT_FALSE(region.contains(corner)) << corner.x() << "," << corner.y();
        for (const QPoint edge : {QPoint(w / 2, 0), QPoint(w / 2, h - 1), QPoint(0, h / 2),
                                  QPoint(w - 1, h / 2), QPoint(w / 2, h / 2)})
            EXPECT_TRUE(region.contains(edge)) << edge.x() << "," << edge.y();
        EXPECT_TRUE(QRect(0, 0, w, h).contains(region.boundingRect()));
        for (int y = 0; y < h; ++y) {
            for (int x = 0; x < w; ++x)
                ASSERT_EQ(region.contains(QPoint(x, y)),
                          region.contains(QPoint(w - 1 - x, h - 1 - y)));
        }
    }
}

TEST(RoundedRegion, OutlineIsExactlyTheEdgePixelsOfTheClip) {
    const RegionCase cases[] = {{{75, 26}, 7}, {{40, 30}, 16}, {{71, 22}, 5}};
    for (const RegionCase& c : cases) {
        SCOPED_TRACE(c.size.width());
        const QRegion region = roundedButtonRegion(c.size, c.diameter);
        const QPolygon outline = roundedOutlinePixels(c.size, c.diameter);
        for (int y = 0; y < c.size.height(); ++y) {
            for (int x = 0; x < c.size.width(); ++x) {
                const bool inside = region.contains(QPoint(x, y));
                const bool onEdge =
                    inside &&
                    !(region.contains(QPoint(x - 1, y)) && region.contains(QPoint(x + 1, y)) &&
                      region.contains(QPoint(x, y - 1)) && region.contains(QPoint(x, y + 1)));
                ASSERT_EQ(outline.contains(QPoint(x, y)), onEdge) << x << "," << y;
            }
        }
    }
}

TEST(RoundedRegion, NoDiameterKeepsTheWholeRectangle) {
    EXPECT_EQ(roundedButtonRegion({75, 26}, 0), QRegion(0, 0, 75, 26));
}

} // namespace
} // namespace tessal
