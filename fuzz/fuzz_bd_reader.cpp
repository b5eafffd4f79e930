// The calibration export file (".bd"): whatever a file holds, reading it never crashes or
// allocates without bound, a refused read leaves the caller's list untouched, and a list that
// was accepted holds only usable calibrations and writes back to bytes that read the same.

#include "FuzzSupport.h"

#include "calibration/BDFile.h"

#include <cstdint>

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    FuzzSupport::initApplication(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), int(size));

    // A sentinel list: a refused file must leave it exactly as it was.
    BDInfo keep;
    keep.name = QStringLiteral("keep");
    keep.ratio = 0.5;
    keep.unit = 2;
    const QVector<BDInfo> sentinel{keep};
    QVector<BDInfo> infos = sentinel;
    if (readBDInfos(bytes, infos) != BDFileStatus::Ok) {
        if (!(infos == sentinel))
            FuzzSupport::fail("a refused file changed the caller's list");
        return 0;
    }

    for (const BDInfo &info : qAsConst(infos)) {
        if (!isUsableBDInfo(info))
            FuzzSupport::fail("an accepted list holds an unusable calibration");
    }
    QVector<BDInfo> again;
    if (readBDInfos(encodeBDInfos(infos), again) != BDFileStatus::Ok || !(again == infos))
        FuzzSupport::fail("an accepted list did not survive a write and a read");
    return 0;
}
