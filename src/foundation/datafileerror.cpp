#include "datafileerror.h"

#include <QCoreApplication>
#include <QDir>

namespace {

class Text
{
    Q_DECLARE_TR_FUNCTIONS(DataFileError)
};

QString compose(const QString &filePath, int line, const QString &problem)
{
    const QString file = QDir::toNativeSeparators(filePath);
    if (line > 0)
        return Text::tr("%1, line %2: %3").arg(file).arg(line).arg(problem);
    return QStringLiteral("%1: %2").arg(file, problem);
}
} // namespace

DataFileError::DataFileError(QString filePath, int line, QString problem)
    : std::runtime_error(compose(filePath, line, problem).toStdString())
    , m_filePath(std::move(filePath))
    , m_line(line)
    , m_problem(std::move(problem))
{
}

QString DataFileError::text() const
{
    return compose(m_filePath, m_line, m_problem);
}

DataFileError DataFileError::missing(const QString &filePath)
{
    return DataFileError(filePath, 0, Text::tr("The file is not there."));
}
