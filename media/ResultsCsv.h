#pragma once

#include <QByteArray>
#include <QString>

class MeasureResults;
class QLocale;

/// The results table as text: CSV for files, tab-separated text for the clipboard.
///
/// CSV: UTF-8 with a byte-order mark, comma-separated, quoted by RFC 4180 where a field holds
/// a comma, a quote or a line break; the header row in English (Index, Kind, Note, the
/// figures, Unit, Calibration, then the figures only some kinds have); numbers with "." and
/// twelve significant digits whatever the language; empty cells where a figure does not
/// apply. Pure functions; writeFile() may run on any thread.
namespace ResultsCsv {

QByteArray csv(const MeasureResults &results);
/// For pasting into a spreadsheet of the interface's language: the table's own headers and
/// kind names, the locale's decimal point, all digits.
QString tabText(const MeasureResults &results, const QLocale &locale);

/// The CSV beside a picture: same folder, same name, suffix "csv".
QString csvPath(const QString &picturePath);
/// Writes whole or not at all (temporary file renamed when complete).
bool writeFile(const QByteArray &csv, const QString &path);

} // namespace ResultsCsv
