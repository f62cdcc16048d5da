#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <cstdint>
#include <optional>

// One record of the home run log "成績累積データ家庭用.dat" in the shared files folder: 66 bytes,
// each naming the program folder the run came from. Shared with copies of the program on other
// platforms, so the folder name always ends with a backslash. This class is the only place that
// knows the layout.
struct HomeRunRecord
{
    static constexpr qsizetype kSize = 66;

    std::optional<QString> programFolder; // 20 bytes: folder name and "\"
    std::int16_t spareNo = 0;
    double runDate = 0.0;  // whole days since 1899-12-30
    double runClock = 0.0; // fraction of a day
    std::int16_t pupilNo = 0;
    std::int16_t level = 0;
    std::int32_t resultTime = 0;
    std::optional<QString> siteCode; // 5 bytes
    std::optional<QString> spare2;   // three 5-byte fields no writer assigns
    std::optional<QString> spare3;
    std::optional<QString> spare4;

    bool operator==(const HomeRunRecord &) const = default;

    // A record as the program writes it for a finished run. folderName is the program folder's
    // last component, without separators; it is stored followed by "\" and cut at 20 bytes.
    static HomeRunRecord forRun(const QString &folderName, double runDate, double runClock,
                                std::int16_t pupilNo, std::int16_t level, std::int32_t resultTime,
                                const QString &siteCode);

    QByteArray encode() const;
    // bytes holds at least kSize bytes.
    static HomeRunRecord decode(QByteArrayView bytes);
};
