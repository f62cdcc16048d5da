#pragma once

class QLocale;

// The Japanese catalogue of this system's messages (translations/tavrel_ja.ts, compiled by the
// build and built into every program). Texts that the teachers' tool shows are written in the
// code in English and translated through it: everything the tool says, and the problems of data
// files that the program shows too. The program speaks Japanese to its pupils and so always
// installs the catalogue; the tool installs it only under a Japanese locale, and otherwise speaks
// English. Texts a pupil alone sees stay Japanese in the code.
namespace messagecatalogue {

// Whether a program's messages for this locale are Japanese (its language, not its country).
bool isJapanese(const QLocale &locale);

// Installs the catalogue into the running application (an application object must exist);
// false when it cannot be loaded. Installing it twice keeps one copy.
bool installJapanese();

// Takes it out again: the texts go back to English. Tests switch languages with it.
void removeJapanese();

// Whether the catalogue is installed.
bool japaneseInstalled();

} // namespace messagecatalogue
