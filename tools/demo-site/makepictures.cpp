// SPDX-License-Identifier: MIT
// Draws the demo site's pictures: small JPEG and PNG files of colour
// gradients and shapes, different for every picture.
#include <QCoreApplication>
#include <QDir>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>

#include <cstdio>

namespace {

struct Picture {
    const char* file;
    int hue;
};

constexpr Picture kPictures[] = {
    {"lake-1.jpg", 200},  {"lake-2.jpg", 170}, {"lake-3.jpg", 30},
    {"cat-1.png", 20},    {"cat-2.png", 300},  {"garden-1.jpg", 110},
    {"garden-2.jpg", 60}, {"post-1.jpg", 250}, {"post-2.jpg", 340},
};

QImage Draw(int hue, int seed) {
    QImage image(320, 240, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, 240);
    sky.setColorAt(0, QColor::fromHsv(hue, 90, 250));
    sky.setColorAt(1, QColor::fromHsv((hue + 40) % 360, 200, 140));
    painter.fillRect(image.rect(), sky);
    painter.setPen(Qt::NoPen);
    for (int i = 0; i < 6; ++i) {
        painter.setBrush(QColor::fromHsv((hue + 60 * i) % 360, 160, 230, 170));
        const int x = (seed * 53 + i * 71) % 280;
        const int y = (seed * 37 + i * 43) % 200;
        painter.drawEllipse(QPoint(x + 20, y + 20), 18 + 4 * i, 18 + 4 * i);
    }
    return image;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::fputs("usage: phodex-demo-pictures OUTDIR\n", stderr);
        return 1;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    if (!out.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "cannot make %s\n", argv[1]);
        return 1;
    }
    int seed = 0;
    for (const Picture& picture : kPictures) {
        if (!Draw(picture.hue, ++seed).save(out.filePath(QString::fromLatin1(picture.file)))) {
            std::fprintf(stderr, "cannot write %s\n", picture.file);
            return 1;
        }
    }
    return 0;
}
