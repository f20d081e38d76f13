#include "app/frame_widgets.h"
#include "app/tessal_form.h"
#include "listening/report_file.h"
#include "listening/report_pane.h"
#include "widgets/button_factory.h"

#include <QFileInfo>

namespace tessal {

namespace {

const QString kClearHint = QStringLiteral("レポート部の消去");
const QString kSaveHint = QStringLiteral("レポート部のファイル保存");

RtfFont paneFont(const ReportPane& pane) {
    return {pane.font().family(), ReportPane::kFontPixelSize, true};
}

} // namespace

void TTessalForm::buildReportPanes() {
    REdit1 = new ReportPane("REdit1", MemoPanel);
    REdit1->setGeometry(90, 95, 510, 145);
    makeLabel(REdit1OperationPanel, {"ReportTitleLabel",
                                     QStringLiteral("Report"),
                                     {0, 8, 90, 20},
                                     kYellow,
                                     13,
                                     QString(),
                                     Qt::AlignCenter});
    ClearBtn = makeButton(REdit1OperationPanel,
                          {"ClearBtn", QStringLiteral("Clear"), 0, {8, 40, 74, 26}, kClearHint});
    onSignal(ClearBtn, &TgdButton::clicked, [this] { ClearBtnClick(); });
    SaveBtn = makeButton(REdit1OperationPanel,
                         {"SaveBtn", QStringLiteral("Save"), 0, {8, 76, 74, 26}, kSaveHint});
    onSignal(SaveBtn, &TgdButton::clicked, [this] { FileSaveBtnClick(); });

    REdit2 = new ReportPane("REdit2", TabSheet2);
    REdit2->setGeometry(0, 414, kClientWidth, 171);
    makeLabel(Panel47,
              {"KeyerReportLabel", QStringLiteral("Keyed Lines"), {14, 4, 300, 26}, kWhite, 13});
    gdButton5 = makeButton(Panel47,
                           {"gdButton5", QStringLiteral("Clear"), 0, {624, 4, 80, 26}, kClearHint});
    onSignal(gdButton5, &TgdButton::clicked, [this] { REDit2ClsBtnClick(); });
    gdButton8 =
        makeButton(Panel47, {"gdButton8", QStringLiteral("Save"), 0, {714, 4, 80, 26}, kSaveHint});
    onSignal(gdButton8, &TgdButton::clicked, [this] { KeyerSaveBtnClick(); });

    REdit3 = new ReportPane("REdit3", TabSheet3);
    REdit3->setGeometry(0, 400, kClientWidth, 185);
    makeLabel(Panel48, {"Label59",
                        QStringLiteral("Communication Information"),
                        {14, 4, 300, 26},
                        kWhite,
                        13,
                        QStringLiteral("交信内奥表示部")});
    gdButton1 = makeButton(Panel48, {"gdButton1",
                                     QStringLiteral("Clear"),
                                     0,
                                     {624, 4, 80, 26},
                                     QStringLiteral("インフォメーション表示部の消去")});
    onSignal(gdButton1, &TgdButton::clicked, [this] { REDit1Clear(); });
    gdButton2 = makeButton(Panel48, {"gdButton2",
                                     QStringLiteral("Save"),
                                     0,
                                     {714, 4, 80, 26},
                                     QStringLiteral("インフォメーション部のファイル書き込み")});
    onSignal(gdButton2, &TgdButton::clicked, [this] { OperationSaveBtnClick(); });
}

void TTessalForm::AddREdit1Line(const QString& text, const QColor& colour) {
    REdit1->appendLine(text, colour);
}

void TTessalForm::AddREdit2Line(const QString& text, const QColor& colour) {
    REdit2->appendLine(text, colour);
}

void TTessalForm::AddREdit3Line(const QString& text, const QColor& colour) {
    REdit3->appendLine(text, colour);
}

void TTessalForm::ClearBtnClick() {
    REdit1->clearLines();
}

void TTessalForm::REDit2ClsBtnClick() {
    REdit2->clearLines();
}

void TTessalForm::REDit1Clear() {
    REdit3->clearLines();
}

void TTessalForm::FileSaveBtnClick() {
    saveReportPane(*REdit1, OpenDialogFolder, reportNameBesidePracticeFile(OpenDialogFileName));
}

void TTessalForm::KeyerSaveBtnClick() {
    saveReportPane(*REdit2, OpenDialogFolder, QString());
}

void TTessalForm::OperationSaveBtnClick() {
    saveReportPane(*REdit3, OpenDialogFolder, QString());
}

void TTessalForm::saveReportPane(const ReportPane& pane, const QString& folder,
                                 const QString& proposedName) {
    const QString path = platform_.dialogs().saveFileName(folder, proposedName, QString());
    if (path.isEmpty())
        return;
    FileName = path;
    const std::vector<ColouredLine> lines = pane.lines();
    const QString failure = writeReportFile(path, lines, paneFont(pane));
    if (!failure.isEmpty()) {
        platform_.dialogs().showMessage(
            QStringLiteral("Cannot save \"%1\": %2").arg(QFileInfo(path).fileName(), failure));
        return;
    }
    setStatusText(0, QStringLiteral("File Saved"));
}

} // namespace tessal
