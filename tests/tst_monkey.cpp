// Seeded random user actions on the real main window. After every action:
// each field's value lies in its range, no result shows "INF" or "NAN",
// every calculate click on the SPL and gain pages adds exactly one history
// line, and each page's lock state is one its handlers can leave.
//
//   KV_MONKEY_SEED=N      run one seed (a failing seed is printed)
//   KV_MONKEY_ACTIONS=N   actions per seed (default 1500)
#include "calcpopup.h"
#include "historylist.h"
#include "radiogroup.h"
#include "skincontrols.h"
#include "windowfixture.h"

#include <QCheckBox>
#include <QClipboard>
#include <QPushButton>
#include <QRadioButton>
#include <QRandomGenerator>
#include <QTabWidget>
#include <QToolButton>

using testing::WindowFixture;

namespace
{

template <class T> QList<T*> usable(const QWidget* page)
{
    QList<T*> result;
    for (T* w : page->findChildren<T*>()) {
        if (w->isVisibleTo(page) && w->isEnabled() && !w->objectName().isEmpty())
            result << w;
    }
    return result;
}

class Monkey
{
public:
    Monkey(WindowFixture& f, quint32 seed) : f_(f), w_(f.window), random_(seed) {}

    // Performs one random action; returns a description of it.
    QString act()
    {
        QWidget* page = w_.bsSkinPageControl1->currentWidget();
        switch (random_.bounded(12)) {
        case 0: {
            const int index = int(random_.bounded(4));
            w_.bsSkinPageControl1->setCurrentIndex(index);
            return QStringLiteral("page %1").arg(index);
        }
        case 1:
        case 2:
            return typeInto(usable<kv::NumericEdit>(page));
        case 3:
            return pasteInto(usable<kv::NumericEdit>(page));
        case 4:
        case 5:
            return clickButton(usable<kv::SpeedButton>(page));
        case 6:
            return pickRow(usable<QComboBox>(page));
        case 7: {
            const auto boxes = usable<QCheckBox>(page);
            if (boxes.isEmpty())
                return QStringLiteral("no check box");
            QTest::mouseClick(boxes.first(), Qt::LeftButton, {}, QPoint(8, 11));
            return QStringLiteral("bridge box");
        }
        case 8: {
            const auto items = usable<QRadioButton>(page);
            if (items.isEmpty())
                return QStringLiteral("no radio item");
            QRadioButton* item = items[int(random_.bounded(int(items.size())))];
            QTest::mouseClick(item, Qt::LeftButton, {}, QPoint(6, 11));
            return QStringLiteral("radio %1").arg(item->text());
        }
        case 9: {
            const auto fields = usable<kv::NumericEdit>(page);
            if (fields.isEmpty())
                return QStringLiteral("no field to enter");
            kv::NumericEdit* field = fields[int(random_.bounded(int(fields.size())))];
            QTest::mouseClick(field, Qt::LeftButton, {}, QPoint(8, field->height() / 2));
            return QStringLiteral("enter %1").arg(field->objectName());
        }
        case 10:
            return useCalculator(usable<kv::NumericEdit>(page));
        default: {
            const auto names = usable<QLineEdit>(page);
            for (QLineEdit* edit : names) {
                if (!edit->isReadOnly() && !qobject_cast<kv::NumericEdit*>(edit)) {
                    edit->selectAll();
                    QTest::keyClicks(edit, QStringLiteral("Nev%1xyz").arg(random_.bounded(100)));
                    return QStringLiteral("name %1").arg(edit->objectName());
                }
            }
            return QStringLiteral("no name field");
        }
        }
    }

    int expectedSplLines = 0;
    int expectedGainLines = 0;

private:
    QString randomKeys(int count)
    {
        static const QString keys = QStringLiteral("0123456789,,..--5e x\b\b");
        QString text;
        for (int i = 0; i < count; ++i)
            text += keys[int(random_.bounded(int(keys.size())))];
        return text;
    }

    QString typeInto(const QList<kv::NumericEdit*>& fields)
    {
        if (fields.isEmpty())
            return QStringLiteral("no field to type into");
        kv::NumericEdit* field = fields[int(random_.bounded(int(fields.size())))];
        if (random_.bounded(2))
            field->selectAll();
        const QString keys = randomKeys(1 + int(random_.bounded(12)));
        for (const QChar c : keys) {
            if (c == QLatin1Char('\b'))
                QTest::keyClick(field, Qt::Key_Backspace);
            else
                QTest::keyClick(field, c.toLatin1());
        }
        if (random_.bounded(8) == 0)
            QTest::keyClick(field, Qt::Key_Return);
        return QStringLiteral("type \"%1\" into %2").arg(keys, field->objectName());
    }

    QString pasteInto(const QList<kv::NumericEdit*>& fields)
    {
        if (fields.isEmpty())
            return QStringLiteral("no field to paste into");
        kv::NumericEdit* field = fields[int(random_.bounded(int(fields.size())))];
        QString text = randomKeys(int(random_.bounded(40)));
        if (random_.bounded(10) == 0)
            text = QString(int(random_.bounded(1, 2000)), QLatin1Char('9'));
        if (random_.bounded(10) == 0)
            text = QStringLiteral("0,") +
                   QString(int(random_.bounded(300, 330)), QLatin1Char('0')) + QStringLiteral("1");
        QApplication::clipboard()->setText(text);
        field->selectAll();
        QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
        return QStringLiteral("paste %1 chars into %2").arg(text.size()).arg(field->objectName());
    }

    QString clickButton(const QList<kv::SpeedButton*>& buttons)
    {
        if (buttons.isEmpty())
            return QStringLiteral("no button");
        kv::SpeedButton* button = buttons[int(random_.bounded(int(buttons.size())))];
        if (button == w_.bsssbSPLCal)
            ++expectedSplLines;
        if (button == w_.bsssbCalcEr)
            ++expectedGainLines;
        if (button == w_.bsSkinSpeedButton1)
            expectedSplLines = 0;
        if (button == w_.bsSkinSpeedButton2)
            expectedGainLines = 0;
        QTest::mouseClick(button, Qt::LeftButton);
        return QStringLiteral("click %1").arg(button->objectName());
    }

    QString pickRow(const QList<QComboBox*>& lists)
    {
        if (lists.isEmpty())
            return QStringLiteral("no list");
        QComboBox* list = lists[int(random_.bounded(int(lists.size())))];
        const Qt::Key keys[] = {Qt::Key_Down, Qt::Key_Up, Qt::Key_Home, Qt::Key_End};
        const Qt::Key key = keys[random_.bounded(4)];
        QTest::keyClick(list, key);
        return QStringLiteral("key %1 in %2").arg(int(key)).arg(list->objectName());
    }

    QString useCalculator(const QList<kv::NumericEdit*>& fields)
    {
        if (fields.isEmpty())
            return QStringLiteral("no calculator");
        kv::NumericEdit* field = fields[int(random_.bounded(int(fields.size())))];
        field->openCalculator();
        kv::CalcPopup* popup = field->calculator();
        if (!popup || !popup->isVisible())
            return QStringLiteral("calculator did not open");
        const auto keys = popup->findChildren<QPushButton*>();
        QString pressed;
        for (int i = 0, n = 1 + int(random_.bounded(10)); i < n; ++i) {
            QPushButton* key = keys[int(random_.bounded(int(keys.size())))];
            if (!popup->isVisible())
                break;
            pressed += key->objectName() + QLatin1Char(' ');
            QTest::mouseClick(key, Qt::LeftButton);
        }
        field->closeCalculator();
        return QStringLiteral("calculator of %1: %2").arg(field->objectName(), pressed);
    }

    WindowFixture& f_;
    TLimiter& w_;
    QRandomGenerator random_;
};

// The invariants; returns what is wrong, or an empty text.
QString checkInvariants(const WindowFixture& f, const Monkey& monkey)
{
    const TLimiter& w = f.window;
    for (kv::NumericEdit* field : w.findChildren<kv::NumericEdit*>()) {
        const double v = field->value();
        if (!(v >= field->minValue() && v <= field->maxValue()))
            return QStringLiteral("%1 holds %2 outside its range").arg(field->objectName()).arg(v);
    }
    QStringList texts;
    for (const QLineEdit* edit : w.findChildren<QLineEdit*>())
        texts << edit->text();
    for (const QLabel* label : w.findChildren<QLabel*>())
        texts << label->text();
    texts << f.lines("bsslbSPL") << f.lines("bsslbErosites");
    for (const QString& text : texts) {
        if (text.contains(QLatin1String("INF")) || text.contains(QLatin1String("NAN")))
            return QStringLiteral("a result shows \"%1\"").arg(text);
    }
    if (w.bsslbSPL->count() != monkey.expectedSplLines)
        return QStringLiteral("SPL history has %1 lines, expected %2")
            .arg(w.bsslbSPL->count())
            .arg(monkey.expectedSplLines);
    if (w.bsslbErosites->count() != monkey.expectedGainLines)
        return QStringLiteral("gain history has %1 lines, expected %2")
            .arg(w.bsslbErosites->count())
            .arg(monkey.expectedGainLines);

    // SPL and gain: the calculate button is locked exactly with the inputs,
    // and then the results are shown.
    const bool splDone = !w.bsssbSPLCal->isEnabled();
    for (const QWidget* c :
         {static_cast<const QWidget*>(w.bssEnev), static_cast<const QWidget*>(w.bsscEmaxP),
          static_cast<const QWidget*>(w.bsscEE), static_cast<const QWidget*>(w.bsscET)})
        if (c->isEnabled() == splDone)
            return QStringLiteral("SPL lock state mixed at %1").arg(c->objectName());
    if (splDone == w.bssEH->text().isEmpty())
        return QStringLiteral("SPL results and lock disagree");
    const bool gainDone = !w.bsssbCalcEr->isEnabled();
    for (const QWidget* c :
         {static_cast<const QWidget*>(w.bssEEnev), static_cast<const QWidget*>(w.bsscEEP),
          static_cast<const QWidget*>(w.bsscEEU)})
        if (c->isEnabled() == gainDone)
            return QStringLiteral("gain lock state mixed at %1").arg(c->objectName());
    if (gainDone == w.bssEEE->text().isEmpty())
        return QStringLiteral("gain result and lock disagree");

    // Limiter: locked panels go with the locked button; the box shows the flag.
    const bool limiterDone = !w.bsssbLimiter->isEnabled();
    for (const QWidget* c :
         {static_cast<const QWidget*>(w.bsspH), static_cast<const QWidget*>(w.bsspE),
          static_cast<const QWidget*>(w.bssceOffset), static_cast<const QWidget*>(w.bssCBL)})
        if (c->isEnabled() == limiterDone)
            return QStringLiteral("limiter lock state mixed at %1").arg(c->objectName());
    if (w.bssCRBhid->isChecked() != (w.bridgeFlag == 1))
        return QStringLiteral("bridge box and flag disagree");
    if (limiterDone == w.bssELH->text().isEmpty())
        return QStringLiteral("threshold and lock disagree");

    // URI: the second stage is shown exactly while the network is locked.
    const bool resistanceDone = !w.bsssbEllenallas->isEnabled();
    if (w.bssCBkapcsT->isEnabled() == resistanceDone)
        return QStringLiteral("network list and button disagree");
    if (w.RGE->isHidden() == resistanceDone)
        return QStringLiteral("second stage shown while the network is open, or hidden after");
    if (resistanceDone == w.bssEEeredo->text().isEmpty())
        return QStringLiteral("equivalent resistance and lock disagree");
    if (!w.bssEUI->isHidden() && w.bsssbUI->isEnabled())
        return QStringLiteral("distribution shown with its button usable");
    return {};
}

QList<quint32> defaultSeeds()
{
    // Regression rows: add a seed here when it has found a fault.
    return {20261211, 1, 4242};
}

} // namespace

class TestMonkey : public QObject
{
    Q_OBJECT

private slots:
    void randomActions_data();
    void randomActions();
};

void TestMonkey::randomActions_data()
{
    QTest::addColumn<quint32>("seed");
    QTest::addColumn<QString>("locale");
    bool ok = false;
    const quint32 chosen = qEnvironmentVariable("KV_MONKEY_SEED").toUInt(&ok);
    const QList<quint32> seeds = ok ? QList<quint32>{chosen} : defaultSeeds();
    for (int i = 0; i < seeds.size(); ++i) {
        const char* locale = i % 2 ? "point" : "comma";
        QTest::addRow("seed %u [%s]", seeds[i], locale) << seeds[i] << QString::fromLatin1(locale);
    }
}

void TestMonkey::randomActions()
{
    QFETCH(quint32, seed);
    QFETCH(QString, locale);
    bool ok = false;
    int actions = qEnvironmentVariable("KV_MONKEY_ACTIONS").toInt(&ok);
    if (!ok || actions <= 0)
        actions = 1500;

    WindowFixture f(testing::localeNamed(locale));
    f.window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&f.window));
    QString wrongDialog;
    testing::ModalWatch watch(
        [&](QWidget* dialog) {
            if (dialog->windowTitle() != QStringLiteral("Kvintora üzenet"))
                wrongDialog = dialog->windowTitle();
            QTest::keyClick(dialog, Qt::Key_Return);
        },
        60000);

    Monkey monkey(f, seed);
    QStringList recent;
    for (int i = 0; i < actions; ++i) {
        recent << monkey.act();
        if (recent.size() > 8)
            recent.removeFirst();
        const QString wrong = wrongDialog.isEmpty()
                                  ? checkInvariants(f, monkey)
                                  : QStringLiteral("unexpected dialog ") + wrongDialog;
        if (!wrong.isEmpty()) {
            QFAIL(qPrintable(QStringLiteral("seed %1, action %2: %3\nlast actions: %4")
                                 .arg(seed)
                                 .arg(i)
                                 .arg(wrong, recent.join(QLatin1String(" | ")))));
        }
    }
    qInfo("seed %u: %d actions, %d refusal messages answered", seed, actions, watch.count());
}

QTEST_MAIN(TestMonkey)
#include "tst_monkey.moc"
