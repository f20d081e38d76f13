#include "app/frame_widgets.h"
#include "app/tessal_form.h"
#include "widgets/gd_button.h"

#include <QLabel>
#include <span>

namespace tessal {

namespace {

using Step = void (TTessalForm::*)();

struct Phase {
    Step step;
    bool thenSend;
};

// The step each level runs at each phase; a phase past the end runs nothing.
constexpr Phase kLevel1[] = {{&TTessalForm::CallCaseCQ, true},
                             {&TTessalForm::CallCaseCallSign, true},
                             {&TTessalForm::CallCaseRSFinal, true},
                             {&TTessalForm::FinishQSO, false}};
constexpr Phase kLevel2[] = {{&TTessalForm::CallCaseCQ, true},
                             {&TTessalForm::CallCaseCallSign, true},
                             {&TTessalForm::CallCaseRSToQTH, true},
                             {&TTessalForm::CallCaseQTHFinal, true},
                             {&TTessalForm::FinishQSO, false}};
constexpr Phase kLevel3[] = {
    {&TTessalForm::CallCaseCQ, true},        {&TTessalForm::CallCaseCallSign, true},
    {&TTessalForm::CallCaseRSToQTH, true},   {&TTessalForm::CallCaseQTHToName, true},
    {&TTessalForm::CallCaseNameFinal, true}, {&TTessalForm::FinishQSO, false}};
constexpr Phase kLevel4[] = {{&TTessalForm::CQCaseStart, false},
                             {&TTessalForm::CQCaseCallSign, true},
                             {&TTessalForm::CQCaseRSFinal, true},
                             {&TTessalForm::FinishQSO, false}};
constexpr Phase kLevel5[] = {{&TTessalForm::CQCaseStart, false},
                             {&TTessalForm::CQCaseCallSign, true},
                             {&TTessalForm::CQCaseRSToQTH, true},
                             {&TTessalForm::CQCaseQTHFinal, true},
                             {&TTessalForm::FinishQSO, false}};
constexpr Phase kLevel6[] = {
    {&TTessalForm::CQCaseStart, false},    {&TTessalForm::CQCaseCallSign, true},
    {&TTessalForm::CQCaseRSToQTH, true},   {&TTessalForm::CQCaseQTHToName, true},
    {&TTessalForm::CQCaseNameFinal, true}, {&TTessalForm::FinishQSO, false}};

void runPhase(TTessalForm& form, std::span<const Phase> phases) {
    const int phase = form.QSOTrainingPhase;
    if (phase < 0 || phase >= int(phases.size()))
        return;
    const Phase& entry = phases[std::size_t(phase)];
    (form.*entry.step)();
    if (entry.thenSend)
        form.SendHostMessage();
}

// Parses the reply into `field`; on success logs what the host copied. An empty result is a
// success: the marker was there.
bool hostCopied(TTessalForm& form, QString (*parse)(const QString&), QString& field,
                const QString& failure, const QString& copiedText) {
    field = parse(form.QSORecString);
    if (field == failure)
        return false;
    form.AddREdit3Line(copiedText + field, kLime);
    return true;
}

void hostAsksAgain(TTessalForm& form, const QString& notCopiedText, const QString& request) {
    form.AddREdit3Line(notCopiedText, kLime);
    form.QSOSendString = request;
}

struct NextExchange {
    QString hostSends;
    QString example;
    QString assistant;
};

void advance(TTessalForm& form, const NextExchange& next) {
    form.QSOSendString = next.hostSends;
    form.QSOHelpLabel->setText(next.example);
    form.QSOAssistLabel->setText(next.assistant);
    ++form.QSOTrainingPhase;
}

const QString kCallSignCopied = QStringLiteral("HOST CallSign Get...");
const QString kCallSignNotCopied = QStringLiteral("HOST CallSign NG...");
const QString kReportCopied = QStringLiteral("HOST RS Get...");
const QString kReportNotCopied = QStringLiteral("HOST RS NG...");
const QString kQthCopied = QStringLiteral("HOST QTH Get...");
const QString kQthNotCopied = QStringLiteral("HOST QTH NG...");
const QString kNameCopied = QStringLiteral("HOST QRA Get...");
const QString kNameNotCopied = QStringLiteral("HOST QRA NG...");
const QString kFinalCall = QStringLiteral("HOST Request Final Call.");
const QString kFinalGreeting = QStringLiteral("Final QSO Greeting");

} // namespace

void TTessalForm::RunQSOLevel1() {
    runPhase(*this, kLevel1);
}
void TTessalForm::RunQSOLevel2() {
    runPhase(*this, kLevel2);
}
void TTessalForm::RunQSOLevel3() {
    runPhase(*this, kLevel3);
}
void TTessalForm::RunQSOLevel4() {
    runPhase(*this, kLevel4);
}
void TTessalForm::RunQSOLevel5() {
    runPhase(*this, kLevel5);
}
void TTessalForm::RunQSOLevel6() {
    runPhase(*this, kLevel6);
}

void TTessalForm::RunQSOLevel() {
    static constexpr Step kLevels[] = {&TTessalForm::RunQSOLevel1, &TTessalForm::RunQSOLevel2,
                                       &TTessalForm::RunQSOLevel3, &TTessalForm::RunQSOLevel4,
                                       &TTessalForm::RunQSOLevel5, &TTessalForm::RunQSOLevel6};
    if (QSOlevel >= 1 && QSOlevel <= int(std::size(kLevels)))
        (this->*kLevels[QSOlevel - 1])();
}

void TTessalForm::CallCaseCQ() {
    ClearQSOData();
    QSOCallSign1 = QSOData.MakeCallSign(kJapaneseCallSign);
    QSOHOSTCallSignLabel->setText(QSOCallSign1);
    QSOSendString = QStringLiteral("CQ CQ DE ") + QSOCallSign1 + QStringLiteral(" PSE K");
    QSOHelpLabel->setText(QStringLiteral("DE xxxxxx"));
    QSOAssistLabel->setText(QStringLiteral("HOST Request your Callsign."));
    QSOTrainingPhase = 1;
}

void TTessalForm::CQCaseStart() {
    ClearQSOData();
    QSOCallSign1 = QSOData.MakeCallSign(kJapaneseCallSign);
    QSOHOSTCallSignLabel->setText(QSOCallSign1);
    QSOHelpLabel->setText(QStringLiteral("CQ CQ DE xxxxxx PSE K"));
    QSOAssistLabel->setText(QStringLiteral("Sending CQ and Call Sign"));
    AddREdit3Line(QStringLiteral("Send CQ and Call Sign..."), kWhite);
    QSOKeyInReady = -1;
    QSOTrainingPhase = 1;
}

void TTessalForm::CallCaseCallSign() {
    if (!hostCopied(*this, ParseCallSign, QSOCAllSign2, kUnknownItem, kCallSignCopied)) {
        hostAsksAgain(*this, kCallSignNotCopied, QStringLiteral("QRZ QRZ"));
        return;
    }
    const QString g = MakeGreeting(platform_.loop().localNow().time());
    advance(*this, {QSOCAllSign2 + u' ' + g + QStringLiteral(" UR 5NN BK"),
                    QStringLiteral("BK ") + g + QStringLiteral(" UR 599 BK"),
                    QStringLiteral("HOST Request your RS Report.")});
}

void TTessalForm::CallCaseRSFinal() {
    if (!hostCopied(*this, ParseRSReport, QSORS2, kUnknownReport, kReportCopied)) {
        hostAsksAgain(*this, kReportNotCopied, QStringLiteral("AGN PSE RS?"));
        return;
    }
    advance(*this, {QStringLiteral("QSL ") + QSOCAllSign2 + QStringLiteral(" 73 K"),
                    QStringLiteral("73 TU E E"), kFinalCall});
}

void TTessalForm::CallCaseRSToQTH() {
    if (!hostCopied(*this, ParseRSReport, QSORS2, kUnknownReport, kReportCopied)) {
        hostAsksAgain(*this, kReportNotCopied, QStringLiteral("AGN PSE RS?"));
        return;
    }
    const QString g = MakeGreeting(platform_.loop().localNow().time());
    advance(*this, {QSOCAllSign2 + QStringLiteral(" UR QTH?"),
                    QStringLiteral("BK ") + g + QStringLiteral(" HR JCCxxxxxx"),
                    QStringLiteral("HOST Request your QTH(JCC No)")});
}

void TTessalForm::CallCaseQTHFinal() {
    if (!hostCopied(*this, ParseQTH, QSOQTH2, kUnknownItem, kQthCopied)) {
        hostAsksAgain(*this, kQthNotCopied, QStringLiteral("AGN PSE QTH?"));
        return;
    }
    advance(*this, {QStringLiteral("QSL ") + QSOCAllSign2 + QStringLiteral(" 73 K"),
                    QStringLiteral("73 TU E E"), kFinalCall});
}

void TTessalForm::CallCaseQTHToName() {
    if (!hostCopied(*this, ParseQTH, QSOQTH2, kUnknownItem, kQthCopied)) {
        hostAsksAgain(*this, kQthNotCopied, QStringLiteral("AGN PSE QTH?"));
        return;
    }
    // The host's own name is drawn afresh each time and not kept.
    advance(*this,
            {QSOCAllSign2 + QStringLiteral(" HR QRA ") + QSOData.MakeOperatorName() +
                 QStringLiteral(" UR QRA?"),
             QStringLiteral("BK HR QRA xxxxxxxx"), QStringLiteral("HOST Request your QRA(NAME)")});
}

void TTessalForm::CallCaseNameFinal() {
    if (!hostCopied(*this, ParseName, QSONAME2, kUnknownItem, kNameCopied)) {
        hostAsksAgain(*this, kNameNotCopied, QStringLiteral("AGN PSE QRA?"));
        return;
    }
    advance(*this, {QStringLiteral("QSL ") + QSONAME2 + QStringLiteral(" SAN K"),
                    QStringLiteral("73 TU E E"), kFinalCall});
}

void TTessalForm::CQCaseCallSign() {
    if (!hostCopied(*this, ParseCallSign, QSOCAllSign2, kUnknownItem,
                    QStringLiteral("HOST CallSign Geted..."))) {
        hostAsksAgain(*this, kCallSignNotCopied,
                      QStringLiteral("DE ") + QSOCallSign1 + QStringLiteral(" AGN PSE K"));
        return;
    }
    const QString g = MakeGreeting(platform_.loop().localNow().time());
    advance(*this, {QSOCAllSign2 + QStringLiteral(" DE ") + QSOCallSign1 + QStringLiteral(" K"),
                    QStringLiteral("BK ") + QSOCallSign1 + u' ' + g + QStringLiteral(" UR 599 BK"),
                    QStringLiteral("Send RS Report")});
}

void TTessalForm::CQCaseRSFinal() {
    if (!hostCopied(*this, ParseRSReport, QSORS2, kUnknownReport, kReportCopied)) {
        hostAsksAgain(*this, kReportNotCopied,
                      QStringLiteral("DE ") + QSOCallSign1 + QStringLiteral(" RS? PSE K"));
        return;
    }
    const QString g = MakeGreeting(platform_.loop().localNow().time());
    advance(*this,
            {QSOCAllSign2 + u' ' + g + QStringLiteral(" UR 5NN K"),
             QStringLiteral("QSL ") + QSOCallSign1 + QStringLiteral(" 73 TU E E"), kFinalGreeting});
}

void TTessalForm::CQCaseRSToQTH() {
    if (!hostCopied(*this, ParseRSReport, QSORS2, kUnknownReport, kReportCopied)) {
        hostAsksAgain(*this, kReportNotCopied, QSOCallSign1 + QStringLiteral(" RS? PSE K"));
        return;
    }
    advance(*this, {QSOCAllSign2 + QStringLiteral(" UR QTH? K"),
                    QStringLiteral("QSL ") + QSOCallSign1 + QStringLiteral(" HR QTH JCCxxxxxx"),
                    QStringLiteral("Send My QTH and QTH Request")});
}

void TTessalForm::CQCaseQTHFinal() {
    if (!hostCopied(*this, ParseQTH, QSOQTH2, kUnknownItem, kQthCopied)) {
        hostAsksAgain(*this, kQthNotCopied,
                      QStringLiteral("DE ") + QSOCallSign1 + QStringLiteral(" QTH? PSE K"));
        return;
    }
    advance(*this,
            {QStringLiteral("QSL ") + QSOCAllSign2 + QStringLiteral(" UR QTH ") + QSOQTH2 +
                 QStringLiteral(" K"),
             QStringLiteral("QSL ") + QSOCallSign1 + QStringLiteral(" 73 TU E E"), kFinalGreeting});
}

void TTessalForm::CQCaseQTHToName() {
    if (!hostCopied(*this, ParseQTH, QSOQTH2, kUnknownItem, kQthCopied)) {
        hostAsksAgain(*this, kQthNotCopied, QSOCallSign1 + QStringLiteral(" QTH? PSE K"));
        return;
    }
    advance(*this, {QStringLiteral("QSL ") + QSOCAllSign2 + QStringLiteral(" UR QRA? K"),
                    QStringLiteral("QSL ") + QSOCallSign1 + QStringLiteral(" HR QRA xxxxxxx UR?"),
                    QStringLiteral("Send My QRA and QRA Request")});
}

void TTessalForm::CQCaseNameFinal() {
    if (!hostCopied(*this, ParseName, QSONAME2, kUnknownItem, kNameCopied)) {
        hostAsksAgain(*this, kNameNotCopied,
                      QStringLiteral("DE ") + QSOCallSign1 + QStringLiteral(" QRA? PSE K"));
        return;
    }
    advance(*this, {QStringLiteral("QSL ") + QSOCAllSign2 + u' ' + QSONAME2 +
                        QStringLiteral(" SAN TU BY BY K"),
                    QStringLiteral("QSL ") + QSOCallSign1 + QStringLiteral(" 73 BY BY TU K"),
                    kFinalGreeting});
}

void TTessalForm::SendHostMessage() {
    ShowHostReceived();
    PlayText(QSOSendString);
    QSOHostSendFlag = -1;
    QSOKeyInReady = 0;
    QSORecString.clear();
    if (QSOHelpFlag != 0)
        AddREdit3Line(QStringLiteral("Send : ") + QSOSendString, kLime);
}

void TTessalForm::ShowHostReceived() {
    QSOYouCallSignLabel->setText(QStringLiteral("Call Sign : ") + QSOCAllSign2);
    QSORSLabel->setText(QStringLiteral("RS : ") + QSORS2);
    const bool withQth = QSOlevel != 1 && QSOlevel != 4;
    const bool withName = QSOlevel == 3 || QSOlevel == 6;
    QSOQTHLabel->setVisible(withQth);
    QSONameLabel->setVisible(withName);
    if (withQth)
        QSOQTHLabel->setText(QStringLiteral("QTH : ") + QSOQTH2);
    if (withName)
        QSONameLabel->setText(QStringLiteral("Name : ") + QSONAME2);
    QSORecString.clear();
}

void TTessalForm::FinishQSO() {
    QSOSendString = QStringLiteral("QSL ") + QSOCAllSign2 + QStringLiteral(" BY BY TU E E");
    PlayText(QSOSendString);
    QSOHostSendFlag = -1;
    if (QSOHelpFlag != 0)
        AddREdit3Line(QStringLiteral("Send : ") + QSOSendString, kLime);
    QSOTrainingPhase = 0;
    AddREdit3Line(QStringLiteral("Rubber Stamp.%1 QSO END").arg(QSOlevel), kAqua);
    AddREdit3Line(QStringLiteral("QSO Finished..."), kYellow);
    markButton(QSOStartBtn, kBlue);
    QSOBuzy = 0;
}

} // namespace tessal
