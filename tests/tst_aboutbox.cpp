// The about box: one box however often the maker panel is clicked, its
// place, its shape, clicks that hide it, links that do not, and the version.
#include "Aboutus.h"
#include "Sxversioninfo.h"
#include "skincontrols.h"
#include "windowfixture.h"
#include "workingdirectory.h"

#include <QDesktopServices>
#include <QDir>
#include <QScreen>
#include <QTemporaryDir>

namespace
{

const QString AppPath = QStringLiteral(KV_APP_PATH);

// Receives the URLs the box hands to the desktop; unregisters itself.
class UrlCatcher : public QObject
{
    Q_OBJECT

public:
    UrlCatcher()
    {
        for (const char* scheme : {"https", "mailto"})
            QDesktopServices::setUrlHandler(QString::fromLatin1(scheme), this, "open");
    }
    ~UrlCatcher() override
    {
        for (const char* scheme : {"https", "mailto"})
            QDesktopServices::unsetUrlHandler(QString::fromLatin1(scheme));
    }

    QList<QUrl> urls;

public slots:
    void open(const QUrl& url) { urls << url; }
};

struct Fixture {
    Fixture() : box(nullptr, AppPath)
    {
        main.window.showAboutBox = [this] { box.showAndRaise(); };
    }

    void openByMakerPanel() { QTest::mouseClick(main.window.bsSkinStatusPanel2, Qt::LeftButton); }

    testing::WindowFixture main;
    TFAboutUs box;
};

QColor colourOf(const QLabel* label)
{
    return label->palette().color(QPalette::WindowText);
}

} // namespace

class TestAboutBox : public QObject
{
    Q_OBJECT

private slots:
    void startsHidden();
    void oneBoxForTwoClicks();
    void placement();
    void placedAndFilledOnActivation();
    void shapeFollowsThePicture();
    void clicksHideIt_data();
    void clicksHideIt();
    void linksDoNotHideIt();
    void draggingMovesItAndReleaseHides();
    void versionShowsFromAnyWorkingDirectory();
};

void TestAboutBox::startsHidden()
{
    Fixture f;
    QVERIFY(!f.box.isVisible());
    QCOMPARE(f.box.Label7->text(), QStringLiteral("Na"));
    QCOMPARE(colourOf(f.box.lWEB), TFAboutUs::Yellow);
    QCOMPARE(f.box.windowOpacity(), 245.0 / 255.0);
    QVERIFY(f.box.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QCOMPARE(f.box.size(), QSize(300, 160));
}

void TestAboutBox::oneBoxForTwoClicks()
{
    Fixture f;
    f.openByMakerPanel();
    QTRY_VERIFY(f.box.isVisible());
    f.openByMakerPanel();
    QVERIFY(f.box.isVisible());
    int boxes = 0;
    for (QWidget* top : QApplication::topLevelWidgets())
        boxes += qobject_cast<TFAboutUs*>(top) && top->isVisible() ? 1 : 0;
    QCOMPARE(boxes, 1);
}

void TestAboutBox::placement()
{
    QCOMPARE(TFAboutUs::placement(QSize(1024, 768), QSize(300, 160)), QPoint(362, 202));
    QCOMPARE(TFAboutUs::placement(QSize(1920, 1080), QSize(300, 160)), QPoint(810, 306));
    QCOMPARE(TFAboutUs::placement(QSize(801, 601), QSize(300, 160)), QPoint(250, 147));
}

void TestAboutBox::placedAndFilledOnActivation()
{
    Fixture f;
    f.openByMakerPanel();
    QTRY_VERIFY(f.box.isActiveWindow());
    const QSize screen = QGuiApplication::primaryScreen()->geometry().size();
    const QPoint expected = TFAboutUs::placement(screen, f.box.frameGeometry().size());
    QTRY_COMPARE(f.box.pos(), expected);
    QCOMPARE(colourOf(f.box.lWEB), TFAboutUs::GoldenYellow);
    QCOMPARE(colourOf(f.box.lEmail), TFAboutUs::GoldenYellow);
    QCOMPARE(f.box.Label7->text(), QStringLiteral("1.4.3.25"));

    // Moved away and activated again: back at its place.
    f.box.move(5, 5);
    f.main.window.activateWindow();
    QTRY_VERIFY(!f.box.isActiveWindow());
    f.openByMakerPanel();
    QTRY_COMPARE(f.box.pos(), expected);
}

void TestAboutBox::shapeFollowsThePicture()
{
    const QImage picture = TFAboutUs::picture();
    QCOMPARE(picture.size(), QSize(300, 160));
    QCOMPARE(QColor(picture.pixel(0, 159)), QColor(Qt::white)); // the bottom-left pixel
    const QRegion shape = TFAboutUs::shapeOf(picture);
    for (const QPoint corner : {QPoint(0, 0), QPoint(299, 0), QPoint(0, 159), QPoint(299, 159)})
        QVERIFY(!shape.contains(corner));
    QVERIFY(shape.contains(QPoint(150, 80)));
    QVERIFY(shape.contains(QPoint(150, 0))); // the top edge between the corners
    Fixture f;
    f.openByMakerPanel();
    QTRY_VERIFY(f.box.isVisible());
    QCOMPARE(f.box.mask(), shape);
    QCOMPARE(f.box.Label6->size(), f.box.Label6->sizeHint()); // sized to its text
}

void TestAboutBox::clicksHideIt_data()
{
    QTest::addColumn<QString>("target");
    for (const char* target : {"BMShapedForm1", "Label1", "Label3", "Label6", "Label7", "Label2"})
        QTest::newRow(target) << QString::fromLatin1(target);
}

void TestAboutBox::clicksHideIt()
{
    QFETCH(QString, target);
    Fixture f;
    f.openByMakerPanel();
    QTRY_VERIFY(f.box.isVisible());
    QWidget* widget = f.box.findChild<QWidget*>(target);
    QVERIFY(widget);
    // Clicks go to whatever lies under the mouse in the box.
    const QPoint at = widget->mapTo(&f.box, widget->rect().center());
    QTest::mouseClick(f.box.windowHandle(), Qt::LeftButton, {}, at);
    QTRY_VERIFY(!f.box.isVisible());
    // Shown again by the next click on the maker panel.
    f.openByMakerPanel();
    QTRY_VERIFY(f.box.isVisible());
}

void TestAboutBox::linksDoNotHideIt()
{
    UrlCatcher catcher;
    Fixture f;
    f.openByMakerPanel();
    QTRY_VERIFY(f.box.isVisible());
    for (QLabel* link : {f.box.lWEB, f.box.lEmail}) {
        const QPoint at = link->mapTo(&f.box, link->rect().center());
        QTest::mouseClick(f.box.windowHandle(), Qt::LeftButton, {}, at);
    }
    QVERIFY(f.box.isVisible());
    QCOMPARE(catcher.urls,
             (QList<QUrl>{QUrl(TFAboutUs::webAddress()),
                          QUrl(QStringLiteral("mailto:") + TFAboutUs::emailAddress())}));
}

void TestAboutBox::draggingMovesItAndReleaseHides()
{
    Fixture f;
    f.openByMakerPanel();
    QTRY_VERIFY(f.box.isActiveWindow());
    const QPoint start = f.box.pos();
    QWidget* picture = f.box.BMShapedForm1;
    QTest::mousePress(picture, Qt::LeftButton, {}, QPoint(200, 60));
    QMouseEvent move(QEvent::MouseMove, QPointF(240, 75), picture->mapToGlobal(QPointF(240, 75)),
                     Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(picture, &move);
    QCOMPARE(f.box.pos(), start + QPoint(40, 15));
    QTest::mouseRelease(picture, Qt::LeftButton, {}, QPoint(240, 75));
    QVERIFY(!f.box.isVisible());
}

void TestAboutBox::versionShowsFromAnyWorkingDirectory()
{
    QTemporaryDir elsewhere;
    testing::WorkingDirectory cwd(elsewhere.path());
    Fixture f;
    f.openByMakerPanel();
    QTRY_COMPARE(f.box.Label7->text(), QStringLiteral("1.4.3.25"));
    QCOMPARE(f.box.sxVersionInfo->FileName(), AppPath);
}

QTEST_MAIN(TestAboutBox)
#include "tst_aboutbox.moc"
