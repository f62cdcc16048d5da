#pragma once

#include "oadate.h"
#include "runlogrecord.h"

#include <QByteArray>
#include <QDate>

#include <cstdint>

// The 44 bytes of one run-log record: a run at noon of `date` from the site "01234". For tests
// that write a run log by hand; they link the records library.
inline QByteArray runLogRecordBytes(QDate date, int pupil, int level, std::int32_t seconds)
{
    return RunRecord::forRun(oadate::fromDate(date), 0.5, static_cast<std::int16_t>(pupil),
                             static_cast<std::int16_t>(level), seconds, QStringLiteral("01234"))
        .encode();
}
