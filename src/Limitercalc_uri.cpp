// The URI page of the main window: the equivalent resistance of a series or
// parallel network, then the voltage or current distribution over it.
#include "Limitercalc.h"

#include "Limitercalc_form.h"
#include "circuitpicture.h"
#include "pagecalc.h"
#include "presetlist.h"
#include "radiogroup.h"
#include "skin.h"
#include "skincontrols.h"

#include <QLabel>
#include <QRadioButton>

#include <cmath>

namespace
{

const QStringList NetworkRows = {
    QStringLiteral("Soros -> 2 ellenállással"),
    QStringLiteral("Soros -> 3 ellenállással"),
    QStringLiteral("Soros -> 4 ellenállással"),
    QStringLiteral("Párhuzamos -> 2 ellenállással"),
    QStringLiteral("Párhuzamos -> 3 ellenállással"),
    QStringLiteral("Párhuzamos -> 4 ellenállással"),
};

bool finitePositive(float x)
{
    return std::isfinite(x) && x > 0;
}

} // namespace

std::array<float*, 4> TLimiter::resistanceMembers()
{
    return {&R1, &R2, &R3, &R4};
}

std::array<float*, 4> TLimiter::voltageMembers()
{
    return {&U1, &U2, &U3, &U4};
}

std::array<float*, 4> TLimiter::currentMembers()
{
    return {&I1, &I2, &I3, &I4};
}

void TLimiter::buildUriPage()
{
    using form::place;
    bsspR = place<kv::SkinPanel>(bsSkinTabSheet4, "bsspR", QRect(3, 3, 377, 278),
                                 QStringLiteral("Soros kapcsolás"));
    QWidget* panel = bsspR;

    bssCBkapcsT = place<kv::PresetList>(panel, "bssCBkapcsT", QRect(8, 24, 177, 20),
                                        QStringLiteral("Kapcsolás típusa"), NetworkRows);
    bsssbEllenallas =
        place<kv::SpeedButton>(panel, "bsssbEllenallas", QRect(8, 49, 36, 64), kv::Calculate);
    bssEEeredo = form::resultField(panel, "bssEEeredo", QRect(51, 49, 116, 18));
    for (int i = 0; i < 4; ++i) {
        const int top = 24 + 25 * i;
        const QByteArray labelName = "LR" + QByteArray::number(i + 1);
        const QByteArray fieldName = "bsscER" + QByteArray::number(i + 1);
        LRn[i] = place<QLabel>(panel, labelName.constData(), QRect(188, top, 56, 21),
                               QStringLiteral("R%1:").arg(i + 1));
        bsscERn[i] = form::numberField(panel, fieldName.constData(), QRect(245, top, 89, 18), 0,
                                       1000000, 2, form::zeroText(panel, 2));
    }
    bsssbURIClear =
        place<kv::SpeedButton>(panel, "bsssbURIClear", QRect(337, 24, 36, 96), kv::TrashEmpty);
    IE = place<kv::PictureBox>(panel, "IE", QRect(160, 126, 213, 121));

    // Second stage, hidden until the resistance is known. The entry fields
    // lie over the radio group, beside its items.
    RGE = place<kv::RadioGroup>(panel, "RGE", QRect(8, 126, 150, 53),
                                QStringList{QStringLiteral("I  ="), QStringLiteral("U =")});
    RGE->item(0)->setGeometry(0, 2, 42, 22);
    RGE->item(1)->setGeometry(0, 27, 42, 22);
    bsscEI = form::numberField(panel, "bsscEI", QRect(51, 130, 103, 18), 0, 2000, 2,
                               form::zeroText(panel, 2));
    bsscEU = form::numberField(panel, "bsscEU", QRect(51, 155, 103, 18), 0, 10000, 2,
                               form::zeroText(panel, 2));
    bsssbUI = place<kv::SpeedButton>(panel, "bsssbUI", QRect(8, 185, 36, 64), kv::Calculate);
    bssLUI = place<QLabel>(panel, "bssLUI", QRect(51, 185, 25, 21), QStringLiteral("="));
    bssEUI = form::resultField(panel, "bssEUI", QRect(77, 185, 81, 18));
    const int resultLeft[] = {34, 126, 218, 310};
    const int resultWidth[] = {60, 60, 60, 55};
    for (int i = 0; i < 4; ++i) {
        const QByteArray labelName = "bssLUI" + QByteArray::number(i + 1);
        const QByteArray fieldName = "bssEUI" + QByteArray::number(i + 1);
        bssLUIn[i] = place<QLabel>(panel, labelName.constData(), QRect(8 + 92 * i, 254, 25, 21),
                                   QStringLiteral("%1:").arg(i + 1));
        bssEUIn[i] = form::resultField(panel, fieldName.constData(),
                                       QRect(resultLeft[i], 254, resultWidth[i], 18));
    }
    form::hide({RGE, bsscEI, bsscEU, bsssbUI, bssLUI, bssEUI});
    for (int i = 0; i < 4; ++i) {
        bssLUIn[i]->hide();
        bssEUIn[i]->hide();
    }

    for (int i = 0; i < 4; ++i)
        form::name(bsscERn[i], LRn[i]);
    bssEEeredo->setAccessibleName(QStringLiteral("Eredő ellenállás"));
    bsssbEllenallas->setAccessibleName(QStringLiteral("Eredő ellenállás számítása"));
    bsssbURIClear->setAccessibleName(QStringLiteral("Törlés"));
    IE->setAccessibleName(QStringLiteral("Kapcsolási rajz"));
    RGE->setAccessibleName(QStringLiteral("Adott mennyiség"));
    bsscEI->setAccessibleName(QStringLiteral("I"));
    bsscEU->setAccessibleName(QStringLiteral("U"));
    bsssbUI->setAccessibleName(QStringLiteral("Eloszlás számítása"));
    bssEUI->setAccessibleName(QStringLiteral("Eredmény"));
    for (int i = 0; i < 4; ++i)
        bssEUIn[i]->setAccessibleName(QStringLiteral("Eredmény %1").arg(i + 1));

    connect(bssCBkapcsT, &QComboBox::currentIndexChanged, this, &TLimiter::bssCBkapcsTChange);
    connect(bsssbEllenallas, &QToolButton::clicked, this, &TLimiter::bsssbEllenallasClick);
    connect(bsssbURIClear, &QToolButton::clicked, this, &TLimiter::bsssbURIClearClick);
    connect(RGE, &kv::RadioGroup::clicked, this, &TLimiter::RGEClick);
    connect(bsscEI, &kv::NumericEdit::entered, this, &TLimiter::bsscEIEnter);
    connect(bsscEU, &kv::NumericEdit::entered, this, &TLimiter::bsscEUEnter);
    connect(bsssbUI, &QToolButton::clicked, this, &TLimiter::bsssbUIClick);

    QWidget* order[] = {bssCBkapcsT,  bssEUIn[3],   bssEUIn[2], bssEUIn[1], bssEUIn[0],
                        bsscERn[0],   bsscERn[1],   bsscERn[2], bsscERn[3], bssEEeredo,
                        RGE->item(0), RGE->item(1), bsscEI,     bsscEU,     bssEUI};
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
}

void TLimiter::bssCBkapcsTChange()
{
    const int k = bssCBkapcsT->currentIndex();
    const int n = kv::resistorCount(k);
    if (n == 0)
        return;
    bsspR->setCaption(kv::isSeriesNetwork(k) ? QStringLiteral("Soros kapcsolás")
                                             : QStringLiteral("Párhuzamos kapcsolás"));
    IE->setPicture(k);
    LRn[2]->setVisible(n >= 3);
    bsscERn[2]->setVisible(n >= 3);
    LRn[3]->setVisible(n >= 4);
    bsscERn[3]->setVisible(n >= 4);
}

void TLimiter::bsssbEllenallasClick()
{
    const int k = bssCBkapcsT->currentIndex();
    const int n = kv::resistorCount(k);
    if (n == 0)
        return;
    const std::array<float*, 4> members = resistanceMembers();
    for (int i = 0; i < n; ++i)
        *members[i] = static_cast<float>(bsscERn[i]->value());
    for (int i = 0; i < n; ++i) {
        if (!(*members[i] > 0)) {
            bsSkinMessage1.showRefusal();
            return;
        }
    }
    // Resistances so small that the network's value leaves the single
    // precision range are refused like a zero.
    const float equivalent = kv::equivalentResistance(k, {R1, R2, R3, R4});
    if (!finitePositive(equivalent)) {
        bsSkinMessage1.showRefusal();
        return;
    }

    bssCBkapcsT->setEnabled(false);
    for (int i = 0; i < n; ++i)
        bsscERn[i]->setEnabled(false);
    bsssbEllenallas->setEnabled(false);
    RGE->show();
    bsscEI->show();
    bsscEU->show();
    Re = equivalent;
    bssEEeredo->setText(form::patterned("##0.## ohm", Re, decimalSeparator()));
}

void TLimiter::bsssbURIClearClick()
{
    bssCBkapcsT->setCurrentIndex(0);
    bssCBkapcsT->setEnabled(true);
    for (int i = 0; i < 4; ++i) {
        bsscERn[i]->setValue(0);
        bsscERn[i]->setEnabled(true);
        if (i >= 2) {
            bsscERn[i]->hide();
            LRn[i]->hide();
        }
    }
    bsssbEllenallas->setEnabled(true);
    IE->setPicture(0);
    bssEEeredo->clear();

    RGE->setItemIndex(-1);
    RGE->setEnabled(true);
    RGE->hide();
    for (kv::NumericEdit* field : {bsscEI, bsscEU}) {
        field->setValue(0);
        field->setEnabled(false);
        field->hide();
    }
    bsssbUI->setEnabled(true);
    bsssbUI->hide();
    bssEUI->clear();
    bssEUI->hide();
    bssLUI->hide();
    for (QLabel* label : bssLUIn)
        label->hide();
    for (QLineEdit* field : bssEUIn)
        field->hide();
}

void TLimiter::RGEClick()
{
    const int k = RGE->itemIndex();
    if (k != 0 && k != 1)
        return;
    kv::NumericEdit* chosen = k == 0 ? bsscEI : bsscEU;
    kv::NumericEdit* other = k == 0 ? bsscEU : bsscEI;
    other->hide();
    chosen->setEnabled(true);
    RGE->setEnabled(false);
    chosen->setFocus(Qt::OtherFocusReason);
    bsssbUI->show();
}

void TLimiter::bsscEIEnter()
{
    RGE->setItemIndex(0);
}

void TLimiter::bsscEUEnter()
{
    RGE->setItemIndex(1);
}

void TLimiter::bsssbUIClick()
{
    const int given = RGE->itemIndex();
    if (given != 0 && given != 1)
        return;
    const QString separator = decimalSeparator();
    const int k = bssCBkapcsT->currentIndex();
    const int n = kv::resistorCount(k);
    const std::array<float, 4> r{R1, R2, R3, R4};

    // The given total is stored before its test, as read.
    float current = I;
    float voltage = U;
    if (given == 0) {
        current = I = static_cast<float>(bsscEI->value());
        if (!(current > 0)) {
            bsSkinMessage1.showRefusal();
            return;
        }
        voltage = kv::storedProduct(Re, current);
    } else {
        voltage = U = static_cast<float>(bsscEU->value());
        if (!(voltage > 0)) {
            bsSkinMessage1.showRefusal();
            return;
        }
        current = kv::storedQuotient(voltage, Re);
    }
    std::array<float, 4> parts{};
    for (int i = 0; i < n; ++i)
        parts[i] = kv::isSeriesNetwork(k) ? kv::storedProduct(r[i], current)
                                          : kv::storedQuotient(voltage, r[i]);
    // A total or a part that leaves the single precision range (or a total
    // that rounds to 0) cannot be shown: refused like a zero.
    bool representable = finitePositive(current) && finitePositive(voltage);
    for (int i = 0; i < n; ++i)
        representable = representable && std::isfinite(parts[i]);
    if (!representable) {
        bsSkinMessage1.showRefusal();
        return;
    }

    bsssbUI->setEnabled(false);
    (given == 0 ? bsscEI : bsscEU)->setEnabled(false);
    bssEUI->show();
    bssLUI->show();
    I = current;
    U = voltage;
    if (given == 0) {
        bssEUI->setText(form::patterned("###0.## V", U, separator));
        bssLUI->setText(QStringLiteral("U ="));
        bssEUI->setAccessibleName(QStringLiteral("U"));
    } else {
        bssEUI->setText(form::patterned("##0.## A", I, separator));
        bssLUI->setText(QStringLiteral("I ="));
        bssEUI->setAccessibleName(QStringLiteral("I"));
    }
    if (n == 0)
        return;

    for (int i = 0; i < 4; ++i)
        bssLUIn[i]->setVisible(i < n);
    for (int i = 0; i < 4; ++i)
        bssEUIn[i]->setVisible(i < n);
    const bool series = kv::isSeriesNetwork(k);
    const std::array<float*, 4> members = series ? voltageMembers() : currentMembers();
    for (int i = 0; i < n; ++i)
        *members[i] = parts[i];
    for (int i = 0; i < n; ++i) {
        bssLUIn[i]->setText(QStringLiteral("%1%2:")
                                .arg(series ? QStringLiteral("U") : QStringLiteral("I"))
                                .arg(i + 1));
        bssEUIn[i]->setText(
            form::patterned(series ? "##0.## V" : "##0.## A", *members[i], separator));
        form::name(bssEUIn[i], bssLUIn[i]);
    }
}
