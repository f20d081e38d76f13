#include "listening/line_progress.h"
#include "listening/report_pane.h"
#include "support/form_rig.h"
#include "widgets/gd_button.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <gtest/gtest.h>

using namespace tessal;
using tessal::testing::FormRig;

namespace {

const QColor kBlue{0x00, 0x00, 0xFF};
const QColor kYellow{0xFF, 0xFF, 0x00};
const QColor kLime{0x00, 0xFF, 0x00};
const QColor kWhite{0xFF, 0xFF, 0xFF};

// The trainer on the Text File source with a play mode, at 10 WPM.
QString textFileSettings(int playMode) {
    return QStringLiteral("[TessalSystem]\nQTypeMode=1\nFilePlayMode=%1\nSpeedWPS=10\n")
        .arg(playMode);
}

QString writeFile(FormRig& rig, const QString& name, const QByteArray& bytes) {
    const QString path = rig.dir.filePath(name);
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    return path;
}

void load(FormRig& rig, const QString& path) {
    rig.sim.dialogs().queueOpenAnswer(path);
    rig->FileLoadBtn->click();
}

int visibleSegments(FormRig& rig) {
    int shown = 0;
    for (QWidget* segment : rig->PBarPanels)
        shown += segment->isHidden() ? 0 : 1;
    return shown;
}

QStringList loggedLines(FormRig& rig) {
    QStringList texts;
    for (const ColouredLine& line : rig->REdit1->lines()) {
        EXPECT_EQ(line.colour, kWhite) << line.text.toStdString();
        texts.append(line.text);
    }
    return texts;
}

QByteArray numberedLines(int count) {
    QByteArray bytes;
    for (int i = 1; i <= count; ++i)
        bytes += "LINE " + QByteArray::number(i) + "\n";
    return bytes;
}

} // namespace

TEST(TextFile, LoadingDecodesAndShowsTheFirstLineTable) {
    struct Case {
        const char* name;
        QByteArray bytes;
        QStringList lines;
        QString counter;
        int segments;
        QString status;
    };
    const QString japanese = QStringLiteral("さくら <AR>");
    const std::vector<Case> cases = {
        {"ten.txt", numberedLines(10), {}, "Line : 1 of 10", 5, "Loading File Complete"},
        {"bom.txt",
         "\xEF\xBB\xBF" + japanese.toUtf8() + "\r\nCQ\r\n",
         {japanese, "CQ"},
         "Line : 1 of 2",
         25,
         "Loading File Complete"},
        {"sjis.txt",
         QByteArray("\x82\xa0\x82\xa2\r\nAB"),
         {"あい", "AB"},
         "Line : 1 of 2",
         25,
         "Loading File Complete"},
        {"utf16.txt",
         QByteArray("\xFF\xFE"
                    "A\0\r\0B\0\n\0\n\0C\0",
                    14),
         {"A", "B", "", "C"},
         "Line : 1 of 4",
         12,
         "Loading File Complete"},
        {"blank.txt", "  A \r\rB", {"  A ", "", "B"}, "Line : 1 of 3", 16, "Loading File Complete"},
        {"empty.txt", "", {}, "Line : 0 of 0", 0, "Empty File: Nothing to Play"},
    };
    for (const Case& c : cases) {
        FormRig rig(textFileSettings(0));
        load(rig, writeFile(rig, c.name, c.bytes));
        if (!c.lines.isEmpty()) {
            EXPECT_EQ(rig->FileStrList, c.lines) << c.name;
        }
        EXPECT_EQ(rig->FileStrLineCount, rig->FileStrList.size()) << c.name;
        EXPECT_EQ(rig->LinesLabel->text(), c.counter) << c.name;
        EXPECT_EQ(visibleSegments(rig), c.segments) << c.name;
        EXPECT_EQ(rig->statusText(0), c.status) << c.name;
        EXPECT_EQ(rig->FileNameLabel->text(), QString::fromLatin1(c.name)) << c.name;
        EXPECT_EQ(rig->FDefaultFolder, QDir(rig.dir.path()).absolutePath() + u'/') << c.name;
        EXPECT_EQ(rig->LineStringLabel->text(), rig->FileStrList.value(0)) << c.name;
        EXPECT_EQ(rig->FileLoadBtn->mark(), c.lines.isEmpty() && c.segments == 0 ? kBlue : kYellow)
            << c.name;
    }
}

TEST(TextFile, EmptyFilePlaysNothingAndStepsNowhere) {
    FormRig rig(textFileSettings(0));
    load(rig, writeFile(rig, "lines.txt", "A\nB\n"));
    load(rig, writeFile(rig, "empty.txt", ""));
    for (const char* control : {"PlayBtn", "RightBtn", "LeftBtn"}) {
        rig->findChild<TgdButton*>(QString::fromLatin1(control))->click();
        rig.loop().runFor(2000);
        EXPECT_EQ(rig->RUNFlag, 0) << control;
        EXPECT_EQ(rig->FileStrCount, 0) << control;
    }
    EXPECT_TRUE(rig.tape().voices().empty());
    EXPECT_TRUE(rig.sim.dialogs().messages().isEmpty());
}

TEST(TextFile, CancelledDialogKeepsTheLoadedFileAndAFailedReadChangesNothing) {
    FormRig rig(textFileSettings(0));
    // Before any load the dialog opens on the shipped practice files.
    rig->FDefaultFolder.clear();
    load(rig, writeFile(rig, "three.txt", "E\nT\nI\n"));
    ASSERT_EQ(rig.sim.dialogs().openRequests().size(), 1u);
    EXPECT_EQ(rig.sim.dialogs().openRequests()[0].folder,
              QStringLiteral(TESSAL_SOURCE_DIR "/Practice/"));
    rig->RightBtnClick();
    rig.loop().runFor(3000);

    load(rig, QString()); // cancelled
    load(rig, rig.dir.filePath("missing.txt"));
    EXPECT_EQ(rig.sim.dialogs().openRequests()[1].folder, rig->FDefaultFolder);
    EXPECT_EQ(rig->FileStrList, (QStringList{"E", "T", "I"}));
    EXPECT_EQ(rig->FileStrCount, 1);
    EXPECT_EQ(rig->LinesLabel->text(), "Line : 2 of 3");
    EXPECT_EQ(rig->statusText(0), "Open Error");
    EXPECT_EQ(rig.sim.dialogs().messages().size(), 1);
    rig->RightBtnClick();
    rig.loop().runFor(3000);
    EXPECT_EQ(loggedLines(rig), (QStringList{"T", "I"}));
}

TEST(TextFile, PercentagesRoundHalvesToEvenTable) {
    struct Case {
        int percent, segments;
    };
    const std::vector<Case> cases = {{1, 0},   {3, 2},    {5, 2},   {7, 4}, {10, 5},
                                     {99, 50}, {100, 50}, {50, 25}, {0, 0}};
    FormRig rig(textFileSettings(0));
    for (const Case& c : cases) {
        rig->PBarSetPosition(c.percent);
        EXPECT_EQ(visibleSegments(rig), c.segments) << c.percent;
    }
    // Line k of n: k/n of the file, halves to even (1 of 8 is 12.5 %, 3 of 8 is 37.5 %).
    EXPECT_EQ(linePercent(0, 8), 12);
    EXPECT_EQ(linePercent(2, 8), 38);
    EXPECT_EQ(linePercent(0, 3), 33);
    EXPECT_EQ(linePercent(1, 3), 67);
    EXPECT_EQ(linePercent(0, 0), 0);
}

TEST(TextFile, StandardStepsPlayAtOnceAndStopAtBothEnds) {
    FormRig rig(textFileSettings(0));
    load(rig, writeFile(rig, "three.txt", "E\nT\nI\n"));
    struct Step {
        const char* button;
        QString counter, played;
    };
    const std::vector<Step> steps = {
        {"LeftBtn", "Line : 1 of 3", "E"},  {"PlayBtn", "Line : 1 of 3", "E"},
        {"RightBtn", "Line : 2 of 3", "T"}, {"RightBtn", "Line : 3 of 3", "I"},
        {"RightBtn", "Line : 3 of 3", "I"}, {"LeftBtn", "Line : 2 of 3", "T"},
    };
    QStringList expectedLog;
    for (const Step& s : steps) {
        rig->findChild<TgdButton*>(QString::fromLatin1(s.button))->click();
        EXPECT_EQ(rig->RUNFlag, -1) << s.button;
        EXPECT_EQ(rig->PlayBtn->mark(), kLime) << s.button;
        EXPECT_EQ(rig->LinesLabel->text(), s.counter) << s.button;
        rig.loop().runFor(3000);
        EXPECT_EQ(rig->RUNFlag, 0) << s.button;
        expectedLog.append(s.played);
    }
    EXPECT_EQ(loggedLines(rig), expectedLog);
    EXPECT_EQ(rig.tape().voices().size(), steps.size()) << "one character per line";
}

TEST(TextFile, ThroughPlaysEveryLineAndLogsEachAfterItSounded) {
    FormRig rig(textFileSettings(1));
    load(rig, writeFile(rig, "three.txt", "E\nT\n<AR>\n"));
    EXPECT_TRUE(rig->LeftBtn->isHidden());
    EXPECT_TRUE(rig->RightBtn->isHidden());
    std::vector<int64_t> loggedAtUs;
    rig.sampleEvery(1, 10'000, [&] {
        if (rig->REdit1->lines().size() > loggedAtUs.size())
            loggedAtUs.push_back(rig.loop().now());
    });
    rig->PlayBtn->click();
    rig.loop().runFor(10'000);

    EXPECT_EQ(loggedLines(rig), (QStringList{"E", "T", "<AR>"}));
    const auto spans = rig.tape().toneSpans(0, rig.loop().now());
    ASSERT_EQ(spans.size(), 2u + 5u) << "E, T, and the group as one unit of five elements";
    ASSERT_EQ(loggedAtUs.size(), 3u);
    EXPECT_GT(loggedAtUs[0], spans[0].offUs);
    EXPECT_LT(loggedAtUs[0], spans[1].onUs);
    EXPECT_GT(loggedAtUs[1], spans[1].offUs);
    EXPECT_LT(loggedAtUs[1], spans[2].onUs);
    EXPECT_GT(loggedAtUs[2], spans[6].offUs);
    EXPECT_EQ(rig->FileStrCount, 0);
    EXPECT_EQ(rig->RUNFlag, 0);
    for (TgdButton* transport : {rig->PlayBtn, rig->PauseBtn, rig->StopBtn})
        EXPECT_EQ(transport->mark(), kBlue);
}

TEST(TextFile, PauseAndStopActOnEveryLineOfARun) {
    // At 10 WPM a one-letter line of "E" sounds from about 330 ms after it starts.
    struct Case {
        const char* what;
        int playMode;
        std::function<void(FormRig&)> act;
        QStringList logged;
        int voices;
    };
    const std::vector<Case> cases = {
        {"stop during the second line ends the run",
         1,
         [](FormRig& rig) {
             rig.loop().runUntilIdle(); // nothing is due before PLAY
             rig->PlayBtn->click();
             while (rig->REdit1->lines().size() < 1)
                 rig.loop().runFor(1);
             rig.loop().runFor(100); // the second line's T sounds
             rig->StopBtn->click();
             rig.loop().runFor(5000);
         },
         {"E", "T"},
         2},
        {"stop between two lines ends the run",
         1,
         [](FormRig& rig) {
             rig->PlayBtn->click();
             while (rig->REdit1->lines().size() < 1)
                 rig.loop().runFor(1);
             rig->StopBtn->click();
             rig.loop().runFor(5000);
         },
         {"E"},
         1},
        {"pause between two lines holds until PLAY",
         1,
         [](FormRig& rig) {
             rig->PlayBtn->click();
             while (rig->REdit1->lines().size() < 1)
                 rig.loop().runFor(1);
             rig->PauseBtn->click();
             rig.loop().runFor(5000);
             EXPECT_EQ(rig.tape().voices().size(), 1u);
             EXPECT_EQ(rig->RUNFlag, -1);
             EXPECT_TRUE(rig->TFileBtn->isEnabled());
             rig->PlayBtn->click();
             rig.loop().runFor(10'000);
         },
         {"E", "T", "I"},
         3},
        {"pause during a line started by Next, then Next is refused",
         0,
         [](FormRig& rig) {
             rig->RightBtn->click();
             rig.loop().runFor(100);
             rig->PauseBtn->click();
             rig->RightBtn->click();
             rig.loop().runFor(5000);
             EXPECT_EQ(rig->FileStrCount, 1);
             EXPECT_EQ(rig->LinesLabel->text(), "Line : 2 of 3");
             rig->PlayBtn->click();
             rig.loop().runFor(5000);
         },
         {"T"},
         1},
    };
    for (const Case& c : cases) {
        FormRig rig(textFileSettings(c.playMode));
        load(rig, writeFile(rig, "three.txt", "E\nT\nI\n"));
        c.act(rig);
        EXPECT_EQ(loggedLines(rig), c.logged) << c.what;
        EXPECT_EQ(int(rig.tape().voices().size()), c.voices) << c.what;
        EXPECT_EQ(rig->RUNFlag, 0) << c.what;
        EXPECT_FALSE(rig->FileModeTimer->enabled()) << c.what;
        if (c.playMode == 1) {
            EXPECT_EQ(rig->FileStrCount, 0) << c.what;
        }
    }
}

TEST(TextFile, RandomPicksThenReplaysAndNextPicksAgain) {
    FormRig rig(textFileSettings(2));
    load(rig, writeFile(rig, "ten.txt", numberedLines(10)));
    EXPECT_TRUE(rig->LeftBtn->isHidden());
    EXPECT_FALSE(rig->RightBtn->isHidden());
    std::set<int> picked;
    for (int round = 0; round < 20; ++round) {
        rig->RightBtn->click();
        const int line = rig->FileStrCount;
        EXPECT_EQ(rig->QuestionString, rig->FileStrList.at(line));
        EXPECT_EQ(rig->LinesLabel->text(), QStringLiteral("Line : %1 of 10").arg(line + 1));
        picked.insert(line);
        rig.loop().runFor(20'000);
        rig->PlayBtn->click();
        rig.loop().runFor(20'000);
        EXPECT_EQ(rig->FileStrCount, line) << "PLAY replays the line picked last";
    }
    EXPECT_GT(picked.size(), 3u);
    const QStringList log = loggedLines(rig);
    ASSERT_EQ(log.size(), 40);
    for (int i = 0; i < 40; i += 2)
        EXPECT_EQ(log[i], log[i + 1]);
}

TEST(TextFile, FirstPlayInRandomModePicksALine) {
    FormRig rig(textFileSettings(2));
    load(rig, writeFile(rig, "ten.txt", numberedLines(10)));
    rig->PlayBtn->click();
    EXPECT_EQ(rig->RUNFlag, -1);
    EXPECT_EQ(rig->QuestionString, rig->FileStrList.at(rig->FileStrCount));
}

TEST(TextFile, PlayModeButtonsAndBackNextBelongOnlyToTheTextFileSource) {
    struct Case {
        int source, playMode;
        bool back, next, newShown;
    };
    const std::vector<Case> cases = {{1, 0, true, true, false},
                                     {1, 1, false, false, false},
                                     {1, 2, false, true, false},
                                     {0, 0, false, false, true},
                                     {2, 2, false, false, false}};
    for (const Case& c : cases) {
        FormRig rig(QStringLiteral("[TessalSystem]\nQTypeMode=%1\nFilePlayMode=%2\n")
                        .arg(c.source)
                        .arg(c.playMode));
        const std::string where = std::to_string(c.source) + "/" + std::to_string(c.playMode);
        EXPECT_EQ(!rig->LeftBtn->isHidden(), c.back) << where;
        EXPECT_EQ(!rig->RightBtn->isHidden(), c.next) << where;
        EXPECT_EQ(!rig->NEWBtn->isHidden(), c.newShown) << where;
        EXPECT_EQ(rig->FilePlayModeBtns[std::size_t(c.playMode)]->mark(), QColor(0, 0xFF, 0xFF))
            << where;
        EXPECT_FALSE(rig->PauseBtn->isHidden()) << where;
    }
}

TEST(TextFile, LineButtonShowsAndHidesTheCurrentLine) {
    FormRig rig(textFileSettings(0));
    EXPECT_TRUE(rig->LineStringLabel->isHidden());
    rig->ShowBtn->click();
    EXPECT_FALSE(rig->LineStringLabel->isHidden());
    EXPECT_EQ(rig->ShowBtn->mark(), kYellow);
    rig->ShowBtn->click();
    EXPECT_TRUE(rig->LineStringLabel->isHidden());
    EXPECT_EQ(rig->ShowBtn->mark(), kBlue);
}

TEST(TextFile, ShippedPracticeFilesPlayWithoutUnknownCharacters) {
    FormRig rig;
    const QDir practice(QStringLiteral(TESSAL_SOURCE_DIR "/Practice"));
    const QStringList files = practice.entryList({QStringLiteral("*.txt")}, QDir::Files);
    ASSERT_GE(files.size(), 4);
    for (const QString& name : files) {
        rig.sim.dialogs().queueOpenAnswer(practice.filePath(name));
        rig->FileLoadBtnClick();
        ASSERT_GT(rig->FileStrLineCount, 0) << name.toStdString();
        for (const QString& line : rig->FileStrList) {
            rig->PlayText(line);
            // Only the blanks become pauses: every character and group has its code.
            EXPECT_EQ(rig->MorseStrList.count(QStringLiteral(" ")), line.count(u' '))
                << name.toStdString() << ": " << line.toStdString();
            rig->MSTimer->setEnabled(false);
        }
    }
}
