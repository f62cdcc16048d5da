#include "startup.h"

#include "installation.h"
#include "catalogue.h"
#include "datafileerror.h"
#include "fieldreader.h"
#include "folderscheme.h"
#include "siteline.h"
#include "soundtable.h"
#include "timingtable.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {

class Text
{
    Q_DECLARE_TR_FUNCTIONS(Startup)
};

} // namespace

void runStartup(Installation &state, const QString &programFolder)
{
    state.screenBackColour = QColor(0, 128, 128);
    if (!QFileInfo(programFolder).isDir())
        throw DataFileError(programFolder, 0, Text::tr("The program folder is not there."));

    const QString program = folderscheme::compute(programFolder, 1).appFolder;
    {
        FieldReader settings(program + QStringLiteral("設定.txt"));
        const QList<Field> v = settings.ReadFields(10, Text::tr("the settings"));
        // Only the value 1 itself selects the sibling "files" folder; anything else, 1.5 or a
        // word included, selects the parent folder. folderMode holds 1 or 0 accordingly.
        const auto mode = FieldReader::parseNumber(v[0].text);
        state.folderMode = (mode && *mode == 1.0) ? 1 : 0;
    }
    state.homeUse = true;
    state.folders = folderscheme::compute(programFolder, state.folderMode);

    {
        const QString path = state.folders.filesFolder + QStringLiteral("共通データ.txt");
        FieldReader common(path);
        const QList<Field> v = common.ReadFields(10, Text::tr("the shared data"));
        const int month = common.wholeNumber(v[0], Text::tr("the month the school year starts"));
        if (month < 1 || month > 12)
            throw DataFileError(path, v[0].line,
                                Text::tr("The month the school year starts must be 1 to 12 (\"%1\").")
                                    .arg(v[0].text));
        state.yearStartMonth = month;
        const SiteLine site = SiteLine::split(v[1].text);
        state.siteCode = site.code;
        state.siteName = site.name;
        state.showStatus2Pupils = FieldReader::parseNumber(v[2].text).value_or(0) == 1.0;
    }

    catalogue::start(state);
    catalogue::fillLevels(state);
    state.timingTable = readTimingTable(state.folders.dataFolder + QStringLiteral("タイム回数データ.txt"),
                                        catalogue::kLevelCount);
    catalogue::applyPracticeTimes(state);
    state.soundTable = SoundTable::read(state.folders.soundFolder + QStringLiteral("新音ファイル.txt"));
}
