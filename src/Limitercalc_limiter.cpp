// The limiter page of the main window: loudspeaker, amplifier and limiter
// presets, and the limiter threshold.
#include "Limitercalc.h"

#include "Limitercalc_form.h"
#include "pagecalc.h"
#include "presetlist.h"
#include "presets.h"
#include "skin.h"
#include "skincontrols.h"

#include <QCheckBox>
#include <QLabel>

#include <cmath>

namespace
{

template <class Preset> QStringList rowTexts(std::span<const Preset> presets)
{
    QStringList rows;
    for (const Preset& preset : presets)
        rows << QString::fromUtf8(preset.name.data(), static_cast<qsizetype>(preset.name.size()));
    return rows;
}

// The row of a list as an index into its table, or nullptr for no row.
template <class Preset> const Preset* chosenRow(std::span<const Preset> presets, int row)
{
    return row >= 0 && row < static_cast<int>(presets.size()) ? &presets[row] : nullptr;
}

} // namespace

void TLimiter::buildLimiterPage()
{
    using form::place;
    QWidget* page = bsSkinTabSheet3;

    // Loudspeaker panel: presets and fields on the left, results on the right.
    bsspH = place<kv::SkinPanel>(page, "bsspH", QRect(3, 3, 377, 145),
                                 QStringLiteral("Bemenő adatok (Hangfal)"));
    bssCBHT = place<kv::PresetList>(bsspH, "bssCBHT", QRect(8, 24, 176, 20),
                                    QStringLiteral("A hangfal típusa"),
                                    rowTexts(kv::loudspeakerPresets()));
    bsSkinStdLabel8 = place<QLabel>(bsspH, "bsSkinStdLabel8", QRect(8, 47, 176, 16),
                                    QStringLiteral("A hangfal CPP teljesítménye:"));
    bsscEP = form::numberField(bsspH, "bsscEP", QRect(8, 64, 130, 20), 0, 1000000, 2,
                               QStringLiteral("0"));
    bsSkinStdLabel6 =
        place<QLabel>(bsspH, "bsSkinStdLabel6", QRect(142, 64, 40, 20), QStringLiteral("W"));
    bsSkinStdLabel9 = place<QLabel>(bsspH, "bsSkinStdLabel9", QRect(8, 95, 176, 16),
                                    QStringLiteral("A hangfal ellenállása:"));
    bsscER =
        form::numberField(bsspH, "bsscER", QRect(8, 112, 130, 20), 0, 1000, 2, QStringLiteral("0"));
    bsSkinStdLabel7 =
        place<QLabel>(bsspH, "bsSkinStdLabel7", QRect(142, 112, 40, 20), QStringLiteral("Ohm"));
    bsSkinBevel1 = place<QFrame>(bsspH, "bsSkinBevel1", QRect(190, 24, 2, 112));
    bsSkinBevel1->setFrameShape(QFrame::VLine);
    bsSkinBevel1->setFrameShadow(QFrame::Sunken);

    const struct {
        QLabel** caption;
        const char* captionName;
        const char* captionText;
        kv::FramedLabel** result;
        const char* resultName;
        const char* startText;
        int top;
    } rows[] = {
        {&bsSkinLabel11, "bsSkinLabel11", "CPP =", &bsslCPP, "bsslCPP", "W", 28},
        {&bsSkinLabel12, "bsSkinLabel12", "RMS = ", &bsslRMS, "bsslRMS", "W", 56},
        {&bsSkinLabel13, "bsSkinLabel13", "Umax = ", &bsslUmaxV, "bsslUmaxV", "V", 84},
        {&bsSkinLabel14, "bsSkinLabel14", "Umax = ", &bsslUmaxdBu, "bsslUmaxdBu", "dBu", 112},
    };
    for (const auto& row : rows) {
        *row.caption = place<QLabel>(bsspH, row.captionName, QRect(200, row.top, 56, 20),
                                     QString::fromUtf8(row.captionText));
        *row.result = place<kv::FramedLabel>(bsspH, row.resultName, QRect(258, row.top, 111, 20),
                                             QString::fromUtf8(row.startText));
    }

    // Amplifier panel.
    bsspE = place<kv::SkinPanel>(page, "bsspE", QRect(3, 150, 178, 131),
                                 QStringLiteral("Bemenő adatok (Erősítő)"));
    bssCBE = place<kv::PresetList>(bsspE, "bssCBE", QRect(8, 24, 162, 20),
                                   QStringLiteral("Az erősítő típusa"),
                                   rowTexts(kv::amplifierPresets()));
    bsSkinStdLabel10 = place<QLabel>(bsspE, "bsSkinStdLabel10", QRect(8, 47, 162, 16),
                                     QStringLiteral("Az erősítő erősítése:"));
    bsscEG =
        form::numberField(bsspE, "bsscEG", QRect(8, 64, 120, 20), 0, 1000, 2, QStringLiteral("0"));
    bsSkinStdLabel11 =
        place<QLabel>(bsspE, "bsSkinStdLabel11", QRect(132, 64, 38, 20), QStringLiteral("dB"));
    bssCRBhid = place<QCheckBox>(bsspE, "bssCRBhid", QRect(8, 94, 162, 22),
                                 QStringLiteral("Erősítő hidba kötve"));

    // Limiter panel.
    bsSkinPanel7 = place<kv::SkinPanel>(page, "bsSkinPanel7", QRect(184, 150, 196, 131),
                                        QStringLiteral("Limiter beállítás"));
    bsSkinLabel16 = place<QLabel>(bsSkinPanel7, "bsSkinLabel16", QRect(8, 22, 50, 20),
                                  QStringLiteral("Offset:"));
    bssceOffset = form::numberField(bsSkinPanel7, "bssceOffset", QRect(60, 22, 128, 20), -1000,
                                    1000, 2, QStringLiteral("0"));
    bssCBL =
        place<kv::PresetList>(bsSkinPanel7, "bssCBL", QRect(8, 44, 180, 20),
                              QStringLiteral("Limiter típusa"), rowTexts(kv::limiterPresets()));
    bsssbLimiter =
        place<kv::SpeedButton>(bsSkinPanel7, "bsssbLimiter", QRect(8, 66, 121, 41), kv::Calculate);
    bsssbClearLim = place<kv::SpeedButton>(bsSkinPanel7, "bsssbClearLim", QRect(133, 66, 36, 41),
                                           kv::TrashEmpty);
    bsSkinLabel15 = place<QLabel>(bsSkinPanel7, "bsSkinLabel15", QRect(4, 109, 70, 19),
                                  QStringLiteral("Küszöbszint:"));
    bssELH = form::resultField(bsSkinPanel7, "bssELH", QRect(74, 109, 119, 19));

    form::name(bsscEP, bsSkinStdLabel8);
    form::name(bsscER, bsSkinStdLabel9);
    form::name(bsscEG, bsSkinStdLabel10);
    form::name(bssceOffset, bsSkinLabel16);
    form::name(bssELH, bsSkinLabel15);
    bsslCPP->setAccessibleName(QStringLiteral("CPP"));
    bsslRMS->setAccessibleName(QStringLiteral("RMS"));
    bsslUmaxV->setAccessibleName(QStringLiteral("Umax (V)"));
    bsslUmaxdBu->setAccessibleName(QStringLiteral("Umax (dBu)"));
    bsssbLimiter->setAccessibleName(QStringLiteral("Számítás"));
    bsssbClearLim->setAccessibleName(QStringLiteral("Törlés"));

    connect(bssCBHT, &QComboBox::currentIndexChanged, this, &TLimiter::bssCBHTChange);
    connect(bssCBE, &QComboBox::currentIndexChanged, this, &TLimiter::bssCBEChange);
    connect(bssCRBhid, &QCheckBox::clicked, this, &TLimiter::bssCRBhidClick);
    connect(bssCBL, &QComboBox::currentIndexChanged, this, &TLimiter::bssCBLChange);
    connect(bsssbLimiter, &QToolButton::clicked, this, &TLimiter::bsssbLimiterClick);
    connect(bsssbClearLim, &QToolButton::clicked, this, &TLimiter::bsssbClearLimClick);

    // The offset field comes last although it is shown at the top of its panel.
    setTabOrder(bssCBHT, bsscEP);
    setTabOrder(bsscEP, bsscER);
    setTabOrder(bsscER, bssCBE);
    setTabOrder(bssCBE, bsscEG);
    setTabOrder(bsscEG, bssCRBhid);
    setTabOrder(bssCRBhid, bssCBL);
    setTabOrder(bssCBL, bssELH);
    setTabOrder(bssELH, bssceOffset);
}

void TLimiter::bssCBHTChange()
{
    if (const auto* row = chosenRow(kv::loudspeakerPresets(), bssCBHT->currentIndex())) {
        bsscEP->setValue(row->power);
        bsscER->setValue(row->impedance);
    }
}

void TLimiter::bssCBEChange()
{
    const int index = bssCBE->currentIndex();
    const auto* row = chosenRow(kv::amplifierPresets(), index);
    if (!row)
        return;
    if (!row->gain) {
        bssCRBhid->hide();
        return;
    }
    bsscEG->setValue(*row->gain);
    bssCRBhid->show();
}

void TLimiter::bssCRBhidClick()
{
    // Decided by the flag, never by the box's tick.
    bridgeFlag = bridgeFlag == 1 ? 0 : 1;
    const auto* row = chosenRow(kv::amplifierPresets(), bssCBE->currentIndex());
    if (!row)
        return;
    const std::optional<double> gain = bridgeFlag == 1 ? row->bridged : row->normal;
    if (gain)
        bsscEG->setValue(*gain);
}

void TLimiter::bssCBLChange()
{
    const auto* row = chosenRow(kv::limiterPresets(), bssCBL->currentIndex());
    if (row && row->offset)
        bssceOffset->setValue(*row->offset);
}

void TLimiter::bsssbLimiterClick()
{
    const double p = bsscEP->value();
    const double r = bsscER->value();
    const double g = bsscEG->value();
    if (!kv::isPositive(p * 0.5) || !kv::isPositive(r) || !kv::isPositive(g)) {
        bsSkinMessage1.showRefusal();
        return;
    }
    const double o = bssceOffset->value();
    const kv::LimiterResults results = kv::limiterResults(p, r, g, o);
    // Inputs so small that the voltage rounds to 0 have no level in dBu:
    // refused like a zero.
    if (!std::isfinite(results.level) || !std::isfinite(results.threshold)) {
        bsSkinMessage1.showRefusal();
        return;
    }

    const QString separator = decimalSeparator();
    bsslCPP->setText(QString::fromStdString(kv::floatToText(p, separator.toStdString())) +
                     QStringLiteral(" W"));
    bsslRMS->setText(form::patterned("#0.## W", results.rms, separator));
    bsslUmaxV->setText(form::patterned("#0.## V", results.umax, separator));
    bsslUmaxdBu->setText(form::patterned("#0.### dBu", results.level, separator));
    const int limiterRow = bssCBL->currentIndex();
    const bool limiterModel = limiterRow >= 1 && limiterRow <= 4;
    const char* pattern = o != 0 && limiterModel ? "#0.## dB (Threshold)" : "#0.## dB";
    bssELH->setText(form::patterned(pattern, results.threshold, separator));
    bssELH->setCursorPosition(0);

    form::lock({bsspH, bsspE, bssceOffset, bssCRBhid, bssCBL, bsssbLimiter});
}

void TLimiter::bsssbClearLimClick()
{
    bssCBHT->setCurrentIndex(0);
    bsspH->setEnabled(true);
    bsscEP->setValue(0);
    bsscER->setValue(0);

    bssCBE->setCurrentIndex(0);
    bsspE->setEnabled(true);
    bsscEG->setValue(0);

    bssCRBhid->hide();
    bssCRBhid->setEnabled(true);
    bssCRBhid->setChecked(false); // no click handling
    bridgeFlag = 0;

    bssceOffset->setValue(0);
    bssceOffset->setEnabled(true);

    bsslCPP->setText(QStringLiteral("W"));
    bsslRMS->setText(QStringLiteral("W"));
    bsslUmaxV->setText(QStringLiteral("V"));
    bsslUmaxdBu->setText(QStringLiteral("dBu"));
    bssELH->clear();

    bssCBL->setCurrentIndex(0);
    bssCBL->setEnabled(true);
    bsssbLimiter->setEnabled(true);
}
