// An exception escaping the program's start-up is shown with the standard
// error display, and the entry still returns 0. Runs the real entry steps
// in a process of its own; exits non-zero when that does not hold.
#include "Limitercalc.h"
#include "Program.h"
#include "modalwatch.h"

#include <QMessageBox>
#include <QTest>

#include <cstdio>
#include <stdexcept>

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QString shown;
    testing::ModalWatch* watch = nullptr;
    const int result = runProgram(argc, argv, [&](TLimiter&) {
        // The display is modal: answer it from a timer of the running application.
        watch = new testing::ModalWatch([&](QWidget* dialog) {
            if (auto* box = qobject_cast<QMessageBox*>(dialog))
                shown = box->text();
            QTest::keyClick(dialog, Qt::Key_Return);
        });
        throw std::runtime_error("Indítási hiba");
    });
    delete watch;
    std::printf("entry returned %d after showing \"%s\"\n", result, qPrintable(shown));
    return result == 0 && shown == QStringLiteral("Indítási hiba") ? 0 : 1;
}
