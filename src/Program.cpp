#include "Program.h"

#include "Aboutus.h"
#include "Limitercalc.h"
#include "guardedapplication.h"
#include "skin.h"

int runProgram(int& argc, char** argv, const std::function<void(TLimiter&)>& started)
{
    kv::GuardedApplication app(argc, argv);
    try {
        kv::GuardedApplication::setApplicationDisplayName(QStringLiteral("Kvintora kalkulátor"));
        kv::GuardedApplication::setWindowIcon(kv::buttonImage(kv::Calculate));
        kv::applySkin(app);
        TLimiter Limiter;
        TFAboutUs FAboutUs; // hidden until the maker panel is clicked
        Limiter.showAboutBox = [&FAboutUs] { FAboutUs.showAndRaise(); };
        if (started)
            started(Limiter);
        Limiter.show();
        kv::GuardedApplication::exec();
    } catch (const std::exception& error) {
        kv::GuardedApplication::showException(error);
    }
    return 0;
}
