// The main window as it starts: title, size, pages, clock, the preset lists'
// first rows and the skinned caption bar.
#include "circuitpicture.h"
#include "radiogroup.h"
#include "skin.h"
#include "skincontrols.h"
#include "skinform.h"
#include "windowfixture.h"

#include <QCheckBox>
#include <QMenu>
#include <QMessageBox>
#include <QScreen>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>

using testing::WindowFixture;

class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void startState_data();
    void startState();
    void listsStartOnTheirFirstRow();
    void everyControlHasItsName();
    void clockIsWrittenAtOnceAndEverySecond();
    void clockUsesTheLocaleTimeSeparator();
    void speedButtonImages();
    void makerPanelAsksForTheAboutBox();
    void captionBar();
};

void TestMainWindow::startState_data()
{
    QTest::addColumn<QString>("locale");
    QTest::newRow("comma") << "comma";
    QTest::newRow("point") << "point";
}

void TestMainWindow::startState()
{
    QFETCH(QString, locale);
    WindowFixture f(testing::localeNamed(locale));
    TLimiter& w = f.window;

    QCOMPARE(w.windowTitle(), QStringLiteral("Kvintora kalkulátor"));
    QCOMPARE(w.clientArea()->size(), QSize(398, 335));
    QCOMPARE(w.minimumSize(), w.maximumSize()); // fixed size
    QCOMPARE(w.bsSkinPageControl1->currentWidget(), w.bsSkinTabSheet1);
    QCOMPARE(w.bsSkinPageControl1->count(), 4);
    const QStringList captions{"SPL", "Erősítés", "Limiter", "URI"};
    for (int i = 0; i < 4; ++i)
        QCOMPARE(w.bsSkinPageControl1->tabText(i), captions[i]);

    // Centred on the desktop when first shown.
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    const QPoint centre = w.screen()->availableGeometry().center();
    QVERIFY((w.frameGeometry().center() - centre).manhattanLength() <= 2);

    // Every page holds its panels whole.
    for (QWidget* page :
         {w.bsSkinTabSheet2, w.bsSkinTabSheet3, w.bsSkinTabSheet4, w.bsSkinTabSheet1}) {
        w.bsSkinPageControl1->setCurrentWidget(page);
        QApplication::processEvents();
        for (kv::SkinPanel* panel : page->findChildren<kv::SkinPanel*>(Qt::FindDirectChildrenOnly))
            QVERIFY2(page->rect().contains(panel->geometry()), qPrintable(panel->objectName()));
    }

    // The clock is filled at once.
    QCOMPARE(w.bssspClock->text(), QStringLiteral("2026.03.05  09:07:03"));
    QCOMPARE(w.bsSkinStatusPanel2->text(), QStringLiteral("Bravonix"));

    // The gain page's input voltage, every other field at 0.
    QCOMPARE(w.bsscEEU->value(), 0.775);
    QCOMPARE(w.bsscEEU->text(), f.local("0,775"));
    for (kv::NumericEdit* field : {w.bsscEmaxP, w.bsscEE, w.bsscET, w.bsscEEP, w.bsscEP, w.bsscER,
                                   w.bsscEG, w.bssceOffset, w.bsscERn[0], w.bsscEI, w.bsscEU})
        QCOMPARE(field->value(), 0.0);
    QCOMPARE(w.bsscEmaxP->text(), QStringLiteral("0"));
    QCOMPARE(w.bsscET->text(), f.local("0,00"));
    QCOMPARE(w.bsscERn[0]->text(), f.local("0,00"));

    // Empty results and histories.
    for (const char* name : {"bssEH", "bssEPl", "bssEEE", "bssELH", "bssEEeredo", "bssEnev"})
        QCOMPARE(f.text(name), QString());
    QVERIFY(f.lines("bsslbSPL").isEmpty());
    QVERIFY(f.lines("bsslbErosites").isEmpty());
    QCOMPARE(w.bsSkinSpeedButton1->imageIndex(), int(kv::TrashEmpty));
    QCOMPARE(w.bridgeFlag, 0);
    QCOMPARE(w.Re, 0.0f);
}

void TestMainWindow::listsStartOnTheirFirstRow()
{
    WindowFixture f;
    TLimiter& w = f.window;
    QCOMPARE(w.bssCBkapcsT->currentText(), QStringLiteral("Soros -> 2 ellenállással"));
    for (QComboBox* list : {w.bssCBHT, w.bssCBE, w.bssCBL})
        QCOMPARE(list->currentText(), QStringLiteral("Szabadon választott"));
    QCOMPARE(w.bssCBkapcsT->count(), 6);
    QCOMPARE(w.bssCBHT->count(), 28);
    QCOMPARE(w.bssCBE->count(), 4);
    QCOMPARE(w.bssCBL->count(), 5);

    // What each list's change handler does for its first row has been done:
    // the network's caption, picture and fields; the loudspeaker's fields
    // written as values (two decimals); the bridge box hidden.
    QCOMPARE(w.bsspR->caption(), QStringLiteral("Soros kapcsolás"));
    QCOMPARE(w.IE->property("PictureIndex").toInt(), 0);
    QVERIFY(w.LRn[2]->isHidden() && w.bsscERn[2]->isHidden());
    QVERIFY(w.LRn[3]->isHidden() && w.bsscERn[3]->isHidden());
    QCOMPARE(w.bsscEP->text(), QStringLiteral("0,00"));
    QCOMPARE(w.bsscER->text(), QStringLiteral("0,00"));
    QVERIFY(w.bssCRBhid->isHidden());
    QCOMPARE(w.bssceOffset->text(), QStringLiteral("0")); // row 0 writes no offset
}

void TestMainWindow::everyControlHasItsName()
{
    WindowFixture f;
    const char* names[] = {"bsSkinPageControl1",
                           "bsSkinTabSheet1",
                           "bsSkinTabSheet2",
                           "bsSkinTabSheet3",
                           "bsSkinTabSheet4",
                           "bsSkinStatusBar1",
                           "bssspClock",
                           "bsSkinStatusPanel2",
                           "bsSkinPanel1",
                           "bsSkinPanel3",
                           "bsSkinLabel1",
                           "bssEnev",
                           "bsSkinLabel2",
                           "bsscEmaxP",
                           "bsSkinStdLabel1",
                           "bsSkinLabel3",
                           "bsscEE",
                           "bsSkinStdLabel2",
                           "bsSkinLabel4",
                           "bsscET",
                           "bsSkinStdLabel3",
                           "bsssbSPLCal",
                           "bsSkinSpeedButton3",
                           "bsSkinLabel5",
                           "bssEH",
                           "bsSkinLabel6",
                           "bssEPl",
                           "bsslbSPL",
                           "bsSkinSpeedButton1",
                           "bsSkinPanel2",
                           "bsSkinPanel4",
                           "bsSkinLabel7",
                           "bssEEnev",
                           "bsSkinLabel8",
                           "bsscEEP",
                           "bsSkinStdLabel4",
                           "bsSkinLabel9",
                           "bsscEEU",
                           "bsSkinStdLabel5",
                           "bsssbCalcEr",
                           "bsSkinSpeedButton5",
                           "bsSkinLabel10",
                           "bssEEE",
                           "bsslbErosites",
                           "bsSkinSpeedButton2",
                           "bsspH",
                           "bssCBHT",
                           "bsscEP",
                           "bsscER",
                           "bsspE",
                           "bssCBE",
                           "bsscEG",
                           "bssCRBhid",
                           "bsSkinPanel7",
                           "bssceOffset",
                           "bssCBL",
                           "bsssbLimiter",
                           "bsssbClearLim",
                           "bssELH",
                           "bsslCPP",
                           "bsslRMS",
                           "bsslUmaxV",
                           "bsslUmaxdBu",
                           "bsSkinBevel1",
                           "bsspR",
                           "bssCBkapcsT",
                           "bsssbEllenallas",
                           "bssEEeredo",
                           "LR1",
                           "LR4",
                           "bsscER1",
                           "bsscER4",
                           "bsssbURIClear",
                           "IE",
                           "RGE",
                           "bsscEI",
                           "bsscEU",
                           "bsssbUI",
                           "bssLUI",
                           "bssEUI",
                           "bssLUI1",
                           "bssLUI4",
                           "bssEUI1",
                           "bssEUI4"};
    for (const char* name : names)
        QVERIFY2(f.find(name), name);
    QCOMPARE(f.window.objectName(), QStringLiteral("Limiter"));
    QCOMPARE(f.window.Timer1->objectName(), QStringLiteral("Timer1"));
}

void TestMainWindow::clockIsWrittenAtOnceAndEverySecond()
{
    WindowFixture f;
    QVERIFY(f.window.Timer1->isActive());
    QCOMPARE(f.window.Timer1->interval(), 1000);
    f.now = QDateTime(QDate(2026, 12, 31), QTime(13, 0, 0));
    // The next tick replaces the text (never appends to it).
    QTRY_COMPARE_WITH_TIMEOUT(f.window.bssspClock->text(), QStringLiteral("2026.12.31  13:00:00"),
                              2500);
    f.now = QDateTime(QDate(2027, 1, 1), QTime(0, 0, 5));
    QTRY_COMPARE_WITH_TIMEOUT(f.window.bssspClock->text(), QStringLiteral("2027.01.01  00:00:05"),
                              2500);
}

void TestMainWindow::clockUsesTheLocaleTimeSeparator()
{
    const QDateTime moment(QDate(2026, 3, 5), QTime(9, 7, 3));
    QCOMPARE(TLimiter::clockText(moment, testing::commaLocale()),
             QStringLiteral("2026.03.05  09:07:03"));
    // Finnish writes the time with a point: 9.07.
    const QLocale finnish(QLocale::Finnish, QLocale::Finland);
    QVERIFY(finnish.timeFormat(QLocale::ShortFormat).contains(QLatin1Char('.')));
    QCOMPARE(TLimiter::clockText(moment, finnish), QStringLiteral("2026.03.05  09.07.03"));
}

void TestMainWindow::speedButtonImages()
{
    WindowFixture f;
    kv::SpeedButton* button = f.window.bsSkinSpeedButton1;
    QCOMPARE(button->property("ImageIndex").toInt(), 0);
    QVERIFY(button->setProperty("ImageIndex", 1));
    QCOMPARE(button->imageIndex(), 1);
    QCOMPARE(button->focusPolicy(), Qt::NoFocus);
    // Sharp at 200 %: the image is drawn at twice the pixels, not scaled up.
    const QPixmap doubled = button->icon().pixmap(QSize(32, 32), 2.0);
    QCOMPARE(doubled.size(), QSize(64, 64));
    QCOMPARE(doubled.devicePixelRatio(), 2.0);
}

void TestMainWindow::makerPanelAsksForTheAboutBox()
{
    WindowFixture f;
    int asked = 0;
    f.window.showAboutBox = [&] { ++asked; };
    QTest::mouseClick(f.window.bsSkinStatusPanel2, Qt::LeftButton);
    QTest::mouseClick(f.window.bsSkinStatusPanel2, Qt::LeftButton);
    QCOMPARE(asked, 2);
    QTest::mouseClick(f.window.bssspClock, Qt::LeftButton);
    QCOMPARE(asked, 2);
}

void TestMainWindow::captionBar()
{
    WindowFixture f;
    kv::CaptionBar* bar = f.window.captionBar();
    QCOMPARE(bar->findChild<QLabel*>("captionTitle")->text(),
             QStringLiteral("Kvintora kalkulátor"));
    QVERIFY(bar->findChild<QToolButton*>("minimiseButton"));
    QVERIFY(bar->findChild<QToolButton*>("closeButton"));
    QVERIFY(!bar->findChild<QToolButton*>("maximiseButton"));
    QVERIFY(f.window.windowFlags().testFlag(Qt::FramelessWindowHint));

    QStringList items;
    for (QAction* action : bar->systemMenu()->actions()) {
        if (!action->isSeparator())
            items << action->text();
    }
    QCOMPARE(items, (QStringList{"Mozgatás", "Kis méret", "Felgördítés", "Bezárás"}));

    // Roll-up collapses the window to its caption bar and back.
    const QSize full = f.window.size();
    QTest::mouseClick(bar->findChild<QToolButton*>("rollUpButton"), Qt::LeftButton);
    QVERIFY(f.window.isRolledUp());
    QCOMPARE(f.window.height(), kv::CaptionBar::Height + 2);
    QVERIFY(f.window.clientArea()->isHidden());
    QTest::mouseClick(bar->findChild<QToolButton*>("rollUpButton"), Qt::LeftButton);
    QCOMPARE(f.window.size(), full);
    QVERIFY(!f.window.clientArea()->isHidden());

    // Dragging the bar moves the window (where the platform does not).
    const QPoint start = f.window.pos();
    QTest::mousePress(bar, Qt::LeftButton, {}, QPoint(100, 10));
    QMouseEvent move(QEvent::MouseMove, QPointF(130, 30), bar->mapToGlobal(QPointF(130, 30)),
                     Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(bar, &move);
    QTest::mouseRelease(bar, Qt::LeftButton, {}, QPoint(130, 30));
    QCOMPARE(f.window.pos(), start + QPoint(30, 20));

    QTest::mouseClick(bar->findChild<QToolButton*>("closeButton"), Qt::LeftButton);
    QVERIFY(!f.window.isVisible());

    // Alt+F4 closes it too.
    f.window.show();
    f.window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&f.window));
    QTest::keyClick(&f.window, Qt::Key_F4, Qt::AltModifier);
    QVERIFY(!f.window.isVisible());
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
