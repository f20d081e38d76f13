#include "keyer/key_rig.h"
#include "keyer/port_combo_box.h"

#include <QStackedWidget>
#include <gtest/gtest.h>

using namespace tessal;
using tessal::testing::KeyRig;

namespace {

const QColor kAqua{0x00, 0xFF, 0xFF};
const QColor kBlue{0x00, 0x00, 0xFF};
const QColor kYellow{0xFF, 0xFF, 0x00};
const QColor kGrey{0x80, 0x80, 0x80};

// A BUG key wired to COM1 at /dev/ttyUSB0; the port is opened at `openMs` and closed with the
// port button at `closeMs`, everything between runs inside the poll loop.
struct SerialRig : KeyRig {
    explicit SerialRig(int keyType = 0, const QString& settings = QString())
        : KeyRig(keyType, settings) {
        sim.serial().addDevice(QStringLiteral("COM1"), QStringLiteral("/dev/ttyUSB0"));
    }
    void lines(int64_t atMs, uint32_t word) {
        sim.serial().setLinesAt(atMs, QStringLiteral("COM1"), word);
    }
    void openFromTo(int64_t openMs, int64_t closeMs) {
        loop().at(openMs, [this] { form->ComOpenBtn->click(); });
        loop().at(closeMs, [this] { form->ComOpenBtn->click(); });
    }
    // Every key edge in order, as "D+", "D-", "L+", "L-" with its time relative to `fromMs`.
    QStringList edges;
    void recordEdges() {
        lastDot_ = form->DotOnFlag;
        lastDash_ = form->DashONFlag;
        probe_ = [this] {
            if (form->DotOnFlag != lastDot_)
                edges.append(
                    QStringLiteral("D%1@%2").arg(form->DotOnFlag ? '+' : '-').arg(nowMs()));
            if (form->DashONFlag != lastDash_)
                edges.append(
                    QStringLiteral("L%1@%2").arg(form->DashONFlag ? '+' : '-').arg(nowMs()));
            lastDot_ = form->DotOnFlag;
            lastDash_ = form->DashONFlag;
        };
    }
    std::function<void()> probe_;
    int lastDot_ = 0, lastDash_ = 0;
};

} // namespace

TEST(SerialInput, OpenPollAndCloseTextsAndMarks) {
    SerialRig rig;
    const int64_t t = rig.nowMs();
    QString statusWhileOpen, labelWhileOpen;
    QColor markWhileOpen, mark2WhileOpen;
    rig.openFromTo(t + 10, t + 500);
    rig.loop().at(t + 200, [&] {
        statusWhileOpen = rig->statusText(1);
        labelWhileOpen = rig->ComStatusLabel->text();
        markWhileOpen = rig->ComOpenBtn->mark();
        mark2WhileOpen = rig->ComOpenBtn2->mark();
        EXPECT_EQ(rig->ComEnable, -1);
    });
    rig.loop().runFor(600);
    EXPECT_EQ(statusWhileOpen, "COM1 Ready");
    EXPECT_EQ(labelWhileOpen, "Open Sucsess");
    EXPECT_EQ(markWhileOpen, kYellow);
    EXPECT_EQ(mark2WhileOpen, kYellow);
    EXPECT_EQ(rig->statusText(1), "COM1 Closed");
    EXPECT_EQ(rig->ComStatusLabel->text(), "Closed CommPort");
    EXPECT_EQ(rig->ComOpenBtn->mark(), kBlue);
    EXPECT_EQ(rig->hComm, kNoSerialPort);
    EXPECT_FALSE(rig.sim.serial().isOpen("COM1"));
    EXPECT_EQ(rig->statusText(0), "");
}

TEST(SerialInput, OpenErrorLeavesThePortClosed) {
    SerialRig rig;
    rig->ComPortNo = 2;
    rig->ComOpenBtn->click();
    EXPECT_EQ(rig->ComStatusLabel->text(), "Open Error");
    EXPECT_EQ(rig->statusText(1), "COM3 Error");
    EXPECT_EQ(rig->ComEnable, 0);
    EXPECT_EQ(rig->ComOpenBtn->mark(), kBlue);
}

TEST(SerialInput, LineChangesBecomeKeyEdgesTable) {
    struct Case {
        const char* name;
        int dotLine, dashLine, dotRev;
        uint32_t atOpen;
        std::vector<std::pair<int64_t, uint32_t>> changes; // relative to the open
        QStringList edges;
    };
    const uint32_t cts = MS_CTS_ON, dsr = MS_DSR_ON, rlsd = MS_RLSD_ON;
    const std::vector<Case> cases = {
        {"all lines off at open: nothing", 0, 1, 0, 0, {}, {}},
        {"dot on CTS", 0, 1, 0, 0, {{100, cts}, {200, 0}}, {"D+@100", "D-@200"}},
        {"a DSR change repeats no dot edge",
         0,
         1,
         0,
         0,
         {{100, cts}, {150, cts | dsr}, {200, 0}},
         {"D+@100", "L+@150", "D-@200", "L-@200"}},
        {"inverted dot is not pressed at open", 0, 1, -1, 0, {{100, rlsd}}, {"D+@100"}},
        {"inverted dot released by its line",
         0,
         1,
         -1,
         0,
         {{100, rlsd}, {150, rlsd | cts}},
         {"D+@100", "D-@150"}},
        {"carrier detect for the dash", 0, 2, 0, 0, {{100, rlsd}, {130, 0}}, {"L+@100", "L-@130"}},
        {"both on one line, the dot first", 1, 1, 0, 0, {{100, dsr}}, {"D+@100", "L+@100"}},
        {"a ring changes nothing", 0, 1, 0, 0, {{100, MS_RING_ON}}, {}},
    };
    for (const Case& c : cases) {
        SerialRig rig(
            0, QStringLiteral("[TessalSystem]\nComDelayTime=0\nDotAssCode=%1\nDashAssCode=%2\n"
                              "DotRev=%3\n")
                   .arg(c.dotLine)
                   .arg(c.dashLine)
                   .arg(c.dotRev ? "1" : "0"));
        rig.sim.serial().setLines("COM1", c.atOpen);
        const int64_t t = rig.nowMs();
        rig.openFromTo(t, t + 400);
        for (const auto& [at, word] : c.changes)
            rig.lines(t + at, word);
        rig.recordEdges();
        rig.sampleEvery(1, 399, rig.probe_);
        rig.loop().runFor(500);
        QStringList expected;
        for (const QString& edge : c.edges)
            expected.append(edge.section('@', 0, 0));
        QStringList seen;
        for (int i = 0; i < rig.edges.size(); ++i) {
            seen.append(rig.edges[i].section('@', 0, 0));
            // Seen within the poll pass after the change.
            if (i < c.edges.size()) {
                const int64_t at = rig.edges[i].section('@', 1).toLongLong() - t;
                const int64_t due = c.edges[i].section('@', 1).toLongLong();
                EXPECT_TRUE(at >= due && at <= due + 3) << c.name << " " << at << " " << due;
            }
        }
        EXPECT_EQ(seen, expected) << c.name;
    }
}

TEST(SerialInput, AntiChatteringWaitsOncePerChangeTable) {
    struct Case {
        int delayIndex;
        int64_t toneOnMs; // after the line change
    };
    for (const Case& c : std::vector<Case>{{0, 0}, {2, 20}, {4, 40}}) {
        SerialRig rig;
        rig->SetUpBtn->click();
        rig->ComDelayBtns[std::size_t(c.delayIndex)]->click();
        rig->KeyerBtn->click();
        const int64_t t = rig.nowMs();
        int reads = 0;
        rig.openFromTo(t, t + 1000);
        rig.lines(t + 100, MS_CTS_ON);
        rig.lines(t + 102, 0); // a bounce inside the wait is not seen
        rig.lines(t + 104, MS_CTS_ON);
        rig.lines(t + 300, 0);
        rig.loop().at(t + 500, [&] { reads = rig.sim.serial().readsSoFar(); });
        rig.loop().runFor(1100);
        const auto spans = rig.heard(t);
        ASSERT_FALSE(spans.empty()) << c.delayIndex;
        EXPECT_NEAR(double(spans[0].first), double(101 + c.toneOnMs), 1.0) << c.delayIndex;
        EXPECT_NEAR(double(spans.back().second), double(301 + c.toneOnMs), 1.0) << c.delayIndex;
        if (c.delayIndex != 0) {
            EXPECT_EQ(spans.size(), 1u) << c.delayIndex;
        }
        EXPECT_GT(reads, 400); // the loop reads on every pass
        EXPECT_EQ(rig->ComDelayValue, c.delayIndex * 10);
    }
}

TEST(SerialInput, EventMaskAndLineIndicatorsOnTheSetupPage) {
    SerialRig rig;
    rig->SetUpBtn->click();
    const int64_t t = rig.nowMs();
    QString before;
    rig.openFromTo(t, t + 400);
    rig.loop().at(t + 50, [&] { before = rig->EventMasklabel->text(); });
    rig.lines(t + 100, MS_DSR_ON | MS_RLSD_ON);
    QColor cts, dsr, rlsd, dash;
    rig.loop().at(t + 200, [&] {
        cts = rig->CTS_Panel->palette().color(QPalette::Window);
        dsr = rig->DSR_Panel->palette().color(QPalette::Window);
        rlsd = rig->RLSD_Panel->palette().color(QPalette::Window);
        dash = rig->DashPanel1->palette().color(QPalette::Window);
    });
    rig.loop().runFor(500);
    EXPECT_EQ(before, "EventMasklabel");
    EXPECT_EQ(rig->EventMasklabel->text(), "Event Mask : 00A0");
    EXPECT_EQ(rig->ComeventLabel->text(), "Port Event Flag");
    EXPECT_EQ(cts, kGrey);
    EXPECT_EQ(dsr, kAqua);
    EXPECT_EQ(rlsd, kAqua);
    EXPECT_EQ(dash, kAqua);
}

TEST(SerialInput, AnotherPortChosenWhilePollingTakesEffectAtTheNextOpen) {
    SerialRig rig;
    const int64_t t = rig.nowMs();
    rig.openFromTo(t, t + 300);
    rig.loop().at(t + 100, [&] { rig->ComPortNoCBox->setCurrentIndex(4); });
    rig.loop().runFor(400);
    EXPECT_EQ(rig->ComNoLabel->text(), "COM:5");
    EXPECT_EQ(rig->statusText(1), "COM1 Closed");
    EXPECT_EQ(rig->ComPortNo, 4);
}

TEST(SerialInput, SecondClickInOnePassClosesOnceMoreHarmlessly) {
    SerialRig rig;
    const int64_t t = rig.nowMs();
    rig.loop().at(t, [&] { rig->ComOpenBtn->click(); });
    rig.loop().at(t + 100, [&] { rig->ComOpenBtn->click(); });
    rig.loop().at(t + 100, [&] { rig->ComOpenBtn2->click(); });
    rig.loop().runFor(200);
    EXPECT_EQ(rig->hComm, kNoSerialPort);
    EXPECT_EQ(rig->ComEnable, 0);
    EXPECT_EQ(rig->statusText(1), "COM1 Closed");
    EXPECT_EQ(rig.sim.serial().opensSoFar(), 1);
}

TEST(SerialInput, UnpluggedAdapterClosesThePortAndReleasesTheKey) {
    SerialRig rig;
    rig->SetUpBtn->click();
    rig->KeyerBtn->click();
    const int64_t t = rig.nowMs();
    rig.loop().at(t, [&] { rig->ComOpenBtn->click(); });
    rig.lines(t + 100, MS_CTS_ON);
    rig.loop().at(t + 200, [&] { rig.sim.serial().unplug("COM1"); });
    // Without the close the poll loop would never return and the stall guard would end the run.
    rig.loop().runFor(300);
    EXPECT_EQ(rig->hComm, kNoSerialPort);
    EXPECT_EQ(rig->ComEnable, 0);
    EXPECT_EQ(rig->statusText(1), "COM1 Closed");
    EXPECT_EQ(rig->statusText(0), "COM1: device removed, port closed");
    EXPECT_EQ(rig->ComStatusLabel->text(), "Closed CommPort");
    EXPECT_EQ(rig->DotOnFlag, 0);
    const auto spans = rig.heard(t);
    ASSERT_EQ(spans.size(), 1u);
    EXPECT_NEAR(double(spans[0].second), 201, 1.0);
    // A passing read failure of a device that is still there keeps the port open.
    rig.sim.serial().addDevice("COM1", "/dev/ttyUSB0");
    rig.sim.serial().setLines("COM1", 0);
    const int64_t u = rig.nowMs();
    rig.openFromTo(u, u + 300);
    rig.loop().at(u + 50, [&] { rig.sim.serial().failReads("COM1", true); });
    rig.loop().at(u + 150, [&] { rig.sim.serial().failReads("COM1", false); });
    rig.lines(u + 200, MS_CTS_ON);
    rig.loop().runFor(250);
    EXPECT_EQ(rig->DotOnFlag, -1);
    rig.loop().runFor(100);
    EXPECT_EQ(rig->statusText(1), "COM1 Closed");
}

TEST(SerialInput, ClosingTheWindowWhilePollingClosesThePortAndSaves) {
    for (int way = 0; way < 2; ++way) {
        SerialRig rig;
        const int64_t t = rig.nowMs();
        rig.loop().at(t, [&] { rig->ComOpenBtn->click(); });
        rig.loop().at(t + 100, [&] {
            if (way == 0) {
                rig->close(); // the window manager
            } else {
                emit rig->CloseBtn->mouseDown(Qt::LeftButton, {}, {});
                emit rig->CloseBtn->mouseUp(Qt::LeftButton, {}, {});
            }
        });
        rig.loop().runFor(200);
        EXPECT_EQ(rig->hComm, kNoSerialPort) << way;
        EXPECT_FALSE(rig.sim.serial().isOpen("COM1"));
        rig.form.reset();
        EXPECT_TRUE(QFile::exists(rig.iniPath())) << way;
    }
}

TEST(SerialInput, PortListShowsTheDeviceOfEachNumberAfresh) {
    SerialRig rig;
    rig->SetUpBtn->click();
    rig->ComPortNoCBox->setCurrentIndex(1);
    EXPECT_EQ(rig->ComDeviceLabel->text(), "no device");
    rig.sim.serial().addDevice("COM2", "/dev/ttyACM0");
    rig->ComPortNoCBox->showPopup();
    rig->ComPortNoCBox->hidePopup();
    EXPECT_EQ(rig->ComDeviceLabel->text(), "/dev/ttyACM0");
    EXPECT_EQ(rig->ComPortNoCBox->itemData(0, Qt::ToolTipRole).toString(), "/dev/ttyUSB0");
    EXPECT_EQ(rig->ComPortNoCBox->itemData(1, Qt::ToolTipRole).toString(), "/dev/ttyACM0");
    EXPECT_EQ(rig->ComPortNoCBox->count(), 16);
    EXPECT_EQ(rig->ComPortNoCBox->itemText(15), "Com16");
}

TEST(SerialInput, SerialSettingsReachTheirButtons) {
    tessal::testing::FormRig rig(
        QStringLiteral("[TessalSystem]\nDotAssCode=2\nDashAssCode=7\nDashRev=1\n"
                       "ComDelayTime=4\nComPortNo=2\n"));
    const std::vector<TgdButton*> dots = rig->DotAssBtns, dashes = rig->DashAssBtns;
    EXPECT_EQ(dots[0]->mark(), kBlue);
    EXPECT_EQ(dots[2]->mark(), kAqua);
    for (TgdButton* dash : dashes)
        EXPECT_EQ(dash->mark(), kBlue);
    EXPECT_EQ(rig->DotRevBtn->mark(), kBlue);
    EXPECT_EQ(rig->DashRevBtn->mark(), kYellow);
    EXPECT_EQ(rig->ComDelayBtns[4]->mark(), kAqua);
    EXPECT_EQ(rig->ComDelayValue, 40);
    EXPECT_EQ(rig->ComPortNoCBox->currentText(), "Com3");
    EXPECT_EQ(rig->ComNoLabel->text(), "COM:3");
    EXPECT_EQ(rig->DotAssBtns[2]->objectName(), "DotRLSDBtn");
}

TEST(SerialInput, AStoredPortNumberOutsideTheListMeansNoPortChosen) {
    struct Case {
        const char* stored;
        int comPortNo;
        const char* label;
        const char* openStatus;
    };
    const Case cases[] = {
        {"15", 15, "COM:16", "COM16 Error"},       {"16", -1, "COM:0", "COM0 Error"},
        {"-1", -1, "COM:0", "COM0 Error"},         {"-2", -1, "COM:0", "COM0 Error"},
        {"2147483647", -1, "COM:0", "COM0 Error"}, {"-2147483648", -1, "COM:0", "COM0 Error"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.stored);
        tessal::testing::FormRig rig(
            QStringLiteral("[TessalSystem]\nComPortNo=%1\n").arg(QLatin1String(c.stored)));
        EXPECT_EQ(rig->ComPortNo, c.comPortNo);
        EXPECT_EQ(rig->ComPortNoCBox->currentIndex(), c.comPortNo);
        EXPECT_EQ(rig->ComNoLabel->text(), c.label);
        rig->ComOpenBtn->click();
        EXPECT_EQ(rig->ComStatusLabel->text(), "Open Error");
        EXPECT_EQ(rig->statusText(1), c.openStatus);
    }
}
