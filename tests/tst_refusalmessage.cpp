// The refusal message: its texts, its one OK button and the ways to close it.
#include "modalwatch.h"
#include "refusalmessage.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

class TestRefusalMessage : public QObject
{
    Q_OBJECT

private slots:
    void showsTwoLinesAndOneButton();
    void closes_data();
    void closes();
};

void TestRefusalMessage::showsTwoLinesAndOneButton()
{
    QWidget parent;
    parent.show();
    QString title, text;
    QList<QPushButton*> buttons;
    int imageLabels = -1;
    testing::ModalWatch watch([&](QWidget* dialog) {
        title = dialog->windowTitle();
        const auto labels = dialog->findChildren<QLabel*>();
        imageLabels = 0;
        for (QLabel* label : labels) {
            if (!label->pixmap().isNull())
                ++imageLabels;
            else
                text = label->text();
        }
        buttons = dialog->findChildren<QPushButton*>();
        QTest::keyClick(dialog, Qt::Key_Return);
    });
    QCOMPARE(kv::showRefusalMessage(&parent), int(QDialog::Accepted));
    QVERIFY(watch.seen());

    QCOMPARE(title, QStringLiteral("Kvintora üzenet"));
    QCOMPARE(text, QStringLiteral(
                       "Message:\t\t\t\nA muvelet 0-val és negatív számmal nem hajtható végre!"));
    QCOMPARE(text.split(QLatin1Char('\n')).size(), 2);
    QCOMPARE(imageLabels, 0);
    QCOMPARE(buttons.size(), 1);
}

void TestRefusalMessage::closes_data()
{
    QTest::addColumn<int>("key"); // 0: click the button
    QTest::newRow("enter") << int(Qt::Key_Return);
    QTest::newRow("esc") << int(Qt::Key_Escape);
    QTest::newRow("click") << 0;
}

void TestRefusalMessage::closes()
{
    QFETCH(int, key);
    QWidget parent;
    parent.show();
    bool isDefault = false;
    testing::ModalWatch watch([&](QWidget* dialog) {
        auto* ok = dialog->findChild<QPushButton*>(QStringLiteral("okButton"));
        isDefault = ok && ok->isDefault() && ok->text() == QLatin1String("OK");
        if (key == 0 && ok)
            QTest::mouseClick(ok, Qt::LeftButton);
        else
            QTest::keyClick(dialog, Qt::Key(key));
    });
    // Closed by the key, not by the watchdog's time-out.
    QElapsedTimer clock;
    clock.start();
    QCOMPARE(kv::showRefusalMessage(&parent), int(QDialog::Accepted));
    QVERIFY(clock.elapsed() < 4000);
    QVERIFY(isDefault);
    // Created per showing: nothing of it is left.
    QVERIFY(!parent.findChild<QDialog*>());
}

QTEST_MAIN(TestRefusalMessage)
#include "tst_refusalmessage.moc"
