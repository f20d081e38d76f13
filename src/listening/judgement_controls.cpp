#include "app/frame_widgets.h"
#include "app/tessal_form.h"
#include "listening/judgement.h"
#include "widgets/button_factory.h"
#include "widgets/line_edit_input.h"

#include <QLabel>
#include <QLineEdit>
#include <functional>

namespace tessal {

void TTessalForm::buildAnswerControls() {
    Label38 = makeLabel(AnsPanel2, {"Label38", QStringLiteral("Answer"), {10, 6, 80, 22}});
    AnsEdit2 =
        makeLineEdit(AnsPanel2, {"AnsEdit2", QStringLiteral("X"), {10, 32, 56, 56}, kAqua, 32});
    AnsEdit2->setAlignment(Qt::AlignCenter);
    AnsEdit2->setMaxLength(1);
    upperCaseAsTyped(AnsEdit2);
    onSignal(AnsEdit2, &QLineEdit::textChanged, [this] { AnsEdit2Change(); });
    for (size_t k = 0; k < APanelBoxes.size(); ++k) {
        const QByteArray name = "APanel" + QByteArray::number(qulonglong(k));
        QLabel* box = makeLabel(AnsPanel2, {name.constData(),
                                            QStringLiteral("X"),
                                            {90 + 58 * int(k), 32, 50, 50},
                                            kNavy,
                                            30,
                                            QString(),
                                            Qt::AlignCenter});
        paintAnswerBox(box, kHotLightBlue);
        APanelBoxes[k] = box;
    }
    APanel = APanelBoxes;
    JudgeLabel = makeLabel(
        AnsPanel2, {"JudgeLabel", QStringLiteral("Get started"), {390, 40, 200, 34}, kLime, 22});

    Label24 = makeLabel(AnsPanel, {"Label24", QStringLiteral("Answer"), {10, 6, 80, 22}});
    AnsEdit = makeLineEdit(AnsPanel,
                           {"AnsEdit", QStringLiteral("AnsEdit"), {10, 36, 300, 34}, kLime, 20});
    onKeyRelease(AnsEdit,
                 [this](int key) { platform_.guarded([this, key] { AnsEditKeyUp(key); }); });
    JudgeBtn = makeButton(AnsPanel, {"JudgeBtn",
                                     QStringLiteral("Judgement"),
                                     0,
                                     {330, 38, 110, 30},
                                     QStringLiteral("答え合わせ開始")});
    JudgeBtn->hide();
    onSignal(JudgeBtn, &TgdButton::clicked, [this] { JudgeBtnClick(); });
}

} // namespace tessal
