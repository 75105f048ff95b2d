#include "guardedapplication.h"

#include <QMessageBox>

namespace kv
{

GuardedApplication::GuardedApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool GuardedApplication::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
        showException(error);
    } catch (...) {
        showException(QStringLiteral("Ismeretlen hiba."));
    }
    return false;
}

void GuardedApplication::showException(const std::exception& error)
{
    showException(QString::fromLocal8Bit(error.what()));
}

void GuardedApplication::showException(const QString& text)
{
    QMessageBox box(QMessageBox::Critical, applicationDisplayName(), text, QMessageBox::Ok);
    box.setObjectName(QStringLiteral("exceptionMessage"));
    box.exec();
}

} // namespace kv
