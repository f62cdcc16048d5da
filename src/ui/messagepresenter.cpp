#include "messagepresenter.h"

#include <QMessageBox>

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
