// Renders the calculator's pages and its about box to PNG files, for the
// documentation, offscreen and in the designed (comma) locale:
//   kvintora-screenshots OUTPUT_FOLDER
#include "Aboutus.h"
#include "Limitercalc.h"
#include "guardedapplication.h"
#include "numericedit.h"
#include "radiogroup.h"
#include "skin.h"

#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QTabWidget>

namespace
{

void save(QWidget& widget, const QString& folder, const char* name)
{
    QApplication::processEvents();
    widget.grab().save(QDir(folder).filePath(QString::fromLatin1(name) + QStringLiteral(".png")));
}

} // namespace

int main(int argc, char* argv[])
{
    kv::GuardedApplication app(argc, argv);
    kv::applySkin(app);
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    QDir().mkpath(folder);

    TLimiter w(nullptr, &QDateTime::currentDateTime, QLocale(QLocale::Hungarian, QLocale::Hungary));
    w.show();

    // SPL: two calculations in the history, the second one shown.
    const struct {
        const char* name;
        double p, s, d;
    } speakers[] = {{"Hall", 500, 97, 4}, {"Kert", 250, 98, 2.5}};
    for (const auto& speaker : speakers) {
        w.bsSkinSpeedButton3Click();
        w.bssEnev->setText(QString::fromLatin1(speaker.name));
        w.bsscEmaxP->setValue(speaker.p);
        w.bsscEE->setValue(speaker.s);
        w.bsscET->setValue(speaker.d);
        w.bsssbSPLCalClick();
    }
    w.bsSkinPageControl1->setCurrentIndex(0);
    save(w, folder, "spl");

    w.bssEEnev->setText(QStringLiteral("Amp1"));
    w.bsscEEP->setValue(1000);
    w.bsssbCalcErClick();
    w.bsSkinPageControl1->setCurrentIndex(1);
    save(w, folder, "gain");

    // Limiter: "Zavav Lite 8", "PC1004MKII", "LEM DX 24".
    w.bssCBHT->setCurrentIndex(1);
    w.bssCBE->setCurrentIndex(1);
    w.bssCBL->setCurrentIndex(1);
    w.bsssbLimiterClick();
    w.bsSkinPageControl1->setCurrentIndex(2);
    save(w, folder, "limiter");

    // URI: three resistors in series, 230 V given.
    w.bssCBkapcsT->setCurrentIndex(1);
    const double resistances[] = {2, 3, 5};
    for (int i = 0; i < 3; ++i)
        w.bsscERn[i]->setValue(resistances[i]);
    w.bsssbEllenallasClick();
    w.RGE->setItemIndex(1);
    w.bsscEU->setValue(230);
    w.bsssbUIClick();
    w.bsSkinPageControl1->setCurrentIndex(3);
    save(w, folder, "uri");

    // The version comes from the calculator beside this tool.
    TFAboutUs about(nullptr, QDir(QCoreApplication::applicationDirPath()).filePath("kvintora"));
    about.showAndRaise();
    about.FormActivate();
    save(about, folder, "about");
    return 0;
}
