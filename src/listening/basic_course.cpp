#include "app/frame_widgets.h"
#include "app/tessal_form.h"
#include "listening/basic_course_generator.h"
#include "listening/report_pane.h"
#include "widgets/button_factory.h"
#include "widgets/gd_button.h"

#include <QLabel>

namespace tessal {
namespace {

constexpr int kStopBtnLeft = 530;
constexpr int kNewBtnLeft = 420;
constexpr int kTalkingNewBtnLeft = 500;

} // namespace

bool TTessalForm::MakeQuestionString() {
    // A new question is never on screen before it has been answered.
    RandomStringLabel->hide();
    RandomModeQestionStringBtn->setMark(kBlue);
    const QStringList* pool = questionPool(Dictionaries, RandomBaseMode);
    if (pool == nullptr) {
        platform_.dialogs().showMessage(
            QStringLiteral("No question character type is selected.\r\nChoose \"Alphabet\", "
                           "\"ヒラガナ\", \"Number\", \"Symbol\" or \"<QCODE>\" first."));
        return false;
    }
    if (!canDrawFrom(*pool)) {
        platform_.dialogs().showMessage(
            QStringLiteral("Dictionary File \"%1\" has no characters.\r\nNo question can be made "
                           "of this character type.")
                .arg(questionPoolFileName(RandomBaseMode)));
        return false;
    }
    QuestionString.clear();
    REdit1->clearLines();
    std::mt19937 generator = freshlySeededGenerator();
    if (RandomBaseMode == kGroupClass) {
        QuestionString = drawEntry(*pool, generator);
        RandomStringLabel->setText(QuestionString);
        return true;
    }
    const QString question = drawCharacters(*pool, RandomLength, generator);
    RandomStringLabel->setText(question);
    QuestionString = repeatedQuestion(question, RepeCount);
    return true;
}

void TTessalForm::RandomModePlay() {
    RUNFlag = -1;
    if (QuestionString.isEmpty() && !MakeQuestionString()) {
        PlayButtonsReset();
        return;
    }
    PlayBtn->setMark(kLime);
    PauseBtn->setMark(kBlue);
    // The talking mode shows its own progress instead of an answer stage.
    if (TalkingActive()) {
        TIProgLabel->setText(QStringLiteral("Start.."));
    } else {
        JudgeLabel->clear();
        APanel = APanelBoxes;
        if (RandomBaseMode == kGroupClass) {
            AnsEdit->clear();
        } else {
            AnsEdit2->clear();
            ACount = 1;
        }
    }
    PlayText(QuestionString);
}

void TTessalForm::NEWBtnClick() {
    if (RUNFlag != 0)
        return;
    if (!MakeQuestionString())
        return;
    PlayBtnON();
}

void TTessalForm::RandomModeQestionStringBtnClick() {
    RandomStringLabel->setVisible(RandomStringLabel->isHidden());
    RandomModeQestionStringBtn->setMark(RandomStringLabel->isHidden() ? kBlue : kYellow);
}

void TTessalForm::RandomBaseChangeBtnON(TgdButton* sender) {
    if (RUNFlag != 0)
        return;
    QuestionString.clear();
    RandomBaseMode = sender->Tag();
    RandomBaseModeApply();
}

void TTessalForm::RandomBaseModeApply() {
    markSelection(ClassBtns, RandomBaseMode);
    AnsEdit2->clear();
    for (QLabel* box : APanelBoxes)
        box->clear();

    // The answer bands share their place with the other sources' bands: only the basic course
    // may show them.
    const bool answering = !TalkingActive() && QTypeMode == 0;
    const bool characterClass = RandomBaseMode >= 0 && RandomBaseMode < kGroupClass;
    if (characterClass || RandomBaseMode == kGroupClass) {
        Label7->setVisible(characterClass);
        for (TgdButton* button : LengthBtns)
            button->setVisible(characterClass);
        AnsPanel->setVisible(answering && !characterClass);
        AnsPanel2->setVisible(answering && characterClass);
    }
    PlayPanelLayoutApply();
}

bool TTessalForm::TalkingActive() const {
    // The talking mode is a way of running the basic course; the other sources play as usual.
    return TalkingMode != 0 && QTypeMode == 0;
}

void TTessalForm::PlayPanelLayoutApply() {
    if (TalkingActive()) {
        PauseBtn->hide();
        StopBtn->move(PauseBtn->x(), StopBtn->y());
        NEWBtn->move(kTalkingNewBtnLeft, NEWBtn->y());
    } else {
        StopBtn->move(kStopBtnLeft, StopBtn->y());
        NEWBtn->move(kNewBtnLeft, NEWBtn->y());
        PauseBtn->show();
    }
    TakingBTN->setMark(TalkingMode != 0 ? kYellow : kBlue);
    TakingPanel->setVisible(TalkingActive());
    TIContiFlagApply();
}

void TTessalForm::LengthSelectBtnClick(TgdButton* sender) {
    RandomLength = sender->Tag();
    RandomLengthApply();
}

void TTessalForm::RandomLengthApply() {
    markSelection(LengthBtns, RandomLength);
}

void TTessalForm::RepeBtnClick(TgdButton* sender) {
    if (RUNFlag != 0)
        return;
    RepeCount = sender->Tag();
    RepeCountApply();
}

void TTessalForm::RepeCountApply() {
    markSelection(RepeBtns, RepeCount);
}

} // namespace tessal
