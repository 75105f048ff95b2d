// Build tool: renders the application icon (the window's vector
// "Calculate" image) to PNG files of the standard sizes:
//   kvintora-icons OUTPUT_FOLDER
#include "skin.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

int main(int argc, char* argv[])
{
    QGuiApplication app(argc, argv);
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    QDir().mkpath(folder);
    const QIcon icon = kv::buttonImage(kv::Calculate);
    for (const int size : {16, 24, 32, 48, 64, 128, 256}) {
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        icon.paint(&painter, image.rect());
        painter.end();
        if (!image.save(QDir(folder).filePath(QStringLiteral("kvintora-%1.png").arg(size))))
            return 1;
    }
    return 0;
}
