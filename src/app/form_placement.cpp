#include "app/tessal_form.h"
#include "app/window_placement.h"

#include <QGuiApplication>
#include <QScreen>

namespace tessal {

void TTessalForm::PlaceWindow() {
    QList<QRect> screens;
    for (const QScreen* screen : QGuiApplication::screens())
        screens.append(screen->availableGeometry());
    PlacedPosition = visibleWindowPosition(StoredLeft, StoredTop, frameGeometry().size(), screens);
    move(PlacedPosition);
}

} // namespace tessal
