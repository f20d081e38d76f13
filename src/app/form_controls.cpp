#include "app/tessal_form.h"

namespace tessal {

void TTessalForm::buildControls() {
    FreeEdit1 = new QLineEdit(this);
    FreeEdit1->setObjectName(QStringLiteral("FreeEdit1"));
    FreeEdit1->hide();
    FreeEdit2 = new QLineEdit(this);
    FreeEdit2->setObjectName(QStringLiteral("FreeEdit2"));
    FreeEdit2->hide();
}

} // namespace tessal
