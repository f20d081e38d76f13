#include "widgets/button_factory.h"

#include <QWidget>
#include <array>
#include <gtest/gtest.h>

namespace tessal {
namespace {

TEST(ButtonFactory, ButtonsCarryTheirTableRowAndReportTheirTag) {
    QWidget panel;
    std::vector<int> chosen;
    const std::array<ButtonSpec, 3> speeds{{
        {"Speed5Btn", QStringLiteral("5"), 5, QRect(10, 10, 40, 26), QStringLiteral("5 WPM")},
        {"Speed10Btn", QStringLiteral("10"), 10, QRect(55, 10, 40, 26), QStringLiteral("10 WPM")},
        {"Speed20Btn", QStringLiteral("20"), 20, QRect(100, 10, 40, 26), QStringLiteral("20 WPM")},
    }};
    std::vector<TgdButton*> family;
    for (const ButtonSpec& spec : speeds) {
        TgdButton* button = makeButton(&panel, spec);
        QObject::connect(button, &TgdButton::clicked, &panel,
                         [&chosen, button] { chosen.push_back(button->Tag()); });
        family.push_back(button);
    }
    ASSERT_EQ(family.size(), speeds.size());
    for (size_t i = 0; i < speeds.size(); ++i) {
        const ButtonSpec& spec = speeds[i];
        auto* button = panel.findChild<TgdButton*>(QString::fromLatin1(spec.name));
        ASSERT_EQ(button, family[i]);
        EXPECT_EQ(button->caption(), spec.caption);
        EXPECT_EQ(button->Tag(), spec.tag);
        EXPECT_EQ(button->geometry(), spec.geometry);
        EXPECT_EQ(button->toolTip(), spec.hint);
        EXPECT_EQ(button->ButtonStyle(), bsRoundRect);
        EXPECT_EQ(button->mark(), kButtonIdleMark);
        EXPECT_EQ(button->GradEndColor(), kButtonGradientEnd);
        EXPECT_EQ(button->FontColor(), kButtonCaptionColor);
        EXPECT_TRUE(button->font().bold());
        EXPECT_EQ(button->font().pixelSize(), 13);
    }
    family[2]->click();
    family[0]->click();
    EXPECT_EQ(chosen, (std::vector<int>{20, 5}));
}

} // namespace
} // namespace tessal
