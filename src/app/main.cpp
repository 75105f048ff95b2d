// Program entry. For now a small window with the numeric entry fields.
#include "numericedit.h"
#include "refusalmessage.h"

#include <QApplication>
#include <QFormLayout>
#include <QPushButton>
#include <QWidget>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationDisplayName(QStringLiteral("Kvintora kalkulátor"));

    QWidget window;
    window.setWindowTitle(QStringLiteral("Kvintora kalkulátor"));
    auto* form = new QFormLayout(&window);
    auto addField = [&](const QString& caption, double max, int decimals) {
        auto* edit = new kv::NumericEdit(&window);
        edit->setMaxValue(max);
        edit->setDecimals(decimals);
        form->addRow(caption, edit);
        return edit;
    };
    addField(QStringLiteral("Hangfal max P:"), 1000000, 2);
    addField(QStringLiteral("Hangfal érzékenység:"), 1000, 2);
    addField(QStringLiteral("Ube:"), 10000, 3)->setValue(0.775);
    auto* refuse = new QPushButton(QStringLiteral("Üzenet"), &window);
    QObject::connect(refuse, &QPushButton::clicked, &window,
                     [&window] { kv::showRefusalMessage(&window); });
    form->addRow(refuse);
    window.show();
    return app.exec();
}
