#include "Limitercalc.h"

#include "Limitercalc_form.h"
#include "pagecalc.h"
#include "refusalmessage.h"
#include "skin.h"
#include "skincontrols.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QGuiApplication>
#include <QScreen>
#include <QShortcut>
#include <QTabWidget>
#include <QTimer>

#include <algorithm>

int MessageComponent::showRefusal() const
{
    return kv::showRefusalMessage(owner_);
}

TLimiter::TLimiter(QWidget* parent, Clock now, const QLocale& userLocale)
    : kv::SkinForm(parent), bsSkinMessage1(this), now_(std::move(now))
{
    setObjectName(QStringLiteral("Limiter"));
    if (userLocale != QLocale()) // otherwise follow the user's locale and its changes
        setLocale(userLocale);
    setWindowTitle(QStringLiteral("Kvintora kalkulátor"));
    setClientSize(QSize(398, 335));

    buildShell();
    buildSplPage();
    buildGainPage();
    buildLimiterPage();
    buildUriPage();

    auto* calculate = new QShortcut(QKeySequence(Qt::Key_F9), this);
    calculate->setObjectName(QStringLiteral("calculateShortcut"));
    connect(calculate, &QShortcut::activated, this, &TLimiter::pressCalculate);
    auto* clear = new QShortcut(QKeySequence(Qt::Key_F8), this);
    clear->setObjectName(QStringLiteral("clearShortcut"));
    connect(clear, &QShortcut::activated, this, &TLimiter::pressClear);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(1000);
    connect(Timer1, &QTimer::timeout, this, &TLimiter::Timer1Timer);
    Timer1->start();

    // Every control now holds its designed value.
    bsscEEU->setValue(0.775);
    bssCBkapcsT->setCurrentIndex(0);
    bssCBHT->setCurrentIndex(0);
    bssCBE->setCurrentIndex(0);
    bssCBL->setCurrentIndex(0);
    bssspClock->setText(clockText(now_(), locale()));
}

TLimiter::~TLimiter() = default;

void TLimiter::buildShell()
{
    QWidget* client = clientArea();
    constexpr int statusHeight = 22;

    bsSkinPageControl1 = form::place<QTabWidget>(client, "bsSkinPageControl1",
                                                 QRect(6, 6, 392, 335 - 6 - statusHeight));
    bsSkinPageControl1->setTabsClosable(false);
    bsSkinPageControl1->setAccessibleName(QStringLiteral("Oldalak"));
    const char* names[] = {"bsSkinTabSheet1", "bsSkinTabSheet2", "bsSkinTabSheet3",
                           "bsSkinTabSheet4"};
    const QString captions[] = {QStringLiteral("SPL"), QStringLiteral("Erősítés"),
                                QStringLiteral("Limiter"), QStringLiteral("URI")};
    QWidget** sheets[] = {&bsSkinTabSheet1, &bsSkinTabSheet2, &bsSkinTabSheet3, &bsSkinTabSheet4};
    for (int i = 0; i < 4; ++i) {
        *sheets[i] = new QWidget(bsSkinPageControl1);
        (*sheets[i])->setObjectName(QString::fromLatin1(names[i]));
        bsSkinPageControl1->addTab(*sheets[i], captions[i]);
    }
    bsSkinPageControl1->setCurrentWidget(bsSkinTabSheet1);

    bsSkinStatusBar1 = form::place<QWidget>(client, "bsSkinStatusBar1",
                                            QRect(0, 335 - statusHeight, 398, statusHeight));
    bssspClock =
        form::place<kv::StatusPanel>(bsSkinStatusBar1, "bssspClock", QRect(2, 0, 200, statusHeight),
                                     kv::statusImage(kv::StatusClock), QString());
    bsSkinStatusPanel2 = form::place<kv::StatusPanel>(
        bsSkinStatusBar1, "bsSkinStatusPanel2", QRect(398 - 2 - 110, 0, 110, statusHeight),
        kv::statusImage(kv::StatusInfo), QStringLiteral("Bravonix"));
    bsSkinStatusPanel2->setCursor(Qt::PointingHandCursor);
    connect(bsSkinStatusPanel2, &kv::StatusPanel::clicked, this,
            &TLimiter::bsSkinStatusPanel2Click);
}

void TLimiter::showEvent(QShowEvent* event)
{
    kv::SkinForm::showEvent(event);
    if (centred_)
        return;
    centred_ = true;
    if (QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen()) {
        QRect frame = frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
}

QString TLimiter::decimalSeparator() const
{
    const QString point = locale().decimalPoint();
    return point.isEmpty() ? QStringLiteral(".") : point;
}

QString TLimiter::clockText(const QDateTime& moment, const QLocale& locale)
{
    // The separator between hours and minutes in the locale's time format.
    const QString format = locale.timeFormat(QLocale::ShortFormat);
    QString separator;
    int i = 0;
    while (i < format.size() && format[i] != QLatin1Char('h') && format[i] != QLatin1Char('H'))
        ++i;
    while (i < format.size() && (format[i] == QLatin1Char('h') || format[i] == QLatin1Char('H')))
        ++i;
    while (i < format.size() && !format[i].isLetter()) {
        if (format[i] != QLatin1Char('\''))
            separator += format[i];
        ++i;
    }
    if (separator.isEmpty())
        separator = QStringLiteral(":");

    const QDate date = moment.date();
    const QTime time = moment.time();
    return QString::fromStdString(kv::clockText(date.year(), date.month(), date.day(), time.hour(),
                                                time.minute(), time.second(),
                                                separator.toStdString()));
}

void TLimiter::pressCalculate()
{
    QAbstractButton* buttons[] = {bsssbSPLCal, bsssbCalcEr, bsssbLimiter,
                                  bsssbUI->isHidden() ? bsssbEllenallas : bsssbUI};
    QAbstractButton* button = buttons[std::clamp(bsSkinPageControl1->currentIndex(), 0, 3)];
    if (button->isEnabled())
        button->click();
}

void TLimiter::pressClear()
{
    QAbstractButton* buttons[] = {bsSkinSpeedButton3, bsSkinSpeedButton5, bsssbClearLim,
                                  bsssbURIClear};
    buttons[std::clamp(bsSkinPageControl1->currentIndex(), 0, 3)]->click();
}

void TLimiter::Timer1Timer()
{
    bssspClock->setText(clockText(now_(), locale()));
}

void TLimiter::bsSkinStatusPanel2Click()
{
    if (showAboutBox)
        showAboutBox();
}
