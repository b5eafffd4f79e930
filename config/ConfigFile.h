#pragma once

#include <QString>

class Config;

/// Reads and writes "Measure.config": the signature, then the settings record, as a
/// big-endian Qt 5.12 data stream.
class ConfigFile
{
public:
    enum class LoadResult {
        Loaded,   // the file was read completely into the record
        Missing,  // there is no file (first start); the record is untouched
        Rejected, // unreadable, foreign or damaged; the record is untouched
    };

    /// The configuration file in the application-data folder.
    static QString defaultPath();

    /// Reads `path` into `config`. The record changes only when the whole file reads cleanly;
    /// a rejected file is kept beside it as path + ".bad" so that the next save loses nothing.
    static LoadResult load(const QString &path, Config &config);

    /// Writes `config` atomically: either the complete new file is in place afterwards or the
    /// old one is untouched. Creates the folder when it is missing.
    static bool save(const QString &path, const Config &config);
};
