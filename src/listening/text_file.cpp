#include "app/frame_widgets.h"
#include "app/install_layout.h"
#include "app/tessal_form.h"
#include "listening/basic_course_generator.h"
#include "listening/line_progress.h"
#include "morse/text_decoder.h"
#include "widgets/button_factory.h"
#include "widgets/gd_button.h"

#include <QDir>
#include <QFileInfo>
#include <QLabel>

namespace tessal {
namespace {

constexpr int kStandard = 0;
constexpr int kThrough = 1;
constexpr int kRandom = 2;
constexpr int kTextFileSource = 1;

} // namespace

QString TTessalForm::practiceFolder() const {
    return findPracticeFolder(CurrentDir, platform_.executablePath());
}

void TTessalForm::FileLoadBtnClick() {
    if (RUNFlag != 0)
        return;
    const QString folder = FDefaultFolder.isEmpty() ? practiceFolder() : FDefaultFolder;
    OpenDialogFolder = folder;
    const QString path = platform_.dialogs().openFileName(folder, QString());
    // A cancelled dialog keeps what was loaded: lines, counter and labels still agree.
    if (path.isEmpty())
        return;
    OpenDialogFileName = path;
    QString text;
    if (!readTextFile(path, &text)) {
        setStatusText(0, QStringLiteral("Open Error"));
        platform_.dialogs().showMessage(QStringLiteral("Open Error\r\n\"%1\" cannot be read.")
                                            .arg(QDir::toNativeSeparators(path)));
        return;
    }
    FileStrList = splitLines(text);
    const QFileInfo info(path);
    FileNameLabel->setText(info.fileName());
    FDefaultFolder = info.absolutePath() + u'/';
    FileStrLineCount = int(FileStrList.size());
    FileStrCount = 0;
    // Random mode picks afresh from the new file.
    QuestionString.clear();
    if (FileStrLineCount == 0) {
        setStatusText(0, QStringLiteral("Empty File: Nothing to Play"));
        FileLoadBtn->setMark(kBlue);
    } else {
        setStatusText(0, QStringLiteral("Loading File Complete"));
        FileLoadBtn->setMark(kYellow);
    }
    FileLineStatus();
}

void TTessalForm::FilePlayModeSelectBtnClick(TgdButton* sender) {
    FilePlayMode = sender->Tag();
    // A new play mode starts from nothing played, so Random picks a line at its first PLAY.
    if (RUNFlag == 0 && QTypeMode == kTextFileSource)
        QuestionString.clear();
    FilePlayModeApply();
}

void TTessalForm::FilePlayModeApply() {
    markSelection(FilePlayModeBtns, FilePlayMode);
    // Back, Next and NEW belong to their own sources' play panel; the settings loader runs this
    // whatever source is shown.
    if (QTypeMode != kTextFileSource)
        return;
    NEWBtn->hide();
    switch (FilePlayMode) {
    case kStandard:
        LeftBtn->show();
        RightBtn->show();
        break;
    case kThrough:
        LeftBtn->hide();
        RightBtn->hide();
        break;
    case kRandom:
        LeftBtn->hide();
        RightBtn->show();
        break;
    default:
        break;
    }
}

void TTessalForm::TextFilePlay() {
    if (FileStrLineCount == 0 || FileStrList.isEmpty())
        return;
    if (MorsePauseFlag != 0) {
        // PLAY resumes what PAUSE held: the paused line, or the wait before the next line.
        RUNFlag = -1;
        PlayBtn->setMark(kLime);
        PauseBtn->setMark(kBlue);
        if (FileChainPending != 0) {
            MorsePauseFlag = 0;
            FileModeTimer->setEnabled(true);
        } else {
            PlayText(QString());
        }
        return;
    }
    // A line or a run already playing is left alone.
    if (RUNFlag != 0)
        return;
    switch (FilePlayMode) {
    case kStandard:
        FileLinePlay();
        return;
    case kThrough:
        RUNFlag = -1;
        PlayBtn->setMark(kLime);
        PauseBtn->setMark(kBlue);
        FileStrCount = 0;
        FileRunStopped = 0;
        FileChainPending = -1;
        FileModeTimer->setEnabled(true);
        return;
    case kRandom:
        if (QuestionString.isEmpty())
            FileRandomLine();
        else
            FileLinePlay();
        return;
    default:
        // No play mode chosen (a damaged settings file): nothing starts, nothing stays flagged.
        return;
    }
}

void TTessalForm::FileLinePlay() {
    if (FileStrCount < 0 || FileStrCount >= FileStrList.size())
        return;
    // Every line the user hears counts as a running exercise, so PAUSE and STOP act on it and
    // the controls that must wait do wait.
    RUNFlag = -1;
    PlayBtn->setMark(kLime);
    PauseBtn->setMark(kBlue);
    QuestionString = FileStrList.at(FileStrCount);
    PlayText(QuestionString);
}

void TTessalForm::FileLineStatus() {
    const bool empty = FileStrLineCount <= 0 || FileStrList.isEmpty();
    const int shown = empty ? 0 : FileStrCount + 1;
    LinesLabel->setText(QStringLiteral("Line : %1 of %2").arg(shown).arg(FileStrLineCount));
    LineStringLabel->setText(empty ? QString() : FileStrList.value(FileStrCount));
    PBarSetPosition(empty ? 0 : linePercent(FileStrCount, FileStrLineCount));
}

void TTessalForm::FileRandomLine() {
    if (FileStrLineCount <= 0)
        return;
    std::mt19937 generator = freshlySeededGenerator();
    FileStrCount = std::uniform_int_distribution<int>(0, FileStrLineCount - 1)(generator);
    FileLineStatus();
    FileLinePlay();
}

void TTessalForm::FileModeTimerTimer() {
    FileModeTimer->setEnabled(false);
    // PAUSE between two lines holds the run here; PLAY goes on with the next line.
    if (MorsePauseFlag != 0)
        return;
    FileChainPending = 0;
    if (FileStrCount < FileStrLineCount) {
        FileLineStatus();
        FileLinePlay();
        return;
    }
    PlayButtonsReset();
    FileStrCount = 0;
}

void TTessalForm::FileLineEnd() {
    const QString played = QuestionString;
    if (FilePlayMode == kThrough && FileRunStopped == 0) {
        ++FileStrCount;
        FileChainPending = -1;
        FileModeTimer->setEnabled(true);
        // The run goes on and stays flagged, so PAUSE and STOP act on its next line too.
        RUNFlag = -1;
    } else {
        if (FilePlayMode == kThrough)
            FileStrCount = 0;
        FileRunStopped = 0;
        PlayButtonsReset();
    }
    AddREdit1Line(played, kWhite);
}

void TTessalForm::LeftBtnClick() {
    if (RUNFlag != 0 || QTypeMode != kTextFileSource || FileStrLineCount == 0)
        return;
    FileStrCount = std::max(FileStrCount - 1, 0);
    FileLineStatus();
    FileLinePlay();
}

void TTessalForm::RightBtnClick() {
    if (RUNFlag != 0 || QTypeMode != kTextFileSource || FileStrLineCount == 0)
        return;
    if (FilePlayMode == kRandom) {
        FileRandomLine();
        return;
    }
    FileStrCount = std::min(FileStrCount + 1, FileStrLineCount - 1);
    FileLineStatus();
    FileLinePlay();
}

void TTessalForm::ShowBtnClick() {
    LineStringLabel->setVisible(LineStringLabel->isHidden());
    ShowBtn->setMark(LineStringLabel->isHidden() ? kBlue : kYellow);
}

void TTessalForm::PBarCreate() {
    if (PBar != 0)
        return;
    // 380 pixels over 50 segments, rounded: 8 pixels apart, 7 wide.
    constexpr int kWidth = 8;
    for (int i = 0; i < kPBarSegments; ++i) {
        const QByteArray name = "PBarPanel" + QByteArray::number(i);
        QWidget* segment = makePanel(
            TextFilePanel, {name.constData(), {110 + kWidth * i, 16, kWidth - 1, 25}, kBlue});
        segment->hide();
        PBarPanels[std::size_t(i)] = segment;
    }
    PBarPos = 0;
    PBar = -1;
}

void TTessalForm::PBarSetPosition(int percent) {
    PBarCreate();
    if (percent == PBarPos)
        return;
    const int shown = segmentsForPercent(percent);
    const int before = segmentsForPercent(PBarPos);
    for (int i = std::min(shown, before); i < std::max(shown, before); ++i)
        PBarPanels[std::size_t(i)]->setVisible(before < shown);
    PBarPos = percent;
}

} // namespace tessal
