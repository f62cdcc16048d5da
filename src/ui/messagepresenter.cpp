#include "messagepresenter.h"

#include <QMessageBox>
#include <QPushButton>

void BoxMessagePresenter::show(Icon icon, const QString &title, const QString &text, QWidget *parent)
{
    QMessageBox::Icon boxIcon = QMessageBox::Information;
    if (icon == Icon::Warning)
        boxIcon = QMessageBox::Warning;
    else if (icon == Icon::Critical)
        boxIcon = QMessageBox::Critical;
    QMessageBox box(boxIcon, title, text, QMessageBox::Ok, parent);
    box.exec();
}

bool BoxMessagePresenter::ask(const QString &title, const QString &text, Answer byDefault, QWidget *parent)
{
    QMessageBox box(QMessageBox::Question, title, text, QMessageBox::NoButton, parent);
    QPushButton *yes = box.addButton(QStringLiteral("はい"), QMessageBox::YesRole);
    QPushButton *no = box.addButton(QStringLiteral("いいえ"), QMessageBox::NoRole);
    box.setDefaultButton(byDefault == Answer::Yes ? yes : no);
    box.setEscapeButton(no);
    box.exec();
    return box.clickedButton() == yes;
}
