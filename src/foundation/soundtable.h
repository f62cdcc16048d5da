#pragma once

#include <QString>

#include <array>

// Which .wav files belong to which kind of sound, as configured in 新音ファイル.txt. Rows are
// the kinds 1 to 10 (row 0 unused); column 0 holds the kind's name, columns 1 to 20 file base
// names (no folder, no ".wav"), column 21 the number of names as text.
class SoundTable
{
public:
    static constexpr int kKinds = 10;
    static constexpr int kMaxFiles = 20;
    static constexpr int kCountColumn = 21;

    enum Kind {
        Correct1 = 1, Correct2, Wrong1, Wrong2, Best1, Best2,
        OwnBest1, OwnBest2, OwnBest3, Fail1
    };

    SoundTable();

    // Reads the file; throws DataFileError when it is missing or a group is cut off before its
    // closing "*".
    static SoundTable read(const QString &filePath);

    const QString &cell(int kind, int column) const { return m_cells.at(kind).at(column); }
    const QString &name(int kind) const { return cell(kind, 0); }
    // Number stored in column 21; 0 when none was stored.
    int fileCount(int kind) const;
    // Base name in column `index` (1 to 20), empty when none.
    const QString &fileName(int kind, int index) const;

private:
    std::array<std::array<QString, kCountColumn + 1>, kKinds + 1> m_cells{};
};
