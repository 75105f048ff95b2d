// Using the calculator without a mouse: F9 and F8 on every page, names for
// assistive technology, and copying history lines.
#include "historylist.h"
#include "radiogroup.h"
#include "windowfixture.h"

#include <QAccessible>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QMenu>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTabWidget>

using testing::WindowFixture;

namespace
{

bool activate(WindowFixture& f)
{
    f.window.activateWindow();
    return QTest::qWaitForWindowActive(&f.window);
}

// Presses a key where the keyboard focus is, counting refusal messages.
int pressCountingRefusals(Qt::Key key)
{
    int refusals = 0;
    testing::ModalWatch watch([&](QWidget* dialog) {
        ++refusals;
        QTest::keyClick(dialog, Qt::Key_Return);
    });
    QWidget* target = QApplication::focusWidget();
    if (!target)
        target = QApplication::activeWindow();
    QTest::keyClick(target, key);
    return refusals;
}

// Picks `actionName` in the context menu a right-click on `list` opens.
void pickFromContextMenu(QListWidget* list, const char* actionName)
{
    QTimer::singleShot(0, [actionName] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!menu)
            return;
        if (auto* action = menu->findChild<QAction*>(QString::fromLatin1(actionName)))
            action->trigger();
        menu->close();
    });
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5),
                            list->viewport()->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(list->viewport(), &event);
}

} // namespace

class TestKeyboard : public QObject
{
    Q_OBJECT

private slots:
    void f9AndF8OnTheSplPage();
    void f9RefusesLikeAClick();
    void f9AndF8OnTheLimiterPage();
    void f9FollowsTheUriPageStage();
    void lockedButtonIgnoresF9();
    void everyControlHasAName();
    void historyLinesCanBeCopied();
};

void TestKeyboard::f9AndF8OnTheSplPage()
{
    WindowFixture f;
    QVERIFY(activate(f));
    f.field("bsscEmaxP")->setFocus();
    f.type("bsscEmaxP", QStringLiteral("100"));
    QTest::keyClick(f.field("bsscEmaxP"), Qt::Key_Tab);
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("90"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), f.field("bsscET"));
    f.type("bsscET", QStringLiteral("10"));
    QCOMPARE(pressCountingRefusals(Qt::Key_F9), 0);
    QCOMPARE(f.text("bssEH"), QStringLiteral("110 dB"));
    QVERIFY(!f.enabled("bsssbSPLCal"));
    f.find<QTabWidget>("bsSkinPageControl1")->setFocus();
    QCOMPARE(pressCountingRefusals(Qt::Key_F8), 0);
    QCOMPARE(f.text("bssEH"), QString());
    QVERIFY(f.enabled("bsssbSPLCal"));
    QCOMPARE(f.lines("bsslbSPL").size(), 1);
}

void TestKeyboard::f9RefusesLikeAClick()
{
    WindowFixture f;
    QVERIFY(activate(f));
    f.window.bsSkinPageControl1->setCurrentIndex(1);
    f.field("bsscEEP")->setFocus();
    QSignalSpy beeps(f.field("bsscEEP"), &kv::NumericEdit::keyRefused);
    QTest::keyClick(f.field("bsscEEP"), Qt::Key_Return);
    QCOMPARE(beeps.count(), 1);
    QVERIFY(f.lines("bsslbErosites").isEmpty());
    QCOMPARE(pressCountingRefusals(Qt::Key_F9), 1); // P is 0
    QCOMPARE(f.lines("bsslbErosites"), QStringList{" erosítése: "});
}

void TestKeyboard::f9AndF8OnTheLimiterPage()
{
    WindowFixture f;
    QVERIFY(activate(f));
    f.window.bsSkinPageControl1->setCurrentIndex(2);
    f.pick("bssCBHT", 1);
    f.pick("bssCBE", 1);
    f.pick("bssCBL", 1);
    f.window.bssCBL->setFocus();
    QCOMPARE(pressCountingRefusals(Qt::Key_F9), 0);
    QCOMPARE(f.text("bssELH"), QStringLiteral("1,26 dB (Threshold)"));
    QCOMPARE(pressCountingRefusals(Qt::Key_F8), 0);
    QCOMPARE(f.text("bssELH"), QString());
    QCOMPARE(f.window.bssCBHT->currentIndex(), 0);
}

void TestKeyboard::f9FollowsTheUriPageStage()
{
    WindowFixture f;
    QVERIFY(activate(f));
    f.window.bsSkinPageControl1->setCurrentIndex(3);
    f.field("bsscER1")->setFocus();
    f.type("bsscER1", QStringLiteral("4"));
    f.type("bsscER2", QStringLiteral("4"));
    QCOMPARE(pressCountingRefusals(Qt::Key_F9), 0);
    QCOMPARE(f.text("bssEEeredo"), QStringLiteral("8 ohm"));
    // Into the second stage by Tab: the current field is entered and chosen.
    f.window.RGE->item(1)->setFocus();
    QTest::keyClick(f.window.RGE->item(1), Qt::Key_Tab);
    QTRY_COMPARE(QApplication::focusWidget(), f.field("bsscEI"));
    QCOMPARE(f.window.RGE->itemIndex(), 0);
    f.type("bsscEI", QStringLiteral("2"));
    QCOMPARE(pressCountingRefusals(Qt::Key_F9), 0);
    QCOMPARE(f.text("bssEUI"), QStringLiteral("16 V"));
    QCOMPARE(pressCountingRefusals(Qt::Key_F8), 0);
    QVERIFY(f.window.RGE->isHidden());
}

void TestKeyboard::lockedButtonIgnoresF9()
{
    WindowFixture f;
    QVERIFY(activate(f));
    f.window.bsSkinPageControl1->setCurrentIndex(1);
    f.type("bsscEEP", QStringLiteral("100"));
    f.field("bsscEEP")->setFocus();
    QCOMPARE(pressCountingRefusals(Qt::Key_F9), 0);
    QCOMPARE(f.lines("bsslbErosites").size(), 1);
    QCOMPARE(pressCountingRefusals(Qt::Key_F9), 0); // locked: nothing happens
    QCOMPARE(f.lines("bsslbErosites").size(), 1);
}

void TestKeyboard::everyControlHasAName()
{
    WindowFixture f;
    QStringList unnamed;
    const QList<QWidget*> controls = f.window.findChildren<QWidget*>();
    for (QWidget* w : controls) {
        const bool input = qobject_cast<QLineEdit*>(w) || qobject_cast<QComboBox*>(w) ||
                           qobject_cast<QListWidget*>(w) || qobject_cast<QAbstractButton*>(w);
        if (!input || w->objectName().isEmpty() ||
            w->objectName() == QLatin1String("qt_spinbox_lineedit"))
            continue;
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(w);
        if (!face || face->text(QAccessible::Name).trimmed().isEmpty())
            unnamed << w->objectName();
    }
    QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(QLatin1String(", "))));
    QCOMPARE(f.window.bsscEmaxP->accessibleName(), QStringLiteral("Hangfal max P"));
    QCOMPARE(f.window.bsscER->accessibleName(), QStringLiteral("A hangfal ellenállása"));
}

void TestKeyboard::historyLinesCanBeCopied()
{
    WindowFixture f;
    QVERIFY(activate(f));
    for (const char* name : {"Hall", "Kert"}) {
        f.click("bsSkinSpeedButton3");
        f.typeText("bssEnev", QString::fromLatin1(name));
        f.type("bsscEmaxP", QStringLiteral("100"));
        f.type("bsscEE", QStringLiteral("90"));
        f.type("bsscET", QStringLiteral("10"));
        f.click("bsssbSPLCal");
    }
    auto* list = f.find<kv::HistoryList>("bsslbSPL");
    list->setFocus();
    list->setCurrentRow(1);
    QApplication::clipboard()->clear();
    QTest::keyClick(list, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("Kert.....110 dB/1m.....90 dB/10m"));

    pickFromContextMenu(list, "copyAllAction");
    QCOMPARE(QApplication::clipboard()->text(),
             QStringLiteral("Hall.....110 dB/1m.....90 dB/10m\nKert.....110 dB/1m.....90 dB/10m"));
    list->setCurrentRow(0);
    pickFromContextMenu(list, "copyAction");
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("Hall.....110 dB/1m.....90 dB/10m"));
}

QTEST_MAIN(TestKeyboard)
#include "tst_keyboard.moc"
