#include "schoolchoice.h"

#include "messagepresenter.h"
#include "personaldemo.h"
#include "programarguments.h"
#include "schoolchooser.h"
#include "schoolchooserscreen.h"
#include "schoolregistry.h"

#include <QDir>
#include <QFileInfo>

void showChooser(SchoolChooser &chooser)
{
    SchoolChooserScreen screen(chooser);
    screen.exec();
}

QString chooseProgramFolder(const ProgramArguments &arguments, const QString &ownFolder, MessagePresenter &messages,
                            const std::function<void(SchoolChooser &)> &ask)
{
    QString note;
    if (!arguments.schoolName.isEmpty()) {
        const std::optional<RegisteredSchool> school = schoolregistry::find(arguments.schoolName);
        if (school && QFileInfo(school->programFolder).isDir())
            return school->programFolder;
        note = school ? QStringLiteral("「%1」のフォルダ %2 が見つかりません。")
                            .arg(arguments.schoolName, QDir::toNativeSeparators(school->programFolder))
                      : QStringLiteral("「%1」はこのコンピューターに登録されていません。").arg(arguments.schoolName);
    }

    std::vector<SchoolChoice> choices;
    for (const RegisteredSchool &s : schoolregistry::known())
        choices.push_back({s.name, s.programFolder, false, QFileInfo(s.programFolder).isDir()});
    const QString demo = personaldemo::shippedDemo(ownFolder);
    if (!demo.isEmpty())
        choices.push_back({QStringLiteral("デモ"), QString(), true, true});

    for (;;) {
        SchoolChooser chooser(choices, schoolregistry::lastChoice(), note);
        ask(chooser);
        const std::optional<SchoolChoice> chosen = chooser.chosen();
        if (!chosen)
            return {};
        QString folder = chosen->programFolder;
        if (chosen->demo) {
            const personaldemo::Prepared prepared = personaldemo::prepare(demo, personaldemo::personalFolder());
            if (!prepared.problem.isEmpty()) {
                messages.show(MessagePresenter::Icon::Warning, QStringLiteral("Tavrel"),
                              QStringLiteral("お試し用のデモを用意できませんでした。\n%1").arg(prepared.problem));
                continue;
            }
            folder = prepared.programFolder;
        }
        // Not remembering the choice costs only its preselection next time.
        schoolregistry::rememberChoice(chosen->demo ? SchoolChooser::demoChoice() : folder);
        return folder;
    }
}
