#include "listening/judgement.h"

#include "app/frame_widgets.h"
#include "app/tessal_form.h"
#include "morse/ascii_text.h"
#include "widgets/gd_button.h"

#include <QLabel>
#include <QLineEdit>
#include <algorithm>

namespace tessal {
namespace {

const QColor kRed{0xFF, 0x00, 0x00};

} // namespace

void paintAnswerBox(QLabel* box, const QColor& colour) {
    QPalette palette = box->palette();
    palette.setColor(QPalette::Window, colour);
    palette.setColor(QPalette::WindowText, kNavy);
    box->setPalette(palette);
    box->setAutoFillBackground(true);
}

QColor answerBoxColour(const QLabel* box) {
    return box->palette().color(QPalette::Window);
}

QChar characterAt(const QString& text, int position) {
    if (position < 1 || position > text.size())
        return {};
    return text.at(position - 1);
}

void TTessalForm::AnswerPanelSetup() {
    QuestionString2 = trimBlanksAndControls(QuestionString);
    QCount = RandomLength;
    for (QLabel* box : APanel)
        box->hide();
    // Only five boxes exist, whatever a damaged settings file says about the length.
    const int boxes = std::clamp(QCount, 0, int(APanel.size()));
    for (int k = 0; k < boxes; ++k) {
        APanel[size_t(k)]->clear();
        paintAnswerBox(APanel[size_t(k)], kHotLightBlue);
        APanel[size_t(k)]->show();
    }
    AnsEdit2->setEnabled(true);
    AnsEdit2->show();
    AnsEdit2->clear();
    AnsEdit2->setFocus();
}

void TTessalForm::AnsEdit2Change() {
    CharJudge(AnsEdit2->text());
}

void TTessalForm::CharJudge(const QString& typed) {
    if (typed.isEmpty())
        return;
    const QString text = RandomBaseMode == 0 ? typed.toUpper() : typed;
    const QChar c = text.at(0);
    const QString n = QString::number(ACount);
    // A position past the played text (the length was raised while it played) matches nothing.
    if (characterAt(QuestionString2, ACount) != c || c.isNull()) {
        JudgeLabel->setText(QStringLiteral("Miss.."));
        AddREdit1Line(n + QStringLiteral(": Key in ") + c + QStringLiteral(" ..Miss"), kRed);
        platform_.sounds().messageBeep(MessageSound::Hand);
        AnsEdit2->clear();
        AnsEdit2->setFocus();
        return;
    }
    JudgeLabel->setText(QStringLiteral("Win!.."));
    AddREdit1Line(n + QStringLiteral(": Key in ") + c + QStringLiteral(" ..Win"), kAqua);
    platform_.sounds().messageBeep(MessageSound::Ok);
    if (ACount >= 1 && ACount <= int(APanel.size())) {
        QLabel* box = APanel[size_t(ACount - 1)];
        box->setText(c);
        paintAnswerBox(box, kAqua);
    }
    if (ACount == QCount) {
        JudgeLabel->setText(QStringLiteral("Good Success"));
        AddREdit1Line(QStringLiteral("The answer was correct!"), kWhite);
        return;
    }
    ++ACount;
    AnsEdit2->clear();
    AnsEdit2->setFocus();
}

void TTessalForm::QCodeAnswerCheck() {
    if (!AnsEdit->text().isEmpty()) {
        AnswerJudge();
        return;
    }
    JudgeBtn->show();
    AnsEdit->setFocus();
}

void TTessalForm::AnsEditKeyUp(int key) {
    if (key == Qt::Key_Return || key == Qt::Key_Enter)
        JudgeBtnClick();
}

void TTessalForm::JudgeBtnClick() {
    AnswerJudge();
}

void TTessalForm::AnswerJudge() {
    RandomStringLabel->show();
    RandomModeQestionStringBtn->setMark(kYellow);
    AnsEdit->setText(upperCaseAsciiLetters(AnsEdit->text()));
    if (AnsEdit->text() == RandomStringLabel->text()) {
        platform_.sounds().messageBeep(MessageSound::Ok);
        AddREdit1Line(QStringLiteral("Success!"), kAqua);
    } else {
        platform_.sounds().messageBeep(MessageSound::Hand);
        AddREdit1Line(QStringLiteral("Sorry, the correct key is ") + RandomStringLabel->text(),
                      kRed);
        AddREdit1Line(QStringLiteral("Your input key are ") + AnsEdit->text(), kRed);
    }
    JudgeBtn->hide();
}

} // namespace tessal
