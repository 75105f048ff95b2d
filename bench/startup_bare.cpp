// A bare Qt Widgets window of the calculator's size, for comparison:
//   bench_startup_bare        an empty window
//   bench_startup_bare text   the same with one line of text, which makes Qt
//                             set up its font database as any window with
//                             text must
#include "exposewatch.h"

#include <QApplication>
#include <QLabel>
#include <QWidget>

#include <cstring>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.resize(400, 361);
    if (argc > 1 && std::strcmp(argv[1], "text") == 0)
        (new QLabel(QStringLiteral("Kvintora kalkulátor"), &window))->move(10, 10);
    ExposeWatch::install(window);
    window.show();
    return QApplication::exec();
}
