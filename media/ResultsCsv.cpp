#include "media/ResultsCsv.h"

#include "media/FileOps.h"
#include "scene/MeasureResults.h"

#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QStringList>

#include <cmath>

namespace {

// The figures every CSV has, in the documented column order; the rest follow Calibration.
constexpr int kCoreFigures = MeasureFigures::Diameter + 1;

QString quoted(const QString &field, QChar separator)
{
    if (!field.contains(separator) && !field.contains(QLatin1Char('"')) &&
        !field.contains(QLatin1Char('\n')) && !field.contains(QLatin1Char('\r')))
        return field;
    QString text = field;
    text.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + text + QLatin1Char('"');
}

QString number(double value)
{
    return std::isnan(value) ? QString() : QString::number(value, 'g', 12);
}

// Index, Kind, Note, the core figures, Unit, Calibration, the other figures.
QStringList csvFields(const MeasureResults &results, int row)
{
    QStringList fields{QString::number(row + 1), MeasureResults::kindKey(results.kind(row)),
                       results.note(row)};
    const MeasureFigures &figures = results.figures(row);
    for (int f = 0; f < kCoreFigures; ++f)
        fields.append(number(figures.at(f)));
    fields.append(BDInfo::unitString(results.calibration().unit));
    fields.append(results.calibration().name);
    for (int f = kCoreFigures; f < MeasureFigures::Count; ++f)
        fields.append(number(figures.at(f)));
    return fields;
}

QString joinRow(const QStringList &fields, QChar separator)
{
    QStringList out;
    out.reserve(fields.size());
    for (const QString &field : fields)
        out.append(quoted(field, separator));
    return out.join(separator) + QLatin1String("\r\n");
}

} // namespace

namespace ResultsCsv {

QByteArray csv(const MeasureResults &results)
{
    QStringList header{QStringLiteral("Index"), QStringLiteral("Kind"), QStringLiteral("Note")};
    for (int f = 0; f < kCoreFigures; ++f)
        header.append(MeasureFigures::key(f));
    header << QStringLiteral("Unit") << QStringLiteral("Calibration");
    for (int f = kCoreFigures; f < MeasureFigures::Count; ++f)
        header.append(MeasureFigures::key(f));

    QString text = joinRow(header, QLatin1Char(','));
    for (int row = 0; row < results.rowCount(); ++row)
        text += joinRow(csvFields(results, row), QLatin1Char(','));
    return QByteArray("\xEF\xBB\xBF") + text.toUtf8();
}

QString tabText(const MeasureResults &results, const QLocale &locale)
{
    const QChar tab(QLatin1Char('\t'));
    QLocale numbers = locale;
    numbers.setNumberOptions(QLocale::OmitGroupSeparator);
    QStringList header;
    for (int c = 0; c < results.columnCount(); ++c)
        header.append(results.headerData(c, Qt::Horizontal).toString());
    QString text = joinRow(header, tab);
    for (int row = 0; row < results.rowCount(); ++row) {
        QStringList fields{QString::number(row + 1), MeasureResults::kindName(results.kind(row)),
                           results.note(row)};
        for (int f = 0; f < MeasureFigures::Count; ++f) {
            const double v = results.figures(row).at(f);
            fields.append(std::isnan(v) ? QString() : numbers.toString(v, 'g', 12));
        }
        text += joinRow(fields, tab);
    }
    return text;
}

QString csvPath(const QString &picturePath)
{
    const QFileInfo info(picturePath);
    return info.dir().filePath(info.completeBaseName() + QStringLiteral(".csv"));
}

bool writeFile(const QByteArray &csv, const QString &path)
{
    return FileOps::writeReplacing(path, csv);
}

} // namespace ResultsCsv
