#include "app/frame_widgets.h"
#include "keyer/keyer_pages.h"
#include "keyer/keyer_widgets.h"

#include <QLabel>

namespace tessal {

namespace {
QByteArray named(const char* prefix, const char* what) {
    return QByteArray(prefix) + what;
}
} // namespace

PaddlePage buildPaddlePage(QWidget* page, const PaddlePageTexts& texts) {
    struct Title {
        const char* what;
        QString caption;
        QRect geometry;
        QString hint;
    };
    const Title titles[] = {
        {"DotTimeTitle", QStringLiteral("Dot Time"), {14, 6, 200, 20}, texts.dotHint},
        {"DashRatioTitle", QStringLiteral("Dash Ratio"), {14, 72, 120, 20}, texts.ratioHint},
        {"IntervalTitle", QStringLiteral("Inteval Time"), {320, 6, 200, 20}, texts.intervalHint},
        {"CRTimingTitle", QStringLiteral("C/R Timing"), {320, 72, 200, 20}, texts.lineEndHint},
        {"PicturesTitle", texts.picturesTitle, {620, 6, 180, 20}, texts.picturesHint},
    };
    for (const Title& title : titles) {
        const QByteArray name = named(texts.prefix, title.what);
        makeLabel(page, {name.constData(), title.caption, title.geometry, kLime, 13, title.hint});
    }
    const QByteArray dotCaption = named(texts.prefix, "DotCaption");
    const QByteArray dashCaption = named(texts.prefix, "DashCaption");
    makeLabel(page, {dotCaption.constData(),
                     QStringLiteral("Dot"),
                     {620, 118, 84, 20},
                     kAqua,
                     13,
                     QString(),
                     Qt::AlignCenter});
    makeLabel(page, {dashCaption.constData(),
                     QStringLiteral("Dash"),
                     {712, 118, 84, 20},
                     kAqua,
                     13,
                     QString(),
                     Qt::AlignCenter});

    PaddlePage built;
    built.dotRow =
        makeButtonRow(page, texts.dotRow, {"50mS", "60mS", "70mS", "80mS", "90mS"}, 0, {14, 28});
    built.ratioRow =
        makeButtonRow(page, texts.ratioRow, {"x2", "x3", "x4", "x5", "x6"}, 0, {14, 94});
    built.intervalRow = makeButtonRow(page, texts.intervalRow,
                                      {"300mS", "500mS", "700mS", "900mS", "1.0S"}, 1, {320, 28});
    built.lineEndRow = makeButtonRow(page, texts.lineEndRow,
                                     {"1Sec", "1.5Sec", "2Sec", "2.5Sec", "3Sec"}, 1, {320, 94});
    built.dashLabel = makeLabel(page, {texts.dashLabel,
                                       QStringLiteral("Dash Time :xxxmS"),
                                       {134, 72, 160, 20},
                                       kAqua,
                                       13,
                                       texts.dashLabelHint});
    built.stackLabel = makeLabel(page, {texts.stackLabel,
                                        QStringLiteral("Stack : ---"),
                                        {320, 150, 200, 26},
                                        kYellow,
                                        17,
                                        texts.stackHint});
    makeContactPair(page, texts.pictures[0], texts.pictures[1], false, {620, 30, 84, 84},
                    built.dotOut, built.dotIn);
    makeContactPair(page, texts.pictures[2], texts.pictures[3], true, {712, 30, 84, 84},
                    built.dashOut, built.dashIn);
    return built;
}

} // namespace tessal
