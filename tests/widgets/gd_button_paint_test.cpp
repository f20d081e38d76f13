#include "button_pixels.h"
#include "widgets/gd_button.h"
#include "widgets/gd_button_geometry.h"

#include <QPainter>
#include <gtest/gtest.h>

namespace tessal {
namespace {

using testing::inkBounds;
using testing::inkRowRuns;
using testing::makePlain;
using testing::near;
using testing::renderButton;

const QColor kBlue(0x00, 0x00, 0xFF);
const QColor kNavy(0x00, 0x00, 0x80);

struct GradientStyleCase {
    TgdButtonStyle style;
    int frameRows; // rows the frame covers at the top and at the bottom
};

TEST(ButtonFace, GradientRunsFromBeginColourToEndColourInsideTheFrame) {
    const GradientStyleCase cases[] = {
        {bsFlatNoFrame, 0}, {bsRoundRectNoFrame, 0}, {bsRoundRect, 1}, {bsFlat, 1}, {bsNormal, 2}};
    for (const GradientStyleCase& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.style));
        TgdButton button;
        ASSERT_EQ(button.size(), QSize(75, 26));
        button.setButtonStyle(c.style);
        button.setGradBeginColor(kBlue);
        button.setGradEndColor(kNavy);
        const QImage face = renderButton(button);
        const int x = face.width() / 2;
        const int top = c.frameRows, bottom = face.height() - 1 - c.frameRows;
        EXPECT_EQ(face.pixelColor(x, top), gradientRowColor(kBlue, kNavy, top, 26));
        EXPECT_EQ(face.pixelColor(x, bottom), gradientRowColor(kBlue, kNavy, bottom, 26));
        if (c.frameRows == 0) {
            EXPECT_EQ(face.pixelColor(x, 0), kBlue);
            EXPECT_EQ(face.pixelColor(x, 25), kNavy);
        }
        for (int y = top + 1; y <= bottom; ++y) {
            EXPECT_LE(face.pixelColor(x, y).blue(), face.pixelColor(x, y - 1).blue()) << y;
            // Every pixel of a row has the row's colour, away from the rounded corners.
            EXPECT_EQ(face.pixelColor(5, y), face.pixelColor(x, y)) << y;
        }
        const int blendMiddle = kBlue.blue() + (kNavy.blue() - kBlue.blue()) * 13 / 25;
        EXPECT_NEAR(face.pixelColor(x, 13).blue(), blendMiddle, 1);
    }
}

TEST(ButtonFace, WithoutGradationTheFaceIsTheSolidColour) {
    TgdButton button;
    button.setButtonStyle(bsFlatNoFrame);
    button.setGradation(false);
    button.setColor(QColor(0x40, 0x80, 0x20));
    const QImage face = renderButton(button);
    EXPECT_EQ(face.pixelColor(1, 1), QColor(0x40, 0x80, 0x20));
    EXPECT_EQ(face.pixelColor(70, 24), QColor(0x40, 0x80, 0x20));
}

struct TwoLineCase {
    int height;
    int lineSpace;
};

TEST(ButtonCaption, TwoLinesSitOneAboveTheOtherAroundTheCentreLineSpaceApart) {
    const TwoLineCase cases[] = {{40, 4}, {60, 10}, {50, 0}};
    for (const TwoLineCase& c : cases) {
        SCOPED_TRACE(c.height);
        TgdButton button;
        button.resize(75, c.height);
        makePlain(button, Qt::black, Qt::white);
        button.setCaptionLineSpace(c.lineSpace);
        button.setCaption(QStringLiteral("HH"));
        button.CaptionB().setCaption(QStringLiteral("HH"));
        const QImage face = renderButton(button);
        const auto runs = inkRowRuns(face, near(Qt::white, 200));
        ASSERT_EQ(runs.size(), 2u);
        const int lineHeight = QFontMetrics(button.font()).height();
        EXPECT_EQ(runs[1].first - runs[0].first, lineHeight + c.lineSpace);
        EXPECT_EQ(runs[1].second - runs[0].second, lineHeight + c.lineSpace);
        // The block of two line boxes is centred.
        const int blockTop = button.CaptionTop();
        EXPECT_LE(std::abs(2 * blockTop + 2 * lineHeight + c.lineSpace - c.height), 1);
        EXPECT_GE(runs[0].first, blockTop);
        EXPECT_LT(runs[1].second, blockTop + 2 * lineHeight + c.lineSpace);
    }
}

TEST(ButtonCaption, OneLineSitsInTheMiddleAndFollowsAFixedTop) {
    TgdButton button;
    makePlain(button, Qt::black, Qt::white);
    button.setCaption(QStringLiteral("HH"));
    const int lineHeight = QFontMetrics(button.font()).height();
    const auto centred = inkRowRuns(renderButton(button), near(Qt::white, 200));
    ASSERT_EQ(centred.size(), 1u);
    EXPECT_GE(centred[0].first, button.CaptionTop());
    EXPECT_LT(centred[0].second, button.CaptionTop() + lineHeight);
    EXPECT_LE(std::abs(2 * button.CaptionTop() + lineHeight - 26), 2);

    const int centredTop = button.CaptionTop();
    button.setCaptionVertCenter(false);
    EXPECT_EQ(button.CaptionTop(), centredTop);
    button.setCaptionTop(centredTop - 4);
    EXPECT_FALSE(button.CaptionVertCenter());
    const auto moved = inkRowRuns(renderButton(button), near(Qt::white, 200));
    ASSERT_EQ(moved.size(), 1u);
    EXPECT_EQ(moved[0].first, centred[0].first - 4);
}

struct AlignmentCase {
    TgdBtnAlignment alignment;
    int left, right;
};

TEST(ButtonCaption, AlignmentsPlaceTheLineBetweenTheMargins) {
    const AlignmentCase cases[] = {{taLeft, 0, 0},  {taLeft, 12, 0}, {taRight, 0, 0},
                                   {taRight, 0, 9}, {taEven, 0, 0},  {taEven, 10, 20},
                                   {taCenter, 0, 0}};
    const int width = 150;
    for (const AlignmentCase& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.alignment) * 100 + c.left + c.right);
        TgdButton button;
        button.resize(width, 26);
        makePlain(button, Qt::black, Qt::white);
        button.setCaption(QStringLiteral("HIJH"));
        button.CaptionA().setAlignment(c.alignment);
        button.CaptionA().setLeft(c.left);
        button.CaptionA().setRight(c.right);
        const QRect ink = inkBounds(renderButton(button), near(Qt::white, 200));
        ASSERT_FALSE(ink.isEmpty());
        const int leftEdge = c.left + 2, rightEdge = width - c.right - 2;
        const bool hugsLeft = std::abs(ink.left() - leftEdge) <= 3;
        const bool hugsRight = std::abs(ink.right() + 1 - rightEdge) <= 3;
        switch (c.alignment) {
        case taLeft:
            EXPECT_TRUE(hugsLeft);
            EXPECT_FALSE(hugsRight);
            break;
        case taRight:
            EXPECT_TRUE(hugsRight);
            EXPECT_FALSE(hugsLeft);
            break;
        case taEven:
            EXPECT_TRUE(hugsLeft);
            EXPECT_TRUE(hugsRight);
            break;
        case taCenter:
            EXPECT_LE(std::abs(ink.left() + ink.right() + 1 - width), 3);
            break;
        }
    }
}

TEST(ButtonCaption, EvenAlignmentCentresASingleLetter) {
    TgdButton button;
    button.resize(120, 26);
    makePlain(button, Qt::black, Qt::white);
    button.setCaption(QStringLiteral("H"));
    button.CaptionA().setAlignment(taEven);
    const QRect ink = inkBounds(renderButton(button), near(Qt::white, 200));
    ASSERT_FALSE(ink.isEmpty());
    EXPECT_LE(std::abs(ink.left() + ink.right() + 1 - 120), 3);
}

struct DisabledCase {
    bool enabled;
    bool hasFocus;
    bool engraved;
};

TEST(ButtonCaption, DisabledButtonEngravesItsCaptionInsteadOfTheFontColour) {
    const DisabledCase cases[] = {{true, true, false}, {false, true, true}, {false, false, false}};
    for (const DisabledCase& c : cases) {
        SCOPED_TRACE(c.enabled * 10 + c.hasFocus);
        TgdButton button;
        makePlain(button, Qt::black, Qt::red);
        button.setCaption(QStringLiteral("HH"));
        button.setHasFocus(c.hasFocus);
        button.setEnabled(c.enabled);
        const QImage face = renderButton(button);
        const QPalette colours = button.palette();
        const QRect red = inkBounds(face, near(Qt::red, 30));
        const QRect highlight = inkBounds(face, near(colours.color(QPalette::Light), 30));
        const QRect shadow = inkBounds(face, near(colours.color(QPalette::Dark), 30));
        EXPECT_EQ(red.isEmpty(), c.engraved);
        EXPECT_EQ(!highlight.isEmpty() && !shadow.isEmpty(), c.engraved);
        if (c.engraved) {
            EXPECT_EQ(highlight.topLeft() - shadow.topLeft(), QPoint(1, 1));
        }
    }
}

TEST(ButtonPicture, CentredPictureAndTransparentColour) {
    QPixmap picture(10, 6);
    picture.fill(Qt::green);
    {
        QPainter painter(&picture);
        painter.fillRect(0, 0, 3, 6, Qt::magenta); // the bottom-left colour turns transparent
    }
    TgdButton button;
    makePlain(button, Qt::black, Qt::white);
    button.Image().setPicture(picture);
    button.Image().setHorzCenter(true);
    QRect green = inkBounds(renderButton(button), near(Qt::green, 30));
    EXPECT_EQ(green, QRect((75 - 10) / 2 + 3, (26 - 6) / 2, 7, 6));
    EXPECT_FALSE(inkBounds(renderButton(button), near(Qt::magenta, 30)).isEmpty());

    button.Image().setTransParent(true);
    EXPECT_TRUE(inkBounds(renderButton(button), near(Qt::magenta, 30)).isEmpty());
    button.Image().setLeft(2);
    EXPECT_FALSE(button.Image().HorzCenter());
    green = inkBounds(renderButton(button), near(Qt::green, 30));
    EXPECT_EQ(green.left(), 2 + 3);

    button.Image().setVisible(false);
    EXPECT_TRUE(inkBounds(renderButton(button), near(Qt::green, 30)).isEmpty());
}

} // namespace
} // namespace tessal
