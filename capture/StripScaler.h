#pragma once

#include <QImage>
#include <QSize>

#include <vector>

/// Shrinks a picture to the live view's size while its rows arrive, a strip at a time, so the
/// camera's thread scales each strip of a JPEG decode while it is still in cache and the GUI
/// thread only draws. The pixels are exactly those the view makes of the whole picture
/// (DisplayPicture): 2 x 2 averages while the picture is at least twice the target, then one
/// bilinear step, its darkening undone.
///
/// Only shrinking in both directions is handled (handles()); the view scales anything else
/// itself. One thread at a time; the scaler keeps its plan for a pair of sizes between frames.
class StripScaler final
{
public:
    /// Whether a `from` picture can be scaled to `to` strip by strip.
    static bool handles(QSize from, QSize to);

    /// Starts a frame: rows of a `from` picture are to be scaled into `out` (`to` pixels,
    /// `outStride` bytes a row). False, and nothing is scaled, when handles() is false.
    bool start(QSize from, QSize to, uchar *out, int outStride);
    /// Rows 0 .. rows - 1 of the picture are in place (row 0 at `picture`, `stride` bytes
    /// apart): scales whatever they complete. `rows` never decreases within a frame.
    void rowsPlaced(const uchar *picture, int stride, int rows);
    /// Starts the frame over: a decode that fell back to another decoder places every row again.
    void restart();
    /// Every row of the target is made.
    bool finished() const;

    /// The halving ladder the view follows (DisplayPicture too): the size the next 2 x 2
    /// halving of a `source` picture leaves on the way to `to`, or an empty size when the
    /// ladder stops (the picture is no longer twice the target, or the halving is the last
    /// step, isHalf()).
    static QSize nextHalf(QSize source, QSize to);
    /// Whether the last step from `source` to `to` is a halving rather than the filter.
    static bool isHalf(QSize source, QSize to);

    /// The table that undoes the darkening of libyuv's 7-bit column filters (see the .cpp),
    /// and whether the filter step between two sizes darkens.
    static const uchar *undarkenTable();
    static bool filterDarkens(QSize from, QSize to);

private:
    /// One halving of the ladder. Only a window of its rows is kept, those its consumer still
    /// needs and the newest: a whole 8 MP halving (8 MB) written every frame went to memory and
    /// back, which cost more than the halving's arithmetic.
    struct Stage
    {
        QSize size;
        std::vector<uchar> window; // rows first .. made - 1
        int first = 0;
        int made = 0;
        int stride() const { return size.width() * 4; }
        /// Where row 0 would be, for code that addresses rows from the top of the picture.
        const uchar *base() const;
        /// Drops the rows above `keep` and makes room for `more` rows below the window.
        void makeRoom(int keep, int more);
    };

    void feed(const uchar *picture, int stride, int rows);
    /// The first row of a stage that its consumer still needs.
    int neededFrom(size_t stage) const;
    void filterRows(const uchar *source, int stride, int available, bool all);
    /// libyuv's 16.16 source position of target row j in the filtered step.
    qint64 filterPosition(int j) const;
    /// Prepares the AVX2 form of the filtered step for the present sizes, where it applies.
    void planColumns();

    QSize m_from;
    QSize m_to;
    std::vector<Stage> m_stages; // the halvings before the last step
    bool m_lastHalves = false;   // the last step is a halving too, not the bilinear filter
    bool m_darkens = false;
    uchar *m_out = nullptr;
    int m_outStride = 0;
    int m_outRows = 0;
    int m_placed = 0; // picture rows fed so far
    QSize m_filterFrom;

    // The filtered step's own AVX2 form (see the .cpp): per group of 8 target columns, the
    // first source column, each column's offset from it and the weights of its two sources.
    bool m_columnsPlanned = false;
    std::vector<int> m_groupBase;
    std::vector<quint32> m_groupOffsets;
    std::vector<uchar> m_groupWeights;
    std::vector<uchar> m_blendedRow; // one source row blended vertically, with slack
};
