#pragma once

#include "printsettings.h"

#include <QPointer>
#include <QWidget>

#include <map>

class MessagePresenter;
class PrintPlatform;
class PrintPreview;
class QCheckBox;
class QComboBox;
class QListWidget;
class QPushButton;
class QRadioButton;
class RandomSource;
class TwipLayout;

// "印刷設定": the groups (or a pupil's or a class's 苦手な問題), the mode and the order of a
// worksheet. Every change rebuilds the table in PrintSettings; "印刷へ" opens the preview of that table beside this screen, which stays open
// until "もどる".
class PrintSettingsScreen : public QWidget
{
public:
    PrintSettingsScreen(const QString &appFolder, RandomSource &random, MessagePresenter &messages,
                        PrintPlatform &platform, QWidget *parent = nullptr);
    // With the installation's folders and clock and the name chosen on the start screen: for a
    // teacher (PrintSettings::offersWeakTo) the screen offers 苦手な問題 as well.
    PrintSettingsScreen(const Folders &folders, const Clock &clock, const QString &userName, RandomSource &random,
                        MessagePresenter &messages, PrintPlatform &platform, QWidget *parent = nullptr);

    void openPreview(); // 印刷へ
    void goBack();      // もどる

    const PrintSettings &settings() const { return m_settings; }
    QListWidget *groupList() const { return m_groups; }
    QRadioButton *modeButton(HideMode mode) const { return m_modes.at(mode); }
    QCheckBox *shuffleBox() const { return m_shuffle; }
    QRadioButton *sourceButton(SheetSource source) const { return m_sources.at(source); }
    QComboBox *weakPicker() const { return m_weakPicker; }
    QPushButton *shuffleAgainButton() const { return m_shuffleAgain; }
    QPushButton *toPrintButton() const { return m_toPrint; }
    QPushButton *backButton() const { return m_back; }
    PrintPreview *preview() const;

private:
    PrintSettingsScreen(PrintSettings settings, MessagePresenter &messages, PrintPlatform &platform, QWidget *parent);
    void groupsClicked();
    void render();

    PrintSettings m_settings;
    MessagePresenter &m_messages;
    PrintPlatform &m_platform;
    TwipLayout *m_layout = nullptr;
    QListWidget *m_groups = nullptr;
    std::map<HideMode, QRadioButton *> m_modes;
    QCheckBox *m_shuffle = nullptr;
    std::map<SheetSource, QRadioButton *> m_sources;
    QComboBox *m_weakPicker = nullptr;
    QPushButton *m_shuffleAgain = nullptr;
    QPushButton *m_toPrint = nullptr;
    QPushButton *m_back = nullptr;
    QPointer<PrintPreview> m_preview;
};
