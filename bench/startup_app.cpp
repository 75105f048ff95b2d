// The calculator as its entry builds it, for the start-up benchmark:
//   bench_startup_app          exits at the main window's first expose
//   bench_startup_app idle S   runs S seconds with the clock ticking, then ends
#include "Limitercalc.h"
#include "Program.h"
#include "exposewatch.h"

#include <QCoreApplication>
#include <QTimer>

#include <cstdlib>
#include <cstring>

int main(int argc, char* argv[])
{
    const bool idle = argc > 2 && std::strcmp(argv[1], "idle") == 0;
    const int seconds = idle ? std::atoi(argv[2]) : 0;
    return runProgram(argc, argv, [&](TLimiter& window) {
        if (idle)
            QTimer::singleShot(seconds * 1000, qApp, &QCoreApplication::quit);
        else
            ExposeWatch::install(window);
    });
}
