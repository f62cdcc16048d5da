#include "rosterdirectory.h"

#include "installation.h"
#include "roster.h"
#include "rosterentry.h"

PupilDirectory rosterDirectory(const Roster &roster)
{
    PupilDirectory directory(roster.schoolYear());
    for (int pupil = 1; pupil <= kMaxPupil; ++pupil) {
        if (roster.knowsPupil(pupil))
            directory.setPupil(pupil, roster.pupilName(pupil), roster.pupilBirthYear(pupil), roster.pupilGradeLabel(pupil));
    }
    directory.setListed(roster.listedPupils());
    std::vector<int> reportPupils;
    for (const RosterEntry &entry : roster.rosterRows()) {
        if (entry.listFlag == 0)
            reportPupils.push_back(entry.rosterNo);
    }
    directory.setReportPupils(std::move(reportPupils));
    return directory;
}
