#include "app/frame_widgets.h"
#include "app/tessal_form.h"
#include "widgets/button_factory.h"

#include <QLabel>
#include <array>
#include <limits>

namespace tessal {
namespace {

QLineEdit* makeFreeEdit(QWidget* parent, const char* name, QRect geometry) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setGeometry(geometry);
    edit->setFont(formFont(15));
    // No length limit: a long practice text must come back from the settings file whole.
    edit->setMaxLength(std::numeric_limits<int>::max());
    edit->setText(QStringLiteral("CQ CQ DE QX0ZZZ K"));
    edit->setStyleSheet(QStringLiteral("QLineEdit { color: #00FF00; background: #000080; "
                                       "border: 1px solid #0000FF; }"));
    return edit;
}

} // namespace

void TTessalForm::buildFreeStringControls() {
    makeLabel(TabSheet4, {"FreeStringTitle",
                          QStringLiteral("Free String"),
                          {12, 8, 300, 24},
                          kYellow,
                          19,
                          QStringLiteral("自由に文字列を打ち込んでモールスに変換します。")});
    FreeEdit1 = makeFreeEdit(TabSheet4, "FreeEdit1", {12, 48, 420, 30});
    CLSBtn = makeButton(TabSheet4, {"CLSBtn", QStringLiteral("CLS"), 0, {440, 50, 62, 26}});
    EnableBtn1 =
        makeButton(TabSheet4, {"EnableBtn1", QStringLiteral("Enable"), 0, {508, 50, 80, 26}});
    FreeEdit2 = makeFreeEdit(TabSheet4, "FreeEdit2", {12, 108, 420, 30});
    ClsBtn2 = makeButton(TabSheet4, {"ClsBtn2", QStringLiteral("CLS"), 0, {440, 110, 62, 26}});
    EnableBtn2 =
        makeButton(TabSheet4, {"EnableBtn2", QStringLiteral("Enable"), 1, {508, 110, 80, 26}});
    onSignal(CLSBtn, &TgdButton::clicked, [this] { CLSBtnClick(); });
    onSignal(ClsBtn2, &TgdButton::clicked, [this] { ClsBtn2Click(); });
    onSignal(EnableBtn1, &TgdButton::clicked, [this] { EnableBtn1Click(EnableBtn1); });
    onSignal(EnableBtn2, &TgdButton::clicked, [this] { EnableBtn1Click(EnableBtn2); });
}

void TTessalForm::EnableBtn1Click(TgdButton* sender) {
    EnableNo = sender->Tag();
    EnableNoApply();
}

void TTessalForm::EnableNoApply() {
    if (EnableNo != 0 && EnableNo != 1)
        return;
    markSelection(std::array{EnableBtn1, EnableBtn2}, EnableNo);
}

void TTessalForm::CLSBtnClick() {
    FreeEdit1->clear();
    FreeEdit1->setFocus();
}

void TTessalForm::ClsBtn2Click() {
    FreeEdit2->clear();
    FreeEdit2->setFocus();
}

void TTessalForm::FreeEdit1EnableApply() {
    if (FreeEdit1Enable != 0 && !FreeEdit1->text().isEmpty())
        QuestionString = FreeEdit1->text();
}

void TTessalForm::FreeStringPlay() {
    RUNFlag = -1;
    QLineEdit* chosen = EnableNo == 0 ? FreeEdit1 : EnableNo == 1 ? FreeEdit2 : nullptr;
    if (chosen && (QuestionString.isEmpty() || chosen->text() != OLDString)) {
        QuestionString = chosen->text();
        OLDString = QuestionString;
    }
    PlayBtn->setMark(kLime);
    PauseBtn->setMark(kBlue);
    RandomStringLabel->setText(QuestionString);
    PlayText(QuestionString);
}

} // namespace tessal
