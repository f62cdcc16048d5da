#include "startup.h"

#include "appstate.h"
#include "catalogue.h"
#include "datafileerror.h"
#include "fieldreader.h"
#include "folderscheme.h"
#include "siteline.h"
#include "soundtable.h"
#include "timingtable.h"

#include <QDir>

#include <cmath>
#include <limits>

void runStartup(AppState &state, const QString &programFolder)
{
    state.screenBackColour = QColor(0, 128, 128);

    const QString program = folderscheme::compute(programFolder, 1).appFolder;
    {
        FieldReader settings(program + QStringLiteral("設定.txt"));
        const QList<Field> v = settings.ReadFields(10, QStringLiteral("設定"));
        // Only the value 1 selects the sibling "files" folder; anything else, a word, a fraction
        // or a number beyond any int included, selects the parent folder.
        const auto mode = FieldReader::parseNumber(v[0].text);
        const bool wholeInt = mode && *mode == std::floor(*mode) && *mode >= std::numeric_limits<int>::min()
                              && *mode <= std::numeric_limits<int>::max();
        state.folderMode = wholeInt ? static_cast<int>(*mode) : 0;
    }
    state.homeUse = 1;
    state.folders = folderscheme::compute(programFolder, state.folderMode);

    {
        const QString path = state.folders.filesFolder + QStringLiteral("共通データ.txt");
        FieldReader common(path);
        const QList<Field> v = common.ReadFields(10, QStringLiteral("共通データ"));
        const int month = common.wholeNumber(v[0], QStringLiteral("年度の始まりの月"));
        if (month < 1 || month > 12)
            throw DataFileError(path, v[0].line,
                                QStringLiteral("年度の始まりの月は 1 から 12 でなければなりません（「%1」）。")
                                    .arg(v[0].text));
        state.yearStartMonth = month;
        const SiteLine site = SiteLine::split(v[1].text);
        state.siteCode = site.code;
        state.siteName = site.name;
        state.showStatus2Pupils = FieldReader::parseNumber(v[2].text).value_or(0) == 1.0 ? 1 : 0;
    }

    catalogue::start(state);
    state.timingTable = readTimingTable(state.folders.dataFolder + QStringLiteral("タイム回数データ.txt"),
                                        catalogue::kLevelCount);
    state.soundTable = SoundTable::read(state.folders.soundFolder + QStringLiteral("新音ファイル.txt"));
}
