#include "app/frame_widgets.h"
#include "app/tessal_form.h"
#include "widgets/gd_button.h"

#include <QLabel>
#include <QStackedWidget>

namespace tessal {

namespace {

constexpr int kListeningPage = 0;
constexpr int kKeyerPage = 1;
constexpr int kOperationPage = 2;
constexpr int kSetupPage = 3;

void markChosen(std::initializer_list<TgdButton*> group, TgdButton* chosen) {
    for (TgdButton* button : group)
        markButton(button, button == chosen ? kAqua : kBlue);
}

} // namespace

void TTessalForm::CategoriesChange(TgdButton* sender) {
    if (QSOBuzy != 0)
        return;
    SwitchCategory(sender->Tag());
}

void TTessalForm::SwitchCategory(int index) {
    if (index == PC1_Page || index < kListeningPage || index > kSetupPage)
        return;
    PageControl1->setCurrentIndex(index);
    const auto categories = {ListeningBtn, KeyerBtn, OperationBtn, SetUpBtn};
    switch (index) {
    case kListeningPage:
        markChosen(categories, ListeningBtn);
        QTypeModeApply();
        SetUpBtn->setTag(kSetupPage);
        break;
    case kKeyerPage:
        markChosen(categories, KeyerBtn);
        SetUpBtn->setTag(kSetupPage);
        ApplyKeyType();
        break;
    case kOperationPage:
        markChosen(categories, OperationBtn);
        HidePBar2();
        SetUpBtn->setTag(kSetupPage);
        break;
    case kSetupPage:
        markChosen(categories, SetUpBtn);
        // A second press of Setup goes back to the category it was pressed from.
        SetUpBtn->setTag(PC1_Page);
        VkeyMode = 0;
        BkeyMode = 0;
        SKeyMode = 0;
        break;
    }
    PC1_Page = index;
    UpdateModeLabels();
}

void TTessalForm::UpdateModeLabels() {
    switch (PageControl1->currentIndex()) {
    case kListeningPage: {
        static const QString sources[] = {QStringLiteral("Random Charactor Mode"),
                                          QStringLiteral("Text File Mode"),
                                          QStringLiteral("Free String Mode")};
        const int sheet = PageControl2->currentIndex();
        if (sheet >= 0 && sheet < 3)
            TopLabel->setText(sources[sheet]);
        break;
    }
    case kKeyerPage: {
        static const QString keys[] = {QStringLiteral("Vertical Key Mode"),
                                       QStringLiteral("BUG Key Mode"),
                                       QStringLiteral("Stacking Key Mode")};
        const int sheet = PageControl3->currentIndex();
        if (sheet >= 0 && sheet < 3) {
            TopLabel->setText(keys[sheet]);
            VkeyMode = sheet == 0 ? -1 : 0;
            BkeyMode = sheet == 1 ? -1 : 0;
            SKeyMode = sheet == 2 ? -1 : 0;
        }
        break;
    }
    case kOperationPage:
        TopLabel->setText(QStringLiteral("Operation Mode"));
        break;
    case kSetupPage:
        TopLabel->setText(QStringLiteral("Seup Mode"));
        break;
    }
    if (KeyModeLabel == nullptr)
        return;
    if (VkeyMode != 0)
        KeyModeLabel->setText(QStringLiteral("Key Mode : Vertical Key"));
    if (BkeyMode != 0)
        KeyModeLabel->setText(QStringLiteral("Key Mode : BUG Key"));
    if (SKeyMode != 0)
        KeyModeLabel->setText(QStringLiteral("Key Mode : Stacking Key"));
}

void TTessalForm::QTypeModeChengeBtnOn(TgdButton* sender) {
    if (RUNFlag != 0)
        return;
    QTypeMode = sender->Tag();
    QTypeModeApply();
}

void TTessalForm::QTypeModeApply() {
    QuestionString.clear();
    LeftBtn->hide();
    RightBtn->hide();
    NEWBtn->hide();
    const auto sources = {RandomBtn, TFileBtn, FStringBtn};
    switch (QTypeMode) {
    case 0:
        PageControl2->setCurrentIndex(0);
        markChosen(sources, RandomBtn);
        UpdateModeLabels();
        FileOpePanel->hide();
        NEWBtn->move(400, 25);
        NEWBtn->show();
        RandomBaseModeApply();
        break;
    case 1:
        PageControl2->setCurrentIndex(1);
        markChosen(sources, TFileBtn);
        AnsPanel->hide();
        AnsPanel2->hide();
        TakingPanel->hide();
        UpdateModeLabels();
        FileOpePanel->show();
        PlayPanelLayoutApply();
        FilePlayModeApply();
        break;
    case 2:
        PageControl2->setCurrentIndex(2);
        markChosen(sources, FStringBtn);
        AnsPanel->hide();
        AnsPanel2->hide();
        TakingPanel->hide();
        UpdateModeLabels();
        FileOpePanel->hide();
        PlayPanelLayoutApply();
        break;
    default:
        markChosen(sources, nullptr);
        break;
    }
}

} // namespace tessal
