#include "app/frame_form_fixture.h"

#include <QLabel>
#include <QStackedWidget>
#include <gtest/gtest.h>

using namespace tessal;

namespace {

const QRgb kNavyRgb = qRgb(0x00, 0x00, 0x80);
const QRgb kBlueRgb = qRgb(0x00, 0x00, 0xFF);

enum Direction { Down, Right };
enum Part { Whole, LeftHalf, RightHalf };

struct Picture {
    const char* image;
    const char* panel;
    QRgb start;
    QRgb end;
    Direction direction;
    Part part = Whole;
};

const Picture kPictures[] = {
    {"Image1", "Panel1", kNavyRgb, kBlueRgb, Down},
    {"Image2", "Panel2", kBlueRgb, kNavyRgb, Down},
    {"Image3", "PlayPanel", kBlueRgb, kNavyRgb, Down},
    {"Image4", "SidePanel", kNavyRgb, kBlueRgb, Right},
    {"Image5", "UnderPanel", kNavyRgb, kBlueRgb, Down},
    {"Image6", "ListeningPanel", kNavyRgb, kBlueRgb, Right},
    {"Image7", "Panel8", kNavyRgb, kBlueRgb, Right},
    {"Image8", "REdit1OperationPanel", kBlueRgb, kNavyRgb, Down},
    {"Image9", "KeyerPanel", kNavyRgb, kBlueRgb, Right},
    {"Image11", "VerticalKeyPanel", kNavyRgb, kBlueRgb, Down},
    {"Image16", "Panel23", kNavyRgb, kBlueRgb, Down},
    {"Image17", "QSOTopPanel", kNavyRgb, kBlueRgb, Down},
    {"Image18", "Panel17", kBlueRgb, kNavyRgb, Down},
    {"Image19", "StackKeyPanel", kNavyRgb, kBlueRgb, Down},
    {"Image20", "AnsPanel2", kBlueRgb, kNavyRgb, Right},
    {"Image21", "AnsPanel", kBlueRgb, kNavyRgb, Right},
    {"Image23", "TherdPaanel", kBlueRgb, kNavyRgb, Down},
    {"Image24", "Panel41", kNavyRgb, kBlueRgb, Right},
    {"Image25", "Panel45", kBlueRgb, kNavyRgb, Right, LeftHalf},
    {"Image26", "PuddleKeyPanel", kNavyRgb, kBlueRgb, Down},
    {"Image27", "Panel48", kBlueRgb, kNavyRgb, Down, LeftHalf},
    {"Image28", "Panel48", kBlueRgb, kNavyRgb, Down, RightHalf},
    {"Image29", "Panel47", kBlueRgb, kNavyRgb, Down},
    {"Image30", "ProgressBarBasePanel", kNavyRgb, kBlueRgb, Right},
};

} // namespace

TEST(FrameLook, GradientPicturesRunFromStartToEndOverTheirPanel) {
    FrameForm rig;
    TTessalForm& form = *rig.form;
    for (const Picture& p : kPictures) {
        SCOPED_TRACE(p.image);
        auto* holder = form.findChild<QLabel*>(QString::fromLatin1(p.image));
        ASSERT_NE(holder, nullptr);
        auto* panel = form.findChild<QWidget*>(QString::fromLatin1(p.panel));
        ASSERT_NE(panel, nullptr);
        EXPECT_EQ(holder->parentWidget(), panel);
        const int half = panel->width() / 2;
        const QRect expected = p.part == Whole ? panel->rect()
                               : p.part == LeftHalf
                                   ? QRect(0, 0, half, panel->height())
                                   : QRect(half, 0, panel->width() - half, panel->height());
        EXPECT_EQ(holder->geometry(), expected);
        const QImage image = holder->pixmap().toImage();
        ASSERT_EQ(image.size(), expected.size());
        const int w = image.width() - 1;
        const int h = image.height() - 1;
        // The first line is the start colour all along, the last line the end colour.
        const QPoint firstLine[2] = {{0, 0}, p.direction == Down ? QPoint(w, 0) : QPoint(0, h)};
        const QPoint lastLine[2] = {p.direction == Down ? QPoint(0, h) : QPoint(w, 0), {w, h}};
        for (const QPoint at : firstLine)
            EXPECT_EQ(image.pixel(at), p.start);
        for (const QPoint at : lastLine)
            EXPECT_EQ(image.pixel(at), p.end);
        const QPoint middle = p.direction == Down ? QPoint(0, h / 2) : QPoint(w / 2, 0);
        const int midBlue = qBlue(image.pixel(middle));
        EXPECT_GT(midBlue, 0x80);
        EXPECT_LT(midBlue, 0xFF);
    }
}

TEST(FrameLook, StatusBarPanelsStartWithTheirTexts) {
    FrameForm rig;
    TTessalForm& form = *rig.form;
    struct Panel {
        int left;
        int width;
        QString text;
    };
    const Panel panels[] = {
        {0, 200, QString()},
        {200, 200, QStringLiteral("COM Port NOT Ready")},
        {400, 100, QStringLiteral("Soound NOT Ready")},
    };
    EXPECT_EQ(form.StatusBar1->geometry(), QRect(0, 681, 814, 30));
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(form.statusText(i), panels[i].text) << i;
        auto* label = form.StatusBar1->findChild<QLabel*>(QStringLiteral("StatusPanel%1").arg(i));
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(label->x(), panels[i].left);
        EXPECT_EQ(label->width(), panels[i].width);
    }
    form.setStatusText(0, QStringLiteral("File Saved"));
    EXPECT_EQ(form.statusText(0), "File Saved");
    EXPECT_EQ(form.statusText(1), "COM Port NOT Ready");
}

TEST(FrameLook, BarsAndPagesFillTheWindowTopToBottom) {
    FrameForm rig;
    TTessalForm& form = *rig.form;
    const QWidget* regions[] = {form.Panel1, form.Panel2, form.PageControl1, form.StatusBar1};
    const int heights[] = {41, 55, 585, 30};
    int top = 0;
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(regions[i]->geometry(), QRect(0, top, 814, heights[i])) << i;
        top += heights[i];
    }
    EXPECT_EQ(top, form.height());
    for (QStackedWidget* pages : {form.PageControl1, form.PageControl2, form.PageControl3})
        EXPECT_EQ(pages->count(), pages == form.PageControl1 ? 4 : 3);
    const QImage emblem = form.Image22->pixmap().toImage();
    EXPECT_EQ(emblem.size(), QSize(35, 35));
    EXPECT_GT(qAlpha(emblem.pixel(17, 17)), 0);
}
