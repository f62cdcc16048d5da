#include "systemerror.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>

namespace {

TEST(SystemError, TheCommonReasonsAreJapaneseAndOthersKeepTheSystemsText)
{
    EXPECT_EQ(systemerror::describe(ENOENT), QStringLiteral("ファイルまたはフォルダがありません"));
    EXPECT_EQ(systemerror::describe(EACCES), QStringLiteral("使う権限がありません"));
    EXPECT_EQ(systemerror::describe(ENOSPC), QStringLiteral("ディスクに空きがありません"));
    const QString other = systemerror::describe(EDOM);
    EXPECT_TRUE(other.startsWith(QStringLiteral("システムのエラー %1: ").arg(EDOM))) << other.toStdString();
    EXPECT_TRUE(other.endsWith(QString::fromLocal8Bit(std::strerror(EDOM)))) << other.toStdString();
}

TEST(SystemError, AFileThatCannotBeOpenedIsDescribedFromErrnoOrItsKindOfFailure)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QFile missing(dir.filePath(QStringLiteral("ない.txt")));
    errno = 0;
    ASSERT_FALSE(missing.open(QIODevice::ReadOnly));
    EXPECT_EQ(systemerror::describe(missing, errno), QStringLiteral("ファイルまたはフォルダがありません"));
    // Without errno the kind of failure the file reports is worded.
    EXPECT_EQ(systemerror::describe(missing, 0), QStringLiteral("開けませんでした"));
}

} // namespace
