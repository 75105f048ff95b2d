#include "refusalmessage.h"

#include <QDialog>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace kv
{
namespace
{

// OK is both the default and the cancel button: Esc presses it too.
class RefusalDialog : public QDialog
{
public:
    using QDialog::QDialog;
    void reject() override { accept(); }
};

} // namespace

QString refusalCaption()
{
    return QStringLiteral("Kvintora üzenet");
}

QString refusalText()
{
    return QStringLiteral("Message:\t\t\t\nA muvelet 0-val és negatív számmal nem hajtható végre!");
}

int showRefusalMessage(QWidget* parent)
{
    RefusalDialog dialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    dialog.setObjectName(QStringLiteral("refusalMessage"));
    dialog.setWindowTitle(refusalCaption());
    dialog.setModal(true);

    auto* text = new QLabel(refusalText(), &dialog);
    text->setObjectName(QStringLiteral("text"));
    text->setTextFormat(Qt::PlainText);

    auto* ok = new QPushButton(QStringLiteral("OK"), &dialog);
    ok->setObjectName(QStringLiteral("okButton"));
    ok->setDefault(true);
    ok->setAutoDefault(true);
    QObject::connect(ok, &QPushButton::clicked, &dialog, &QDialog::accept);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(&dialog);
    layout->setContentsMargins(16, 16, 16, 12);
    layout->setSpacing(14);
    layout->addWidget(text);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    dialog.adjustSize();
    QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen();
    if (screen) {
        QRect frame = dialog.frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        dialog.move(frame.topLeft());
    }
    ok->setFocus();
    dialog.exec();
    return QDialog::Accepted;
}

} // namespace kv
