#include "operation/contact_rig.h"

using namespace tessal;
using namespace tessal::testing;

namespace {

struct Wait {
    QString reply;
    QString example;   // QSOHelpLabel while the wait runs
    QString assistant; // QSOAssistLabel while the wait runs
    QString copied;    // what the host logs it understood; none for the final call
    QString hostSends; // the host's answer ("{host}" for its call sign)
};

struct Script {
    int level;
    std::vector<Wait> waits;
    QStringList received; // the four received-information labels at the end
    bool qthShown;
    bool nameShown;
};

QString withHost(QString text, const QString& host) {
    return text.replace(QStringLiteral("{host}"), host);
}

// The report pane of a contact with HELP on: the opening, then per wait the reply, what the
// host copied and what it sent, then the end.
std::vector<ColouredLine> expectedLog(const Script& script) {
    std::vector<ColouredLine> log{
        {QStringLiteral("QSO Level.%1 Start...").arg(script.level), kYellow}};
    if (script.level <= 3) {
        log.push_back({"Send : CQ CQ DE {host} PSE K", kLime});
        log.push_back({"Start Answering...", kAqua});
    } else {
        log.push_back({"Send CQ and Call Sign...", kWhite});
    }
    for (std::size_t i = 0; i < script.waits.size(); ++i) {
        const Wait& wait = script.waits[i];
        log.push_back({"Key in : " + wait.reply, kWhite});
        if (!wait.copied.isEmpty())
            log.push_back({wait.copied, kLime});
        log.push_back({"Send : " + wait.hostSends, kLime});
        if (i + 1 < script.waits.size())
            log.push_back({"Start Answering...", kAqua});
    }
    log.push_back({QStringLiteral("Rubber Stamp.%1 QSO END").arg(script.level), kAqua});
    log.push_back({"QSO Finished...", kYellow});
    return log;
}

const QString kCq = QStringLiteral("CQ CQ DE QX0ZZZ PSE K");
const Wait kCallCaseCall{"DE QX0ZZZ", "DE xxxxxx", "HOST Request your Callsign.",
                         "HOST CallSign Get...QX0ZZZ", "QX0ZZZ GM UR 5NN BK"};
const Wait kCallCaseClose{"73 TU E E", "73 TU E E", "HOST Request Final Call.", "",
                          "QSL QX0ZZZ BY BY TU E E"};
// Blanks go before the scan, so the P of PSE joins the six-letter call sign.
const Wait kCQCaseCall{kCq, "CQ CQ DE xxxxxx PSE K", "Sending CQ and Call Sign",
                       "HOST CallSign Geted...QX0ZZZP", "QX0ZZZP DE {host} K"};
const QString kCQCaseClose = QStringLiteral("QSL QX0ZZZP BY BY TU E E");

std::vector<Script> scripts() {
    const QString report = QStringLiteral("BK GM UR 599 BK");
    const QString reportAsked = QStringLiteral("HOST Request your RS Report.");
    const QString reportCopied = QStringLiteral("HOST RS Get...599");
    const QString qthCopied = QStringLiteral("HOST QTH Get...JCC100101");
    return {
        {1,
         {kCallCaseCall,
          {report, report, reportAsked, reportCopied, "QSL QX0ZZZ 73 K"},
          kCallCaseClose},
         {"Call Sign : QX0ZZZ", "RS : 599", "QTH :", "Name :"},
         false,
         false},
        {2,
         {kCallCaseCall,
          {report, report, reportAsked, reportCopied, "QX0ZZZ UR QTH?"},
          {"BK GM HR JCC100101", "BK GM HR JCCxxxxxx", "HOST Request your QTH(JCC No)", qthCopied,
           "QSL QX0ZZZ 73 K"},
          kCallCaseClose},
         {"Call Sign : QX0ZZZ", "RS : 599", "QTH : JCC100101", "Name :"},
         true,
         false},
        {3,
         {kCallCaseCall,
          {report, report, reportAsked, reportCopied, "QX0ZZZ UR QTH?"},
          {"BK GM HR JCC100101", "BK GM HR JCCxxxxxx", "HOST Request your QTH(JCC No)", qthCopied,
           "QX0ZZZ HR QRA {op} UR QRA?"},
          {"BK HR QRA SUZUKI", "BK HR QRA xxxxxxxx", "HOST Request your QRA(NAME)",
           "HOST QRA Get...SUZUKI", "QSL SUZUKI SAN K"},
          kCallCaseClose},
         {"Call Sign : QX0ZZZ", "RS : 599", "QTH : JCC100101", "Name : SUZUKI"},
         true,
         true},
        {4,
         {kCQCaseCall,
          {report, "BK {host} GM UR 599 BK", "Send RS Report", reportCopied, "QX0ZZZP GM UR 5NN K"},
          {"QSL 73 TU E E", "QSL {host} 73 TU E E", "Final QSO Greeting", "", kCQCaseClose}},
         {"Call Sign : QX0ZZZP", "RS : 599", "QTH :", "Name :"},
         false,
         false},
        {5,
         {kCQCaseCall,
          {report, "BK {host} GM UR 599 BK", "Send RS Report", reportCopied, "QX0ZZZP UR QTH? K"},
          {"QSL HR QTH JCC100101", "QSL {host} HR QTH JCCxxxxxx", "Send My QTH and QTH Request",
           qthCopied, "QSL QX0ZZZP UR QTH JCC100101 K"},
          {"QSL 73 TU E E", "QSL {host} 73 TU E E", "Final QSO Greeting", "", kCQCaseClose}},
         {"Call Sign : QX0ZZZP", "RS : 599", "QTH : JCC100101", "Name :"},
         true,
         false},
        {6,
         {kCQCaseCall,
          {report, "BK {host} GM UR 599 BK", "Send RS Report", reportCopied, "QX0ZZZP UR QTH? K"},
          {"QSL HR QTH JCC100101 UR QRA?", "QSL {host} HR QTH JCCxxxxxx",
           "Send My QTH and QTH Request", qthCopied, "QSL QX0ZZZP UR QRA? K"},
          {"QSL HR QRA SUZUKI", "QSL {host} HR QRA xxxxxxx UR?", "Send My QRA and QRA Request",
           "HOST QRA Get...SUZUKI", "QSL QX0ZZZP SUZUKI SAN TU BY BY K"},
          {"73 TU E E", "QSL {host} 73 BY BY TU K", "Final QSO Greeting", "", kCQCaseClose}},
         {"Call Sign : QX0ZZZP", "RS : 599", "QTH : JCC100101", "Name : SUZUKI"},
         true,
         true},
    };
}

// START, then each reply typed as soon as its wait begins; in the CQ case the first reply is
// the user's CQ in the opening wait. Returns the example and assistant texts of each wait.
std::vector<std::pair<QString, QString>> playContact(ContactRig& c, const Script& script) {
    std::vector<std::pair<QString, QString>> shown;
    const bool cqCase = script.level >= 4;
    c->QSOStartBtn->click();
    int answering = 0;
    for (std::size_t i = 0; i < script.waits.size(); ++i) {
        if (!(cqCase && i == 0)) {
            EXPECT_TRUE(c.runUntilAnswering(++answering)) << "wait " << i;
        }
        shown.emplace_back(c->QSOHelpLabel->text(), c->QSOAssistLabel->text());
        c.typeReply(script.waits[i].reply);
        EXPECT_TRUE(c.runUntilWaitEnds()) << "wait " << i;
    }
    EXPECT_TRUE(c.runUntilSequencerIdle());
    return shown;
}

} // namespace

TEST(LevelScripts, WholeContactsAtAllSixLevels) {
    for (const Script& script : scripts()) {
        const std::string where = "level " + std::to_string(script.level);
        ContactRig c;
        c->QSORStampBtns[std::size_t(script.level - 1)]->click();
        c->KeyInModeBtn->click();
        c->QSOHelpBtn->click();
        const auto shown = playContact(c, script);
        const QString host = c->QSOHOSTCallSignLabel->text();
        ASSERT_EQ(host.size(), 6) << where;

        std::vector<ColouredLine> expected = expectedLog(script);
        for (ColouredLine& line : expected)
            line.text = withHost(line.text, host);
        expectLog(c.log(), expected, where);

        ASSERT_EQ(shown.size(), script.waits.size()) << where;
        for (std::size_t i = 0; i < shown.size(); ++i) {
            EXPECT_EQ(shown[i].first, withHost(script.waits[i].example, host)) << where << i;
            EXPECT_EQ(shown[i].second, script.waits[i].assistant) << where << i;
        }
        const QStringList received = {c->QSOYouCallSignLabel->text(), c->QSORSLabel->text(),
                                      c->QSOQTHLabel->text(), c->QSONameLabel->text()};
        EXPECT_EQ(received, script.received) << where;
        EXPECT_EQ(c->QSOQTHLabel->isVisibleTo(c.rig.form.get()), script.qthShown) << where;
        EXPECT_EQ(c->QSONameLabel->isVisibleTo(c.rig.form.get()), script.nameShown) << where;

        // What was heard is exactly what the log says the host sent.
        QStringList sent;
        for (const ColouredLine& line : c.log()) {
            if (line.text.startsWith(QStringLiteral("Send : ")))
                sent.append(line.text.mid(7));
        }
        EXPECT_EQ(c.playedCodes(), c.codesOf(sent)) << where;
        EXPECT_EQ(c->QSOBuzy, 0) << where;
        EXPECT_EQ(c->QSOTrainingPhase, 0) << where;
        EXPECT_EQ(c->QSOStartBtn->mark(), kBlue) << where;
    }
}

TEST(LevelScripts, WithoutHelpTheHostsTransmissionsAreOnlyHeard) {
    const Script level1 = scripts().front();
    ContactRig c;
    c->KeyInModeBtn->click();
    playContact(c, level1);
    const QString host = c->QSOHOSTCallSignLabel->text();
    std::vector<ColouredLine> expected;
    for (const ColouredLine& line : expectedLog(level1)) {
        if (!line.text.startsWith(QStringLiteral("Send : ")))
            expected.push_back(line);
    }
    expectLog(c.log(), expected, "help off");
    EXPECT_EQ(c.playedCodes(), c.codesOf({"CQ CQ DE " + host + " PSE K", "QX0ZZZ GM UR 5NN BK",
                                          "QSL QX0ZZZ 73 K", "QSL QX0ZZZ BY BY TU E E"}));
}

TEST(LevelScripts, UnreadableRepliesAreAskedForAgain) {
    struct Case {
        int level;
        QStringList replies; // the first is never understood
        QString notCopied;
        QString request; // "{host}" for the host's call sign
        int phase;       // held while the host asks again
    };
    const Case cases[] = {
        {1, {"QX0ZZZ", "DE QX0ZZZ"}, "HOST CallSign NG...", "QRZ QRZ", 1},
        {1, {"DE QX0ZZZ", "599", "UR 599"}, "HOST RS NG...", "AGN PSE RS?", 2},
        {2, {"DE QX0ZZZ", "UR 599", "HR 1001", "JCC 1001"}, "HOST QTH NG...", "AGN PSE QTH?", 3},
        {3,
         {"DE QX0ZZZ", "UR 599", "JCC 1001", "SUZUKI", "QRA SUZUKI"},
         "HOST QRA NG...",
         "AGN PSE QRA?",
         4},
        {4, {"CQ CQ QX0ZZZ", "DE QX0ZZZ"}, "HOST CallSign NG...", "DE {host} AGN PSE K", 1},
        {4, {"DE QX0ZZZ", "599", "UR 599"}, "HOST RS NG...", "DE {host} RS? PSE K", 2},
        {5, {"DE QX0ZZZ", "599", "UR 599"}, "HOST RS NG...", "{host} RS? PSE K", 2},
        {5,
         {"DE QX0ZZZ", "UR 599", "HR 1001", "JCC 1001"},
         "HOST QTH NG...",
         "DE {host} QTH? PSE K",
         3},
        {6,
         {"DE QX0ZZZ", "UR 599", "HR 1001", "JCC 1001"},
         "HOST QTH NG...",
         "{host} QTH? PSE K",
         3},
        {6,
         {"DE QX0ZZZ", "UR 599", "JCC 1001", "SUZUKI", "QRA SUZUKI"},
         "HOST QRA NG...",
         "DE {host} QRA? PSE K",
         4},
    };
    for (const Case& test : cases) {
        const std::string where =
            "level " + std::to_string(test.level) + " " + test.notCopied.toStdString();
        ContactRig c;
        c->QSORStampBtns[std::size_t(test.level - 1)]->click();
        c->KeyInModeBtn->click();
        c->QSOHelpBtn->click();
        c->QSOStartBtn->click();
        const bool cqCase = test.level >= 4;
        int answering = 0;
        QString exampleBefore;
        for (int i = 0; i < test.replies.size(); ++i) {
            if (!(cqCase && i == 0)) {
                ASSERT_TRUE(c.runUntilAnswering(++answering)) << where;
            }
            if (i == test.replies.size() - 2)
                exampleBefore = c->QSOHelpLabel->text();
            c.typeReply(test.replies[i]);
            ASSERT_TRUE(c.runUntilWaitEnds()) << where;
            if (i == test.replies.size() - 2) {
                const QString host = c->QSOCallSign1;
                const auto lines = c.log();
                ASSERT_GE(lines.size(), 2u) << where;
                EXPECT_EQ(lines[lines.size() - 2].text, test.notCopied) << where;
                EXPECT_EQ(lines.back().text, "Send : " + withHost(test.request, host)) << where;
                EXPECT_EQ(c->QSOTrainingPhase, test.phase) << where;
                // The example stays as it was, and the label shows the failure value.
                EXPECT_EQ(c->QSOHelpLabel->text(), exampleBefore) << where;
            }
        }
        // The repeated question is answered and the contact goes on.
        EXPECT_EQ(c->QSOTrainingPhase, test.phase + 1) << where;
        EXPECT_EQ(c->QSOBuzy, -1) << where;
    }
}

TEST(LevelScripts, FailedItemsShowTheirFailureValueAtTheNextTransmission) {
    ContactRig c;
    c->KeyInModeBtn->click();
    c->QSOStartBtn->click();
    ASSERT_TRUE(c.runUntilAnswering(1));
    c.typeReply("DE QX0ZZZ");
    ASSERT_TRUE(c.runUntilWaitEnds());
    ASSERT_TRUE(c.runUntilAnswering(2));
    c.typeReply("599");
    ASSERT_TRUE(c.runUntilWaitEnds());
    EXPECT_EQ(c->QSORSLabel->text(), "RS : <\?\?\?>");
    ASSERT_TRUE(c.runUntilAnswering(3));
    // A wait without a reply ends all the same and the host asks again.
    ASSERT_TRUE(c.runUntilWaitEnds());
    EXPECT_EQ(c->QSOTrainingPhase, 2);
    // Sent while the host is still asking, the reply waits for the next wait.
    c.typeReply("UR 579");
    ASSERT_TRUE(c.runUntilAnswering(4));
    ASSERT_TRUE(c.runUntilWaitEnds());
    EXPECT_EQ(c->QSORSLabel->text(), "RS : 579");
    // The final call is never judged: an empty one ends the contact too.
    ASSERT_TRUE(c.runUntilAnswering(5));
    ASSERT_TRUE(c.runUntilWaitEnds());
    EXPECT_EQ(c->QSOBuzy, 0);
    EXPECT_EQ(c.log().back().text, "QSO Finished...");
}

TEST(LevelScripts, AMarkerAloneIsUnderstoodAsAnEmptyItem) {
    ContactRig c;
    c->KeyInModeBtn->click();
    c->QSOHelpBtn->click();
    c->QSOStartBtn->click();
    ASSERT_TRUE(c.runUntilAnswering(1));
    c.typeReply("DE");
    ASSERT_TRUE(c.runUntilWaitEnds());
    EXPECT_EQ(c->QSOTrainingPhase, 2);
    EXPECT_EQ(c.log().back().text, "Send :  GM UR 5NN BK");
    EXPECT_EQ(c->QSOYouCallSignLabel->text(), "Call Sign : ");
}
