// Helpers the main window's page builders share: create a control with its
// form name, place it in its parent's coordinates.
#pragma once

#include "numberformat.h"
#include "numericedit.h"

#include <QLabel>
#include <QLineEdit>
#include <QRect>
#include <QString>
#include <QWidget>

#include <initializer_list>

namespace form
{

template <class Control, class... Args>
Control* place(QWidget* parent, const char* name, const QRect& geometry, Args&&... args)
{
    auto* control = new Control(std::forward<Args>(args)..., parent);
    control->setObjectName(QString::fromLatin1(name));
    control->setGeometry(geometry);
    return control;
}

// A numeric entry field with the given range and decimals, showing the text
// the form gives it (the value itself starts at 0).
inline kv::NumericEdit* numberField(QWidget* parent, const char* name, const QRect& geometry,
                                    double min, double max, int decimals,
                                    const QString& initialText)
{
    auto* field = place<kv::NumericEdit>(parent, name, geometry);
    field->setMinValue(min);
    field->setMaxValue(max);
    field->setDecimals(decimals);
    field->setInitialText(initialText);
    return field;
}

// "0" with `decimals` zeros after the locale's separator, as a form shows a
// field that holds 0.
inline QString zeroText(const QWidget* field, int decimals)
{
    const QString point = field->locale().decimalPoint();
    return QString::fromStdString(kv::floatToFixed(0, decimals, point.toStdString()));
}

// A read-only result field: only the program writes it, whatever the length.
inline QLineEdit* resultField(QWidget* parent, const char* name, const QRect& geometry)
{
    auto* field = place<QLineEdit>(parent, name, geometry);
    field->setReadOnly(true);
    QPalette palette = field->palette();
    palette.setColor(QPalette::Active, QPalette::Base, QColor(0xf5, 0xf7, 0xfa));
    palette.setColor(QPalette::Inactive, QPalette::Base, QColor(0xf5, 0xf7, 0xfa));
    field->setPalette(palette);
    return field;
}

// Names a control after the label that captions it (without the colon), for
// assistive technology, and makes the label its buddy.
inline void name(QWidget* control, QLabel* caption)
{
    QString text = caption->text().trimmed();
    if (text.endsWith(QLatin1Char(':')))
        text.chop(1);
    control->setAccessibleName(text);
    caption->setBuddy(control);
}

// Locks (disables) the controls, in the order given.
inline void lock(std::initializer_list<QWidget*> controls)
{
    for (QWidget* control : controls)
        control->setEnabled(false);
}

// Hides the controls, in the order given.
inline void hide(std::initializer_list<QWidget*> controls)
{
    for (QWidget* control : controls)
        control->hide();
}

// A number written with a number pattern and the given decimal separator.
inline QString patterned(const char* pattern, long double x, const QString& separator)
{
    return QString::fromStdString(kv::formatFloat(pattern, x, separator.toStdString()));
}

} // namespace form
