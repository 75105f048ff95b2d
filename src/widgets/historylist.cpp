#include "historylist.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>

namespace kv
{

HistoryList::HistoryList(QWidget* parent) : QListWidget(parent)
{
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSortingEnabled(false);
}

void HistoryList::copySelected() const
{
    QStringList lines;
    for (const QListWidgetItem* item : selectedItems())
        lines << item->text();
    if (!lines.isEmpty())
        QApplication::clipboard()->setText(lines.join(QLatin1Char('\n')));
}

void HistoryList::copyAll() const
{
    QStringList lines;
    for (int i = 0; i < count(); ++i)
        lines << item(i)->text();
    if (!lines.isEmpty())
        QApplication::clipboard()->setText(lines.join(QLatin1Char('\n')));
}

void HistoryList::keyPressEvent(QKeyEvent* event)
{
    if (event->matches(QKeySequence::Copy)) {
        copySelected();
        event->accept();
        return;
    }
    QListWidget::keyPressEvent(event);
}

void HistoryList::contextMenuEvent(QContextMenuEvent* event)
{
    QMenu menu(this);
    menu.setObjectName(QStringLiteral("historyMenu"));
    QAction* copy = menu.addAction(QStringLiteral("Másolás"), this, &HistoryList::copySelected);
    copy->setObjectName(QStringLiteral("copyAction"));
    copy->setShortcut(QKeySequence::Copy);
    copy->setEnabled(!selectedItems().isEmpty());
    QAction* all = menu.addAction(QStringLiteral("Összes másolása"), this, &HistoryList::copyAll);
    all->setObjectName(QStringLiteral("copyAllAction"));
    all->setEnabled(count() > 0);
    menu.exec(event->globalPos());
}

} // namespace kv
