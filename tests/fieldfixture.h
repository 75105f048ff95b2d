// A shown window holding one numeric entry field (range 0 to 1000, two
// decimals) above a plain line edit, in a chosen locale.
#pragma once

#include "modalwatch.h"
#include "numericedit.h"

#include <QLineEdit>
#include <QTest>
#include <QVBoxLayout>

namespace testing
{

struct FieldFixture {
    explicit FieldFixture(const QLocale& locale = commaLocale())
    {
        window.setLocale(locale);
        auto* layout = new QVBoxLayout(&window);
        field = new kv::NumericEdit(&window);
        field->setMaxValue(1000);
        other = new QLineEdit(&window);
        layout->addWidget(field);
        layout->addWidget(other);
        window.setGeometry(100, 100, 400, 80); // wider than the drop-down calculator
        window.show();
    }

    bool activate()
    {
        window.activateWindow();
        return QTest::qWaitForWindowActive(&window);
    }

    QWidget window;
    kv::NumericEdit* field;
    QLineEdit* other;
};

} // namespace testing
