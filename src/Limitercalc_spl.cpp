// The SPL page and the amplifier gain page of the main window.
#include "Limitercalc.h"

#include "Limitercalc_form.h"
#include "historylist.h"
#include "pagecalc.h"
#include "skin.h"
#include "skincontrols.h"

#include <QLabel>

#include <cmath>

namespace
{

// Row geometry shared by the input panels of both pages.
constexpr int CaptionX = 8, CaptionW = 138;
constexpr int EntryX = 150, EntryW = 120;
constexpr int UnitX = 276, UnitW = 96;
constexpr int RowH = 20;

} // namespace

void TLimiter::buildSplPage()
{
    using form::place;
    QWidget* page = bsSkinTabSheet1;

    bsSkinPanel1 = place<kv::SkinPanel>(page, "bsSkinPanel1", QRect(3, 3, 380, 122),
                                        QStringLiteral("Bemenő adatok"));
    bsSkinPanel3 = place<kv::SkinPanel>(page, "bsSkinPanel3", QRect(3, 128, 380, 153),
                                        QStringLiteral("Kimenő adatok"));

    QWidget* in = bsSkinPanel1;
    bsSkinLabel1 = place<kv::FramedLabel>(in, "bsSkinLabel1", QRect(CaptionX, 25, CaptionW, RowH),
                                          QStringLiteral("Név:"));
    bssEnev = place<QLineEdit>(in, "bssEnev", QRect(EntryX, 25, EntryW, RowH));
    bssEnev->setMaxLength(8);
    bsSkinLabel2 = place<kv::FramedLabel>(in, "bsSkinLabel2", QRect(CaptionX, 49, CaptionW, RowH),
                                          QStringLiteral("Hangfal max P:"));
    bsscEmaxP = form::numberField(in, "bsscEmaxP", QRect(EntryX, 49, EntryW, RowH), 0, 1000000, 2,
                                  QStringLiteral("0"));
    bsSkinStdLabel1 =
        place<QLabel>(in, "bsSkinStdLabel1", QRect(UnitX, 49, UnitW, RowH), QStringLiteral("W"));
    bsSkinLabel3 = place<kv::FramedLabel>(in, "bsSkinLabel3", QRect(CaptionX, 73, CaptionW, RowH),
                                          QStringLiteral("Hangfal érzékenység:"));
    bsscEE = form::numberField(in, "bsscEE", QRect(EntryX, 73, EntryW, RowH), 0, 1000, 2,
                               QStringLiteral("0"));
    bsSkinStdLabel2 = place<QLabel>(in, "bsSkinStdLabel2", QRect(UnitX, 73, UnitW, RowH),
                                    QStringLiteral("dB/1W/1m"));
    bsSkinLabel4 = place<kv::FramedLabel>(in, "bsSkinLabel4", QRect(CaptionX, 97, CaptionW, RowH),
                                          QStringLiteral("Hangfaltól való táv.:"));
    bsscET = form::numberField(in, "bsscET", QRect(EntryX, 97, EntryW, RowH), 0, 100000, 2,
                               form::zeroText(in, 2));
    bsSkinStdLabel3 =
        place<QLabel>(in, "bsSkinStdLabel3", QRect(UnitX, 97, UnitW, RowH), QStringLiteral("m"));

    QWidget* out = bsSkinPanel3;
    bsssbSPLCal = place<kv::SpeedButton>(out, "bsssbSPLCal", QRect(8, 25, 42, 42), kv::Calculate);
    bsSkinSpeedButton3 =
        place<kv::SpeedButton>(out, "bsSkinSpeedButton3", QRect(54, 25, 42, 42), kv::TrashEmpty);
    bsSkinLabel5 = place<kv::FramedLabel>(out, "bsSkinLabel5", QRect(102, 25, 112, RowH),
                                          QStringLiteral("Hangnyomás 1m:"));
    bssEH = form::resultField(out, "bssEH", QRect(218, 25, 154, RowH));
    bsSkinLabel6 = place<kv::FramedLabel>(out, "bsSkinLabel6", QRect(102, 47, 112, RowH),
                                          QStringLiteral("Hangnyomás Xm:"));
    bssEPl = form::resultField(out, "bssEPl", QRect(218, 47, 154, RowH));
    bsslbSPL = place<kv::HistoryList>(out, "bsslbSPL", QRect(8, 72, 326, 74));
    bsSkinSpeedButton1 =
        place<kv::SpeedButton>(out, "bsSkinSpeedButton1", QRect(338, 72, 34, 74), kv::TrashEmpty);

    form::name(bssEnev, bsSkinLabel1);
    form::name(bsscEmaxP, bsSkinLabel2);
    form::name(bsscEE, bsSkinLabel3);
    form::name(bsscET, bsSkinLabel4);
    form::name(bssEH, bsSkinLabel5);
    form::name(bssEPl, bsSkinLabel6);
    bsslbSPL->setAccessibleName(QStringLiteral("Előzmények"));
    bsssbSPLCal->setAccessibleName(QStringLiteral("Számítás"));
    bsSkinSpeedButton3->setAccessibleName(QStringLiteral("Bemenetek törlése"));
    bsSkinSpeedButton1->setAccessibleName(QStringLiteral("Előzmények törlése"));

    connect(bsssbSPLCal, &QToolButton::clicked, this, &TLimiter::bsssbSPLCalClick);
    connect(bsSkinSpeedButton3, &QToolButton::clicked, this, &TLimiter::bsSkinSpeedButton3Click);
    connect(bsSkinSpeedButton1, &QToolButton::clicked, this, &TLimiter::bsSkinSpeedButton1Click);

    // The name comes after the three numbers although it is shown above them.
    setTabOrder(bsscEmaxP, bsscEE);
    setTabOrder(bsscEE, bsscET);
    setTabOrder(bsscET, bssEnev);
    setTabOrder(bssEnev, bsslbSPL);
    setTabOrder(bsslbSPL, bssEH);
    setTabOrder(bssEH, bssEPl);
}

void TLimiter::bsssbSPLCalClick()
{
    const double p = bsscEmaxP->value();
    const double s = bsscEE->value();
    const double d = bsscET->value();
    const QString separator = decimalSeparator();

    bool done = false;
    if (kv::isPositive(p) && kv::isPositive(s) && kv::isPositive(d)) {
        const kv::SplLevels levels = kv::splLevels(p, s, d);
        // A distance so small that the level leaves the number range is
        // refused like a zero.
        if (std::isfinite(levels.atOneMetre) && std::isfinite(levels.atDistance)) {
            bssEH->setText(form::patterned("#0.## dB", levels.atOneMetre, separator));
            bssEPl->setText(form::patterned("#0.## dB", levels.atDistance, separator));
            form::lock({bssEnev, bsscEmaxP, bsscEE, bsscET, bsssbSPLCal});
            done = true;
        }
    }
    if (!done)
        bsSkinMessage1.showRefusal();

    bsslbSPL->addItem(QString::fromStdString(
        kv::splHistoryLine(bssEnev->text().toStdString(), bssEH->text().toStdString(),
                           bssEPl->text().toStdString(), d, separator.toStdString())));
    bsSkinSpeedButton1->setImageIndex(kv::TrashFull);
}

void TLimiter::bsSkinSpeedButton3Click()
{
    bssEnev->clear();
    bssEnev->setEnabled(true);
    for (kv::NumericEdit* field : {bsscEmaxP, bsscEE, bsscET}) {
        field->setValue(0);
        field->setEnabled(true);
    }
    bssEH->clear();
    bssEPl->clear();
    bsssbSPLCal->setEnabled(true);
}

void TLimiter::bsSkinSpeedButton1Click()
{
    bsslbSPL->clear();
    bsSkinSpeedButton1->setImageIndex(kv::TrashEmpty);
}

void TLimiter::buildGainPage()
{
    using form::place;
    QWidget* page = bsSkinTabSheet2;

    bsSkinPanel2 = place<kv::SkinPanel>(page, "bsSkinPanel2", QRect(3, 3, 380, 122),
                                        QStringLiteral("Bemenő adatok"));
    bsSkinPanel4 = place<kv::SkinPanel>(page, "bsSkinPanel4", QRect(3, 128, 380, 153),
                                        QStringLiteral("Kimenő adatok"));

    QWidget* in = bsSkinPanel2;
    bsSkinLabel7 = place<kv::FramedLabel>(in, "bsSkinLabel7", QRect(CaptionX, 25, CaptionW, RowH),
                                          QStringLiteral("Név:"));
    bssEEnev = place<QLineEdit>(in, "bssEEnev", QRect(EntryX, 25, EntryW, RowH));
    bssEEnev->setMaxLength(8);
    // The second row is left empty.
    bsSkinLabel8 = place<kv::FramedLabel>(in, "bsSkinLabel8", QRect(CaptionX, 73, CaptionW, RowH),
                                          QStringLiteral("Erősítő kim.P(8ohm):"));
    bsscEEP = form::numberField(in, "bsscEEP", QRect(EntryX, 73, EntryW, RowH), 0, 1000000, 2,
                                QStringLiteral("0"));
    bsSkinStdLabel4 =
        place<QLabel>(in, "bsSkinStdLabel4", QRect(UnitX, 73, UnitW, RowH), QStringLiteral("W"));
    bsSkinLabel9 = place<kv::FramedLabel>(in, "bsSkinLabel9", QRect(CaptionX, 97, CaptionW, RowH),
                                          QStringLiteral("Ube:"));
    bsscEEU = form::numberField(in, "bsscEEU", QRect(EntryX, 97, EntryW, RowH), 0, 10000, 3,
                                QStringLiteral("0"));
    bsSkinStdLabel5 =
        place<QLabel>(in, "bsSkinStdLabel5", QRect(UnitX, 97, UnitW, RowH), QStringLiteral("V"));

    QWidget* out = bsSkinPanel4;
    bsssbCalcEr = place<kv::SpeedButton>(out, "bsssbCalcEr", QRect(8, 25, 42, 42), kv::Calculate);
    bsSkinSpeedButton5 =
        place<kv::SpeedButton>(out, "bsSkinSpeedButton5", QRect(54, 25, 42, 42), kv::TrashEmpty);
    bsSkinLabel10 = place<kv::FramedLabel>(out, "bsSkinLabel10", QRect(102, 36, 112, RowH),
                                           QStringLiteral("Erősítés:"));
    bssEEE = form::resultField(out, "bssEEE", QRect(218, 36, 154, RowH));
    bsslbErosites = place<kv::HistoryList>(out, "bsslbErosites", QRect(8, 72, 326, 74));
    bsSkinSpeedButton2 =
        place<kv::SpeedButton>(out, "bsSkinSpeedButton2", QRect(338, 72, 34, 74), kv::TrashEmpty);

    form::name(bssEEnev, bsSkinLabel7);
    form::name(bsscEEP, bsSkinLabel8);
    form::name(bsscEEU, bsSkinLabel9);
    form::name(bssEEE, bsSkinLabel10);
    bsslbErosites->setAccessibleName(QStringLiteral("Előzmények"));
    bsssbCalcEr->setAccessibleName(QStringLiteral("Számítás"));
    bsSkinSpeedButton5->setAccessibleName(QStringLiteral("Bemenetek törlése"));
    bsSkinSpeedButton2->setAccessibleName(QStringLiteral("Előzmények törlése"));

    connect(bsssbCalcEr, &QToolButton::clicked, this, &TLimiter::bsssbCalcErClick);
    connect(bsSkinSpeedButton5, &QToolButton::clicked, this, &TLimiter::bsSkinSpeedButton5Click);
    connect(bsSkinSpeedButton2, &QToolButton::clicked, this, &TLimiter::bsSkinSpeedButton2Click);

    // The input voltage comes before the power although it is shown below it.
    setTabOrder(bssEEnev, bsscEEU);
    setTabOrder(bsscEEU, bsscEEP);
    setTabOrder(bsscEEP, bsslbErosites);
    setTabOrder(bsslbErosites, bssEEE);
}

void TLimiter::bsssbCalcErClick()
{
    const double p = bsscEEP->value();
    const double uin = bsscEEU->value();

    bool done = false;
    if (kv::isPositive(p) && kv::isPositive(uin)) {
        const float gain = kv::amplifierGain(p, uin);
        // An input voltage so small that the gain leaves the number range is
        // refused like a zero.
        if (std::isfinite(gain)) {
            bssEEE->setText(form::patterned("#0.## dB", gain, decimalSeparator()));
            form::lock({bssEEnev, bsscEEP, bsscEEU, bsssbCalcEr});
            done = true;
        }
    }
    if (!done)
        bsSkinMessage1.showRefusal();

    bsslbErosites->addItem(QString::fromStdString(
        kv::gainHistoryLine(bssEEnev->text().toStdString(), bssEEE->text().toStdString())));
}

void TLimiter::bsSkinSpeedButton5Click()
{
    bssEEnev->clear();
    bssEEnev->setEnabled(true);
    bsscEEP->setValue(0);
    bsscEEP->setEnabled(true);
    bsscEEU->setValue(0.775);
    bsscEEU->setEnabled(true);
    bsssbCalcEr->setEnabled(true);
    bssEEE->clear();
}

void TLimiter::bsSkinSpeedButton2Click()
{
    bsslbErosites->clear();
}
