// The about box: a borderless picture window, cut to the shape of its
// picture, that names the product, its customer and its maker, shows the
// program's version and offers the maker's web page and e-mail address.
// A click anywhere but on the two links hides it.
#pragma once

#include <QColor>
#include <QImage>
#include <QWidget>

class QLabel;
class TsxVersionInfo;

class TFAboutUs : public QWidget
{
    Q_OBJECT

public:
    // `executable` is the file whose version is shown: the running program
    // unless a test hands in another.
    explicit TFAboutUs(QWidget* parent = nullptr, const QString& executable = QString());

    QWidget* BMShapedForm1; // the picture; fills the window
    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label5;
    QLabel* Label6;
    QLabel* Label7;
    QLabel* Label3;
    QLabel* lWEB;
    QLabel* lEmail;
    TsxVersionInfo* sxVersionInfo;

    // Shows the box without a modal loop and brings it to the front.
    void showAndRaise();

    void FormActivate();
    void BMShapedForm1Click();
    void lWEBClick();
    void lEmailClick();

    static QString webAddress();
    static QString emailAddress();
    static inline const QColor GoldenYellow{255, 204, 51};
    static inline const QColor Yellow{255, 255, 0};
    static inline const QColor Grey{128, 128, 128};
    static constexpr QSize PictureSize{300, 160};

    // Where the box goes on a screen: centred across, a third of the free
    // height from the top (both divisions truncated).
    static QPoint placement(const QSize& screen, const QSize& box);
    // The picture at one pixel per point, and the window shape cut from it:
    // every pixel whose colour differs from the bottom-left pixel's.
    static QImage picture();
    static QRegion shapeOf(const QImage& picture);

protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QString executable_;
    QPoint dragStart_;
    QPoint windowStart_;
    bool pressed_ = false;
    bool prepared_ = false;
};
