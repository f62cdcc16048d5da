// Dialogs as a pupil or teacher meets them: the default answer of a question, and Qt's own texts
// in Japanese.
#include "messagepresenter.h"
#include "qttexts.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

// Presses Return in the question box that comes up next and notes its default button.
void pressReturnInTheNextBox(QString &defaultButton)
{
    QTimer::singleShot(0, [&defaultButton] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box)
            return;
        if (box->defaultButton())
            defaultButton = box->defaultButton()->text();
        QTest::keyClick(box, Qt::Key_Return);
    });
    // A box the first call missed must not hold the test up.
    QTimer::singleShot(5000, [] {
        if (QWidget *modal = QApplication::activeModalWidget())
            modal->close();
    });
}

TEST(BoxMessagePresenter, ReturnGivesTheAnswerTheCallerMadeTheDefault)
{
    BoxMessagePresenter presenter;
    QString defaultButton;
    pressReturnInTheNextBox(defaultButton);
    EXPECT_FALSE(presenter.ask(QStringLiteral("テスト"), QStringLiteral("やめますか？"), MessagePresenter::Answer::No));
    EXPECT_EQ(defaultButton, QStringLiteral("いいえ"));

    pressReturnInTheNextBox(defaultButton);
    EXPECT_TRUE(presenter.ask(QStringLiteral("印刷"), QStringLiteral("保存しますか？"), MessagePresenter::Answer::Yes));
    EXPECT_EQ(defaultButton, QStringLiteral("はい"));
}

TEST(QtTexts, QuestionsAndTheFileDialogSpeakJapanese)
{
    ASSERT_TRUE(qttexts::installJapanese(*qApp)) << "qtbase_ja is missing (qt6-translations-l10n)";

    QMessageBox question(QMessageBox::Question, QStringLiteral("印刷"), QStringLiteral("PDFファイルに保存しますか？"),
                         QMessageBox::Yes | QMessageBox::No);
    EXPECT_TRUE(question.button(QMessageBox::Yes)->text().startsWith(QStringLiteral("はい")))
        << question.button(QMessageBox::Yes)->text().toStdString();
    EXPECT_TRUE(question.button(QMessageBox::No)->text().startsWith(QStringLiteral("いいえ")))
        << question.button(QMessageBox::No)->text().toStdString();

    QFileDialog dialog(nullptr, QStringLiteral("PDF保存"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilter(QStringLiteral("PDF (*.pdf)"));
    QStringList texts;
    for (const QLabel *label : dialog.findChildren<QLabel *>())
        texts << label->text();
    for (const QAbstractButton *button : dialog.findChildren<QAbstractButton *>())
        texts << button->text();
    const QString all = texts.join(u'|');
    for (const char *english : {"Look in", "File name", "Files of type", "Save", "Cancel"})
        EXPECT_FALSE(all.contains(QLatin1String(english), Qt::CaseInsensitive)) << english << " in " << all.toStdString();
    EXPECT_TRUE(all.contains(QStringLiteral("保存"))) << all.toStdString();
    EXPECT_TRUE(all.contains(QStringLiteral("キャンセル"))) << all.toStdString();
}

} // namespace
