// The main window: a page control with the four calculators (SPL, gain,
// limiter, resistor networks), a status bar with the clock and the maker
// panel. Every control is a member named as in the form and is reachable by
// that objectName; every event handler is a method of the window.
#pragma once

#include "skinform.h"

#include <QDateTime>
#include <QLocale>

#include <array>
#include <cstdint>
#include <functional>

class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QTabWidget;
class QTimer;

namespace kv
{
class FramedLabel;
class HistoryList;
class NumericEdit;
class PictureBox;
class RadioGroup;
class SkinPanel;
class SpeedButton;
class StatusPanel;
} // namespace kv

// Shows the refusal message for every page of the window.
class MessageComponent
{
public:
    explicit MessageComponent(QWidget* owner) : owner_(owner) {}
    int showRefusal() const;

private:
    QWidget* owner_;
};

class TLimiter : public kv::SkinForm
{
    Q_OBJECT

public:
    using Clock = std::function<QDateTime()>;

    // `now` gives the time the clock shows and `locale` the number and time
    // format (the local time and the user's locale unless a test hands in
    // its own).
    explicit TLimiter(QWidget* parent = nullptr, Clock now = &QDateTime::currentDateTime,
                      const QLocale& locale = QLocale());
    ~TLimiter() override;

    // Called by the maker panel's click: shows the about box. The window
    // holds no about box of its own; the program entry connects one.
    std::function<void()> showAboutBox;

    // --- Shell ---------------------------------------------------------------
    QTabWidget* bsSkinPageControl1;
    QWidget* bsSkinTabSheet1;
    QWidget* bsSkinTabSheet2;
    QWidget* bsSkinTabSheet3;
    QWidget* bsSkinTabSheet4;
    QWidget* bsSkinStatusBar1;
    kv::StatusPanel* bssspClock;
    kv::StatusPanel* bsSkinStatusPanel2;
    QTimer* Timer1;
    MessageComponent bsSkinMessage1;

    // --- SPL page ------------------------------------------------------------
    kv::SkinPanel* bsSkinPanel1;
    kv::SkinPanel* bsSkinPanel3;
    kv::FramedLabel* bsSkinLabel1;
    QLineEdit* bssEnev;
    kv::FramedLabel* bsSkinLabel2;
    kv::NumericEdit* bsscEmaxP;
    QLabel* bsSkinStdLabel1;
    kv::FramedLabel* bsSkinLabel3;
    kv::NumericEdit* bsscEE;
    QLabel* bsSkinStdLabel2;
    kv::FramedLabel* bsSkinLabel4;
    kv::NumericEdit* bsscET;
    QLabel* bsSkinStdLabel3;
    kv::SpeedButton* bsssbSPLCal;
    kv::SpeedButton* bsSkinSpeedButton3;
    kv::FramedLabel* bsSkinLabel5;
    QLineEdit* bssEH;
    kv::FramedLabel* bsSkinLabel6;
    QLineEdit* bssEPl;
    kv::HistoryList* bsslbSPL;
    kv::SpeedButton* bsSkinSpeedButton1;

    // --- Amplifier gain page -------------------------------------------------
    kv::SkinPanel* bsSkinPanel2;
    kv::SkinPanel* bsSkinPanel4;
    kv::FramedLabel* bsSkinLabel7;
    QLineEdit* bssEEnev;
    kv::FramedLabel* bsSkinLabel8;
    kv::NumericEdit* bsscEEP;
    QLabel* bsSkinStdLabel4;
    kv::FramedLabel* bsSkinLabel9;
    kv::NumericEdit* bsscEEU;
    QLabel* bsSkinStdLabel5;
    kv::SpeedButton* bsssbCalcEr;
    kv::SpeedButton* bsSkinSpeedButton5;
    kv::FramedLabel* bsSkinLabel10;
    QLineEdit* bssEEE;
    kv::HistoryList* bsslbErosites;
    kv::SpeedButton* bsSkinSpeedButton2;

    // --- Limiter page --------------------------------------------------------
    kv::SkinPanel* bsspH;
    QComboBox* bssCBHT;
    QLabel* bsSkinStdLabel8;
    kv::NumericEdit* bsscEP;
    QLabel* bsSkinStdLabel6;
    QLabel* bsSkinStdLabel9;
    kv::NumericEdit* bsscER;
    QLabel* bsSkinStdLabel7;
    QFrame* bsSkinBevel1;
    QLabel* bsSkinLabel11;
    kv::FramedLabel* bsslCPP;
    QLabel* bsSkinLabel12;
    kv::FramedLabel* bsslRMS;
    QLabel* bsSkinLabel13;
    kv::FramedLabel* bsslUmaxV;
    QLabel* bsSkinLabel14;
    kv::FramedLabel* bsslUmaxdBu;
    kv::SkinPanel* bsspE;
    QComboBox* bssCBE;
    QLabel* bsSkinStdLabel10;
    kv::NumericEdit* bsscEG;
    QLabel* bsSkinStdLabel11;
    QCheckBox* bssCRBhid;
    kv::SkinPanel* bsSkinPanel7;
    QLabel* bsSkinLabel16;
    kv::NumericEdit* bssceOffset;
    QComboBox* bssCBL;
    kv::SpeedButton* bsssbLimiter;
    kv::SpeedButton* bsssbClearLim;
    QLabel* bsSkinLabel15;
    QLineEdit* bssELH;

    // --- URI page ------------------------------------------------------------
    kv::SkinPanel* bsspR;
    QComboBox* bssCBkapcsT;
    kv::SpeedButton* bsssbEllenallas;
    QLineEdit* bssEEeredo;
    std::array<QLabel*, 4> LRn;              // LR1 to LR4
    std::array<kv::NumericEdit*, 4> bsscERn; // bsscER1 to bsscER4
    kv::SpeedButton* bsssbURIClear;
    kv::PictureBox* IE;
    kv::RadioGroup* RGE;
    kv::NumericEdit* bsscEI;
    kv::NumericEdit* bsscEU;
    kv::SpeedButton* bsssbUI;
    QLabel* bssLUI;
    QLineEdit* bssEUI;
    std::array<QLabel*, 4> bssLUIn;    // bssLUI1 to bssLUI4
    std::array<QLineEdit*, 4> bssEUIn; // bssEUI1 to bssEUI4

    // --- Page members --------------------------------------------------------
    std::uint8_t bridgeFlag = 0;
    float R1 = 0, R2 = 0, R3 = 0, R4 = 0;
    float Re = 0;
    float I = 0;
    float U = 0;
    float I1 = 0, I2 = 0, I3 = 0, I4 = 0;
    float U1 = 0, U2 = 0, U3 = 0, U4 = 0;

    // --- Handlers ------------------------------------------------------------
    void Timer1Timer();
    void bsSkinStatusPanel2Click();

    void bsssbSPLCalClick();
    void bsSkinSpeedButton3Click();
    void bsSkinSpeedButton1Click();

    void bsssbCalcErClick();
    void bsSkinSpeedButton5Click();
    void bsSkinSpeedButton2Click();

    void bssCBHTChange();
    void bssCBEChange();
    void bssCRBhidClick();
    void bssCBLChange();
    void bsssbLimiterClick();
    void bsssbClearLimClick();

    void bssCBkapcsTChange();
    void bsssbEllenallasClick();
    void bsssbURIClearClick();
    void RGEClick();
    void bsscEIEnter();
    void bsscEUEnter();
    void bsssbUIClick();

    // F9 and F8: the visible page's calculate and clear-inputs buttons (on
    // the URI page the distribution's calculate button once it is shown).
    void pressCalculate();
    void pressClear();

    // The clock panel's text for a moment, with the locale's time separator.
    static QString clockText(const QDateTime& moment, const QLocale& locale);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void buildShell();
    void buildSplPage();
    void buildGainPage();
    void buildLimiterPage();
    void buildUriPage();
    QString decimalSeparator() const;
    std::array<float*, 4> resistanceMembers();
    std::array<float*, 4> voltageMembers();
    std::array<float*, 4> currentMembers();

    Clock now_;
    bool centred_ = false;
};
