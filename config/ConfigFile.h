#pragma once

#include <QString>

class Config;

/// Reads and writes "Measure.config": the signature, then the settings record, as a
/// big-endian Qt 5.12 data stream.
///
/// Nothing the user had is ever lost: a file that cannot be opened or does not read cleanly is
/// moved aside under a name of its own ("Measure.config.bad", then "Measure.config.bad.2", ...)
/// before defaults are used, and save() never replaces a file it could not read.
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
    /// a rejected file is moved to the first free set-aside name (see setAsidePath()) so that
    /// the next save loses nothing. Temporary files left by a save that was cut short are
    /// removed first.
    static LoadResult load(const QString &path, Config &config);

    /// Writes `config` atomically and durably: the new file is written and synced under a
    /// temporary name, renamed over `path`, and the folder is synced, so either the complete
    /// new file is in place afterwards or the old one is untouched. Creates the folder when it
    /// is missing. Refuses (false) to replace a file that exists but cannot be read.
    static bool save(const QString &path, const Config &config);

    /// The first of path + ".bad", path + ".bad.2", path + ".bad.3", ... that does not exist.
    static QString setAsidePath(const QString &path);
    /// The temporary name save() writes before renaming; unique to this process.
    static QString temporaryPath(const QString &path);
};
