// A bare Qt Widgets window of the calculator's size, for comparison.
#include "exposewatch.h"

#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.resize(400, 361);
    ExposeWatch::install(window);
    window.show();
    return QApplication::exec();
}
