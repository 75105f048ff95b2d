// Renders the main window's pages to PNG files, for the documentation:
//   kvintora-screenshots OUTPUT_FOLDER
#include "Aboutus.h"
#include "Limitercalc.h"
#include "guardedapplication.h"
#include "skin.h"

#include <QDir>
#include <QTabWidget>

int main(int argc, char* argv[])
{
    kv::GuardedApplication app(argc, argv);
    kv::applySkin(app);
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    QDir().mkpath(folder);

    // The pictures show the designed locale, whatever the machine's.
    TLimiter window(nullptr, &QDateTime::currentDateTime,
                    QLocale(QLocale::Hungarian, QLocale::Hungary));
    window.show();
    const char* names[] = {"spl", "gain", "limiter", "uri"};
    for (int page = 0; page < 4; ++page) {
        window.bsSkinPageControl1->setCurrentIndex(page);
        QApplication::processEvents();
        window.grab().save(QDir(folder).filePath(QStringLiteral("%1.png").arg(names[page])));
    }
    // The version comes from the calculator beside this tool.
    TFAboutUs about(nullptr, QDir(QCoreApplication::applicationDirPath()).filePath("kvintora"));
    about.showAndRaise();
    about.FormActivate();
    QApplication::processEvents();
    about.grab().save(QDir(folder).filePath(QStringLiteral("about.png")));
    return 0;
}
