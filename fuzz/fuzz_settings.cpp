// The settings file: whatever "Measure.config" holds, loading never crashes or exhausts memory,
// and a loaded record saves and loads again to the same record (so a file read once is never
// lost at the next close).

#include "FuzzSupport.h"

#include "config/Config.h"
#include "config/ConfigFile.h"

#include <QDataStream>
#include <QDir>
#include <QFile>

#include <cstdint>

namespace {

QByteArray encode(const Config &config)
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setVersion(QDataStream::Qt_5_12);
    out << config;
    return bytes;
}

void removeAll(const QString &folder)
{
    QDir dir(folder);
    for (const QString &name : dir.entryList(QDir::Files | QDir::Hidden))
        dir.remove(name);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    FuzzSupport::initApplication(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString folder = FuzzSupport::scratchFolder();
    const QString path = folder + QStringLiteral("/Measure.config");
    removeAll(folder);
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) ||
            file.write(reinterpret_cast<const char *>(data), qint64(size)) != qint64(size))
            FuzzSupport::fail("cannot write the input file");
    }

    Config first;
    const ConfigFile::LoadResult result = ConfigFile::load(path, first);
    if (result == ConfigFile::LoadResult::Missing)
        FuzzSupport::fail("an existing file was reported missing");
    if (result == ConfigFile::LoadResult::Rejected) {
        // The rejected file is set aside, byte for byte, and nothing is left in its place.
        QFile aside(path + QStringLiteral(".bad"));
        if (QFile::exists(path) || !aside.open(QIODevice::ReadOnly) ||
            aside.readAll() != QByteArray(reinterpret_cast<const char *>(data), int(size)))
            FuzzSupport::fail("a rejected file was not kept as it was");
        return 0;
    }

    if (!ConfigFile::save(path, first))
        FuzzSupport::fail("a loaded record could not be saved");
    Config second;
    if (ConfigFile::load(path, second) != ConfigFile::LoadResult::Loaded)
        FuzzSupport::fail("a saved record did not load");
    if (encode(first) != encode(second))
        FuzzSupport::fail("load, save, load changed the record");
    return 0;
}
