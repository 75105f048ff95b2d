// Helpers for widget tests: locales with a comma and with a point, and a
// watchdog that handles the next modal dialog from a timer so that a test
// driving a handler that opens one never hangs.
#pragma once

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QLocale>
#include <QPointer>
#include <QTimer>

#include <functional>

namespace testing
{

inline QLocale commaLocale()
{
    return QLocale(QLocale::Hungarian, QLocale::Hungary);
}

inline QLocale pointLocale()
{
    return QLocale(QLocale::English, QLocale::UnitedStates);
}

inline QLocale localeNamed(const QString& name)
{
    return name == QLatin1String("comma") ? commaLocale() : pointLocale();
}

// Waits (from the event loop) for a modal widget to appear, then calls
// `handle` with it. Whatever `handle` does, a dialog still open after
// `timeoutMs` is closed so the test goes on; `seen` tells whether one came.
class ModalWatch
{
public:
    explicit ModalWatch(std::function<void(QWidget*)> handle, int timeoutMs = 5000)
        : handle_(std::move(handle)), timeoutMs_(timeoutMs)
    {
        clock_.start();
        timer_.setInterval(10);
        QObject::connect(&timer_, &QTimer::timeout, [this] { poll(); });
        timer_.start();
    }

    bool seen() const { return seen_; }
    int count() const { return count_; }

private:
    void poll()
    {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal && modal != last_) {
            last_ = modal;
            seen_ = true;
            ++count_;
            handle_(modal);
            return;
        }
        if (modal && clock_.elapsed() > timeoutMs_) {
            if (auto* dialog = qobject_cast<QDialog*>(modal))
                dialog->done(QDialog::Rejected);
            else
                modal->close();
        }
    }

    std::function<void(QWidget*)> handle_;
    int timeoutMs_;
    QElapsedTimer clock_;
    QTimer timer_;
    QPointer<QWidget> last_;
    bool seen_ = false;
    int count_ = 0;
};

} // namespace testing
