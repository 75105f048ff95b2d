// The application object: an exception that escapes an event handler is
// shown with the standard error display and the event loop goes on.
#pragma once

#include <QApplication>

#include <exception>

namespace kv
{

class GuardedApplication : public QApplication
{
    Q_OBJECT

public:
    GuardedApplication(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;

    // The standard error display: a modal critical message with the text.
    static void showException(const std::exception& error);
    static void showException(const QString& text);
};

} // namespace kv
