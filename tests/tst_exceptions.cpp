// An exception that escapes an event handler is shown with the standard
// error display and the program goes on. Unwinding through Qt's frames
// leaks the event being delivered, so this runs without leak checks.
#include "guardedapplication.h"
#include "windowfixture.h"

#include <QMessageBox>

#include <stdexcept>

using testing::WindowFixture;

class TestExceptions : public QObject
{
    Q_OBJECT

private slots:
    void exceptionInAHandlerIsShownAndTheProgramGoesOn();
};

namespace
{

class Throwing : public QWidget
{
protected:
    void mousePressEvent(QMouseEvent*) override { throw std::runtime_error("Hibás művelet"); }
};

} // namespace

void TestExceptions::exceptionInAHandlerIsShownAndTheProgramGoesOn()
{
    WindowFixture f;
    Throwing thrower;
    thrower.show();
    QString shownText;
    testing::ModalWatch watch([&](QWidget* dialog) {
        if (auto* box = qobject_cast<QMessageBox*>(dialog))
            shownText = box->text();
        QTest::keyClick(dialog, Qt::Key_Return);
    });
    QTest::mouseClick(&thrower, Qt::LeftButton);
    QTRY_VERIFY(watch.seen());
    QCOMPARE(shownText, QStringLiteral("Hibás művelet"));
    // The window goes on working.
    f.type("bsscEmaxP", QStringLiteral("100"));
    QCOMPARE(f.window.bsscEmaxP->value(), 100.0);
}

int main(int argc, char** argv)
{
    kv::GuardedApplication app(argc, argv);
    TestExceptions test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_exceptions.moc"
