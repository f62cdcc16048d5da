#pragma once

class QCoreApplication;

// Qt's own texts in the program's windows (the standard buttons of a question, the file dialog's
// labels and buttons, the menus of text boxes) come in Japanese from the catalogue Qt ships
// (qtbase_ja, Debian's qt6-translations-l10n); without it they stay English.
namespace qttexts {

// Loads Qt's Japanese catalogue into the application, whose child it becomes; false when the
// catalogue is not installed.
bool installJapanese(QCoreApplication &app);

} // namespace qttexts
