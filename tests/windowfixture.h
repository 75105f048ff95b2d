// A shown main window with a fixed clock and a chosen locale, and helpers to
// drive it as a user would: type into fields, click buttons, pick rows.
#pragma once

#include "Limitercalc.h"
#include "modalwatch.h"
#include "numericedit.h"
#include "skin.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>

namespace testing
{

struct WindowFixture {
    explicit WindowFixture(const QLocale& locale = commaLocale())
        : skinned((kv::applySkin(*qApp), true)), window(
                                                     nullptr, [this] { return now; }, locale)
    {
        window.show();
    }

    template <class T = QWidget> T* find(const char* name) const
    {
        return window.findChild<T*>(QString::fromLatin1(name));
    }

    kv::NumericEdit* field(const char* name) const { return find<kv::NumericEdit>(name); }

    // Replaces a field's text by typing, key by key; "," stands for the
    // locale's decimal separator.
    void type(kv::NumericEdit* edit, QString text) const
    {
        text.replace(QLatin1Char(','), edit->decimalSeparator());
        edit->selectAll();
        QTest::keyClicks(edit, text);
    }

    void type(const char* name, const QString& text) const { type(field(name), text); }

    void typeText(const char* name, const QString& text) const
    {
        auto* edit = find<QLineEdit>(name);
        edit->selectAll();
        QTest::keyClicks(edit, text);
    }

    void click(const char* name) const
    {
        auto* button = find<QAbstractButton>(name);
        QVERIFY2(button, name);
        QTest::mouseClick(button, Qt::LeftButton);
    }

    // Clicks a button and answers every refusal message it shows with Enter;
    // returns how many were shown.
    int clickCountingRefusals(const char* name) const
    {
        bool rightDialog = true;
        ModalWatch watch([&](QWidget* dialog) {
            rightDialog = rightDialog && dialog->windowTitle() == QStringLiteral("Kvintora üzenet");
            QTest::keyClick(dialog, Qt::Key_Return);
        });
        click(name);
        return rightDialog ? watch.count() : -1;
    }

    // Picks a list row as the user does: opens the drop-down part, moves to
    // the row and presses Enter.
    void pick(const char* name, int row) const
    {
        auto* list = find<QComboBox>(name);
        QVERIFY2(list, name);
        list->showPopup();
        QAbstractItemView* view = list->view();
        QTRY_VERIFY(view->isVisible());
        view->setCurrentIndex(list->model()->index(row, 0));
        QTest::keyClick(view, Qt::Key_Return);
        QTRY_VERIFY(!view->isVisible());
        QCOMPARE(list->currentIndex(), row);
    }

    QString text(const char* name) const
    {
        if (auto* edit = find<QLineEdit>(name))
            return edit->text();
        if (auto* label = find<QLabel>(name))
            return label->text();
        return QStringLiteral("<no %1>").arg(QLatin1String(name));
    }

    QStringList lines(const char* name) const
    {
        QStringList result;
        auto* list = find<QListWidget>(name);
        for (int i = 0; list && i < list->count(); ++i)
            result << list->item(i)->text();
        return result;
    }

    bool enabled(const char* name) const { return find(name)->isEnabled(); }
    bool shown(const char* name) const { return !find(name)->isHidden(); }

    // Writes the locale's separator for ",".
    QString local(QString text) const
    {
        return text.replace(QLatin1Char(','), window.locale().decimalPoint());
    }

    QDateTime now{QDate(2026, 3, 5), QTime(9, 7, 3)};
    bool skinned; // the program's look, as its entry sets it, before the window is built
    TLimiter window;
};

} // namespace testing
