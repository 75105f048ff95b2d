// A history list: lines are appended at the end or all removed; one line can
// be selected. Its lines can be copied: Ctrl+C and the context menu's
// "Másolás" copy the selected line, "Összes másolása" every line.
#pragma once

#include <QListWidget>

namespace kv
{

class HistoryList : public QListWidget
{
    Q_OBJECT

public:
    explicit HistoryList(QWidget* parent = nullptr);

    void copySelected() const;
    void copyAll() const;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
};

} // namespace kv
