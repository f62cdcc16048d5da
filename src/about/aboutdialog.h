#pragma once

#include <QDialog>

class QLabel;
class QPushButton;
class TwipLayout;

// The version screen: the program title, its version, the maker, the rights notice and a
// contact address. Shown modally from the start screen.
class AboutDialog : public QDialog
{
public:
    static constexpr int kMajor = 1;
    static constexpr int kMinor = 0;
    static constexpr int kRevision = 5;

    explicit AboutDialog(const QString &productTitle, QWidget *parent = nullptr);

    static QString versionText();
    static QString makerName();
    static QString rightsNotice();
    static QString contactAddress();

    QLabel *titleLabel() const { return m_label1; }
    QLabel *versionLabel() const { return m_label2; }
    QLabel *makerLabel() const { return m_label4; }
    QLabel *rightsLabel() const { return m_label5; }
    QLabel *contactLabel() const { return m_label3; }
    QPushButton *okButton() const { return m_command1; }

protected:
    void showEvent(QShowEvent *event) override;

private:
    void Form_Activate();

    QString m_productTitle;
    TwipLayout *m_layout = nullptr;
    QLabel *m_label1 = nullptr;
    QLabel *m_label2 = nullptr;
    QLabel *m_label3 = nullptr;
    QLabel *m_label4 = nullptr;
    QLabel *m_label5 = nullptr;
    QLabel *m_label6 = nullptr;
    QPushButton *m_command1 = nullptr;
};
