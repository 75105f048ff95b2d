#include "Aboutus.h"

#include "Sxversioninfo.h"

#include <QApplication>
#include <QBitmap>
#include <QDesktopServices>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>
#include <QShowEvent>
#include <QUrl>

namespace
{

void drawPicture(QPainter& p)
{
    const QRectF box(0, 0, TFAboutUs::PictureSize.width(), TFAboutUs::PictureSize.height());
    p.fillRect(box, Qt::white); // the corners cut away
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x6e, 0x0c, 0x12));
    p.drawRoundedRect(box, 18, 18);

    // Two dark bars behind the web and e-mail lines.
    p.setBrush(QColor(0x33, 0x05, 0x08));
    p.drawRoundedRect(QRectF(12, 117, 196, 15), 4, 4);
    p.drawRoundedRect(QRectF(12, 133, 196, 15), 4, 4);

    // The maker's logo at the lower right: a "B" in a ring with sound waves.
    const QPointF centre(256, 122);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0xe8, 0xb9, 0x3c), 3));
    p.drawEllipse(centre, 21, 21);
    for (int i = 1; i <= 2; ++i) {
        const double r = 21 + 6 * i;
        p.setPen(QPen(QColor(0xe8, 0xb9, 0x3c, 200 - 60 * i), 2));
        p.drawArc(QRectF(centre.x() - r, centre.y() - r, 2 * r, 2 * r), -40 * 16, 80 * 16);
    }
    QFont font(QStringLiteral("DejaVu Serif"));
    font.setPixelSize(26);
    font.setBold(true);
    p.setFont(font);
    p.setPen(QColor(0xf3, 0xd0, 0x6a));
    p.drawText(QRectF(centre.x() - 20, centre.y() - 20, 40, 40), Qt::AlignCenter,
               QStringLiteral("B"));
}

// The picture in front of which the labels stand; it paints itself as
// vector art, so it stays sharp at any scaling.
class PictureWidget : public QWidget
{
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        drawPicture(p);
    }
};

QLabel* addLabel(QWidget* parent, const char* name, const QPoint& at, const QString& text,
                 const QFont& font, const QColor& colour)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setFont(font);
    label->setAttribute(Qt::WA_TranslucentBackground);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
    label->move(at); // sized to its text when the box is first shown
    return label;
}

QFont serif(int pixels, bool bold, bool underline)
{
    QFont font(QStringLiteral("DejaVu Serif"));
    font.setPixelSize(pixels);
    font.setBold(bold);
    font.setUnderline(underline);
    return font;
}

} // namespace

TFAboutUs::TFAboutUs(QWidget* parent, const QString& executable)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      executable_(executable.isEmpty() ? QCoreApplication::applicationFilePath() : executable)
{
    setObjectName(QStringLiteral("FAboutUs"));
    setWindowTitle(QStringLiteral("Kvintora kalkulátor"));
    setWindowOpacity(245.0 / 255.0);
    setFixedSize(PictureSize);
    move(0, 0);

    BMShapedForm1 = new PictureWidget(this);
    BMShapedForm1->setObjectName(QStringLiteral("BMShapedForm1"));
    BMShapedForm1->setGeometry(QRect(QPoint(0, 0), PictureSize));
    BMShapedForm1->installEventFilter(this);

    QFont title(QStringLiteral("DejaVu Serif"));
    title.setPixelSize(32);
    title.setBold(true);
    title.setItalic(true);
    title.setUnderline(true);
    const QFont text = serif(13, true, false);
    const QFont link = serif(13, false, true);
    QWidget* p = BMShapedForm1;
    Label1 = addLabel(p, "Label1", {19, -3}, QStringLiteral("Kvintora"), title, Grey);
    Label2 = addLabel(p, "Label2", {19, 70}, QStringLiteral("Írta: Bravonix fejlesztőcsapat"), text,
                      Grey);
    Label5 = addLabel(p, "Label5", {19, 85}, QStringLiteral("Megrendelő: Kvintora"), text, Grey);
    Label6 = addLabel(p, "Label6", {19, 100}, QStringLiteral("Version:"), text, Grey);
    Label7 = addLabel(p, "Label7", {72, 100}, QStringLiteral("Na"), text, Grey);
    Label3 = addLabel(p, "Label3", {106, 31}, QStringLiteral("Kalkulátor"), title, Grey);
    lWEB = addLabel(p, "lWEB", {19, 117}, webAddress(), link, Yellow);
    lEmail = addLabel(p, "lEmail", {19, 132}, emailAddress(), link, Yellow);
    // Clicks on the other labels are clicks on the picture.
    for (QLabel* label : {Label1, Label2, Label5, Label6, Label7, Label3})
        label->setAttribute(Qt::WA_TransparentForMouseEvents);
    for (QLabel* label : {lWEB, lEmail}) {
        label->setCursor(Qt::PointingHandCursor);
        label->installEventFilter(this);
    }

    sxVersionInfo = new TsxVersionInfo(this);
    sxVersionInfo->setObjectName(QStringLiteral("sxVersionInfo"));
}

QString TFAboutUs::webAddress()
{
    return QStringLiteral("https://www.bravonix.hu");
}

QString TFAboutUs::emailAddress()
{
    return QStringLiteral("info@bravonix.hu");
}

void TFAboutUs::showEvent(QShowEvent* event)
{
    // The fonts and the shape are worked out when the box is first shown,
    // not at start-up, when it is created hidden.
    if (!prepared_) {
        prepared_ = true;
        setMask(shapeOf(picture()));
        for (QLabel* label : BMShapedForm1->findChildren<QLabel*>())
            label->adjustSize();
    }
    QWidget::showEvent(event);
}

void TFAboutUs::showAndRaise()
{
    show();
    raise();
    activateWindow();
}

QPoint TFAboutUs::placement(const QSize& screen, const QSize& box)
{
    return {(screen.width() - box.width()) / 2, (screen.height() - box.height()) / 3};
}

QImage TFAboutUs::picture()
{
    QImage image(PictureSize, QImage::Format_RGB32);
    QPainter p(&image);
    drawPicture(p); // no antialiasing: the edge is the shape
    return image;
}

QRegion TFAboutUs::shapeOf(const QImage& picture)
{
    const QRgb cutAway = picture.pixel(0, picture.height() - 1);
    return QRegion(QBitmap::fromImage(picture.createMaskFromColor(cutAway, Qt::MaskInColor)));
}

void TFAboutUs::FormActivate()
{
    for (QLabel* label : {lEmail, lWEB}) {
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, GoldenYellow);
        label->setPalette(palette);
    }
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(placement(screen->geometry().size(), frameGeometry().size()));
    // The full path: the version shows whatever the working directory is.
    sxVersionInfo->SetFileName(executable_);
    Label7->setText(sxVersionInfo->FileVersion());
    Label7->adjustSize();
}

void TFAboutUs::BMShapedForm1Click()
{
    hide();
}

void TFAboutUs::lWEBClick()
{
    QDesktopServices::openUrl(QUrl(webAddress()));
}

void TFAboutUs::lEmailClick()
{
    QDesktopServices::openUrl(QUrl(QStringLiteral("mailto:") + emailAddress()));
}

bool TFAboutUs::event(QEvent* event)
{
    if (event->type() == QEvent::WindowActivate)
        FormActivate();
    return QWidget::event(event);
}

bool TFAboutUs::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    const bool mouse = type == QEvent::MouseButtonPress || type == QEvent::MouseMove ||
                       type == QEvent::MouseButtonRelease;
    if (!mouse || (watched != lWEB && watched != lEmail && watched != BMShapedForm1))
        return QWidget::eventFilter(watched, event);
    const auto* m = static_cast<QMouseEvent*>(event);

    if (watched == lWEB || watched == lEmail) {
        if (type == QEvent::MouseButtonRelease && m->button() == Qt::LeftButton)
            watched == lWEB ? lWEBClick() : lEmailClick();
        return true;
    }

    // The picture: dragging moves the box, releasing the button is a click.
    if (type == QEvent::MouseButtonPress && m->button() == Qt::LeftButton) {
        pressed_ = true;
        dragStart_ = m->globalPosition().toPoint();
        windowStart_ = pos();
    } else if (type == QEvent::MouseMove && pressed_ && m->buttons() == Qt::LeftButton) {
        move(windowStart_ + m->globalPosition().toPoint() - dragStart_);
    } else if (type == QEvent::MouseButtonRelease && pressed_ && m->button() == Qt::LeftButton) {
        pressed_ = false;
        BMShapedForm1Click();
    }
    return true;
}
