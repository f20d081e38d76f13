#pragma once

#include <QList>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QtGlobal>

namespace tessal {

// Where a window of `size` goes whose stored top-left corner is (`left`, `top`): there, when its
// top strip (where it is grabbed) shows on one of `screens`; else just far enough inside the
// screen nearest to the stored corner that as much of it as fits shows. Stored values may be
// anything a settings file holds, so nothing here overflows. Without screens the stored place is
// kept as far as it fits an int.
QPoint visibleWindowPosition(qint64 left, qint64 top, QSize size, const QList<QRect>& screens);

} // namespace tessal
