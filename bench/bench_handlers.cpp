// Time per click of each page's calculate handler (target: under 1 ms),
// run on the real main window offscreen.
#include "Limitercalc.h"
#include "numericedit.h"
#include "radiogroup.h"
#include "skin.h"

#include <QApplication>
#include <QComboBox>

#include <chrono>
#include <cstdio>
#include <functional>

namespace
{

void measure(const char* name, int rounds, const std::function<void()>& prepare,
             const std::function<void()>& calculate)
{
    double total = 0;
    for (int i = 0; i < rounds; ++i) {
        prepare();
        const auto start = std::chrono::steady_clock::now();
        calculate();
        total += std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start)
                     .count();
    }
    std::printf("%-34s %8.1f us per click (target < 1000 us)\n", name, total / rounds);
}

} // namespace

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    kv::applySkin(app);
    TLimiter w;
    w.show();
    QApplication::processEvents();
    constexpr int rounds = 2000;

    measure(
        "SPL (bsssbSPLCalClick)", rounds,
        [&] {
            w.bsSkinSpeedButton3Click();
            w.bsscEmaxP->setValue(500);
            w.bsscEE->setValue(97);
            w.bsscET->setValue(4);
        },
        [&] { w.bsssbSPLCalClick(); });

    measure(
        "gain (bsssbCalcErClick)", rounds,
        [&] {
            w.bsSkinSpeedButton5Click();
            w.bsscEEP->setValue(1000);
        },
        [&] { w.bsssbCalcErClick(); });

    measure(
        "limiter (bsssbLimiterClick)", rounds,
        [&] {
            w.bsssbClearLimClick();
            w.bssCBHT->setCurrentIndex(1);
            w.bssCBE->setCurrentIndex(1);
            w.bssCBL->setCurrentIndex(1);
        },
        [&] { w.bsssbLimiterClick(); });

    measure(
        "resistance (bsssbEllenallasClick)", rounds,
        [&] {
            w.bsssbURIClearClick();
            w.bssCBkapcsT->setCurrentIndex(5);
            for (kv::NumericEdit* field : w.bsscERn)
                field->setValue(8);
        },
        [&] { w.bsssbEllenallasClick(); });

    measure(
        "distribution (bsssbUIClick)", rounds,
        [&] {
            w.bsssbURIClearClick();
            w.bssCBkapcsT->setCurrentIndex(5);
            for (kv::NumericEdit* field : w.bsscERn)
                field->setValue(8);
            w.bsssbEllenallasClick();
            w.RGE->setItemIndex(1);
            w.bsscEU->setValue(20);
        },
        [&] { w.bsssbUIClick(); });
    return 0;
}
