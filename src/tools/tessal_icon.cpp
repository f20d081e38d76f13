#include "app/frame_emblem.h"
#include "platform/quiet_start.h"

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QSvgGenerator>
#include <array>
#include <cstdio>

// tessal-icon: the desktop icon, drawn from the window's emblem, as an SVG and PNGs of the
// sizes the hicolor theme looks for.
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    tessal::ensureRuntimeFolder();
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: tessal-icon <output folder>\n");
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    if (!out.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "tessal-icon: cannot make %s\n", argv[1]);
        return 1;
    }

    constexpr int kSvgSide = 256;
    QSvgGenerator svg;
    svg.setFileName(out.filePath(QStringLiteral("tessal.svg")));
    svg.setSize(QSize(kSvgSide, kSvgSide));
    svg.setViewBox(QRect(0, 0, kSvgSide, kSvgSide));
    svg.setTitle(QStringLiteral("Tessal Morse Trainer"));
    {
        QPainter painter(&svg);
        tessal::paintEmblem(painter, kSvgSide);
    }

    constexpr std::array kPngSides{16, 22, 24, 32, 48, 64, 128, 256};
    for (const int side : kPngSides) {
        QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        {
            QPainter painter(&image);
            tessal::paintEmblem(painter, side);
        }
        const QString path = out.filePath(QStringLiteral("tessal-%1.png").arg(side));
        if (!image.save(path)) {
            std::fprintf(stderr, "tessal-icon: cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    return 0;
}
