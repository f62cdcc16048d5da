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

    QLabel *titleLabel() const { return m_titleLabel; }
    QLabel *versionLabel() const { return m_versionLabel; }
    QLabel *makerLabel() const { return m_makerLabel; }
    QLabel *rightsLabel() const { return m_rightsLabel; }
    QLabel *contactLabel() const { return m_contactLabel; }
    QPushButton *okButton() const { return m_okButton; }

protected:
    void showEvent(QShowEvent *event) override;

private:
    void fillTexts();

    QString m_productTitle;
    TwipLayout *m_layout = nullptr;
    QLabel *m_titleLabel = nullptr;
    QLabel *m_versionLabel = nullptr;
    QLabel *m_contactLabel = nullptr;
    QLabel *m_makerLabel = nullptr;
    QLabel *m_rightsLabel = nullptr;
    QLabel *m_contactHeading = nullptr;
    QPushButton *m_okButton = nullptr;
};
