#pragma once

#include <QtGlobal>

/// The row kernels of the one-pass frame copy: each writes one row of 32-bit pixels, read in
/// order or mirrored, with colour bytes 0-2 looked up in a 256-entry table, byte 3 copied and
/// or-ed with `alpha`. The From24 forms read 24-bit pixels (3 colour bytes, as a JPEG decoder
/// writes them) and set byte 3 to 0xff. All kernels of a form give the same bytes; they
/// differ only in speed.
///
/// The fastest kernel the processor runs is chosen once (AVX-512 VBMI, else AVX2, else the
/// portable one). Tests and benchmarks force a kernel with setForced() to check and measure each
/// one on the same machine; forcing one the processor lacks falls back to the best it has.
/// Rows may start at any address (strides need not be multiples of 4); `src` and `dst` may be
/// the same row when not mirrored, otherwise they must not overlap; a From24 source never
/// overlaps its destination. Thread-safe.
class PixelKernels final
{
public:
    enum Kind { Portable, Avx2, Avx512Vbmi, Best };

    using Row = void (*)(const uchar *src, uchar *dst, int w, const uchar *table, bool mirror,
                         quint32 alpha);
    using RowFrom24 = void (*)(const uchar *src, uchar *dst, int w, const uchar *table,
                               bool mirror);

    static bool available(Kind kind);
    /// The kernel in use: the forced one if the processor has it, else the best available.
    static Kind active();
    /// Best restores the automatic choice.
    static void setForced(Kind kind);
    static Row row(Kind kind = Best);
    static RowFrom24 rowFrom24(Kind kind = Best);
    static const char *name(Kind kind);

    static void rowPortable(const uchar *src, uchar *dst, int w, const uchar *table, bool mirror,
                            quint32 alpha);
    /// Only where available(Avx2); likewise rowAvx512Vbmi.
    static void rowAvx2(const uchar *src, uchar *dst, int w, const uchar *table, bool mirror,
                        quint32 alpha);
    static void rowAvx512Vbmi(const uchar *src, uchar *dst, int w, const uchar *table, bool mirror,
                              quint32 alpha);

    static void rowPortableFrom24(const uchar *src, uchar *dst, int w, const uchar *table,
                                  bool mirror);
    static void rowAvx2From24(const uchar *src, uchar *dst, int w, const uchar *table, bool mirror);
    static void rowAvx512VbmiFrom24(const uchar *src, uchar *dst, int w, const uchar *table,
                                    bool mirror);
};
