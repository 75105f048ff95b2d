// Program entry: the application object, the main window, the about box,
// the event loop.
#include "Aboutus.h"
#include "Limitercalc.h"
#include "guardedapplication.h"
#include "skin.h"

int main(int argc, char* argv[])
{
    kv::GuardedApplication app(argc, argv);
    try {
        kv::GuardedApplication::setApplicationDisplayName(QStringLiteral("Kvintora kalkulátor"));
        kv::applySkin(app);
        TLimiter Limiter;
        TFAboutUs FAboutUs; // hidden until the maker panel is clicked
        Limiter.showAboutBox = [&FAboutUs] { FAboutUs.showAndRaise(); };
        Limiter.show();
        kv::GuardedApplication::exec();
    } catch (const std::exception& error) {
        kv::GuardedApplication::showException(error);
    }
    return 0;
}
