// The demo installation's questions, scrambled by the teachers' tool as the build does, read back
// by the program's loader.
#include "admin.h"
#include "questionbank.h"
#include "questionline.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

const QString kDemoQuestions = QStringLiteral(TAVREL_DEMO_QUESTIONS);

int admin(const QStringList &args, QString *output = nullptr)
{
    QString out;
    QString err;
    QTextStream outStream(&out);
    QTextStream errStream(&err);
    const int status = runAdmin(args, outStream, errStream);
    outStream.flush();
    errStream.flush();
    if (output)
        *output = out + err;
    return status;
}

// The rows of the plain file, read without the program's code: fields before the end marker.
QList<QStringList> plainRows()
{
    QFile f(kDemoQuestions);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    QList<QStringList> rows;
    for (QString line : QString::fromUtf8(f.readAll()).split(u'\n')) {
        line.remove(u'\r');
        const qsizetype end = line.indexOf(questionline::kEndMarker);
        if (end >= 0)
            rows << line.left(end).split(u',');
    }
    return rows;
}

TEST(DemoQuestions, EveryLevelSelectsItsGroupInFileOrderAndCheckIsClean)
{
    ASSERT_TRUE(QFileInfo::exists(kDemoQuestions))
        << "the demo question file " << kDemoQuestions.toStdString() << " is missing";
    const QList<QStringList> rows = plainRows();
    ASSERT_FALSE(rows.isEmpty());

    QTemporaryDir dir;
    const QString program = dir.path() + u'/';
    const QString stored = program + QStringLiteral("Morvidかな0vv.ccc");
    QString output;
    ASSERT_EQ(admin({QStringLiteral("scramble"), kDemoQuestions, stored}, &output), 0) << output.toStdString();
    EXPECT_EQ(admin({QStringLiteral("check"), stored}, &output), 0) << output.toStdString();

    for (int level = 1; level <= 18; ++level) {
        const int group = (level - 1) / 2 + 1;
        QList<QStringList> expected;
        for (const QStringList &row : rows) {
            if (row.value(1).toInt() == group)
                expected << row;
        }
        const QList<Question> questions = loadLevelQuestions(program, level);
        ASSERT_EQ(questions.size(), expected.size()) << "level " << level;
        EXPECT_FALSE(questions.isEmpty()) << "level " << level;
        for (qsizetype k = 0; k < questions.size(); ++k) {
            const Question &q = questions[k];
            const QStringList &row = expected[k];
            EXPECT_EQ(q.group, group);
            EXPECT_EQ(q.year, row.value(2).toInt()) << "level " << level << ", question " << k + 1;
            EXPECT_EQ(q.name, row.value(3)) << "level " << level << ", question " << k + 1;
            EXPECT_EQ(q.nameSub, row.value(4));
            EXPECT_EQ(q.explain, row.value(5));
            EXPECT_EQ(q.explainSub, row.value(6));
        }
    }
}

} // namespace
