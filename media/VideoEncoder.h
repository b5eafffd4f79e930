#pragma once

#include <QString>

extern "C" {
#include <libavutil/pixfmt.h>
#include <libavutil/rational.h>
}

struct AVCodecContext;
struct AVFormatContext;
struct AVFrame;
struct AVPacket;
struct AVStream;
class QImage;

/// Fills the planes of `frame` (already allocated for `format` and the picture's size) from
/// `image` with libyuv. Pictures that are not 32-bit are converted to RGB32 first. False when
/// the format is not one of YUV420P, YUVJ420P, YUVJ422P, NV12, or the sizes differ.
bool ImageToAVFrame(const QImage &image, AVFrame *frame, AVPixelFormat format);

/// One H.264 video file being written: the FFmpeg side of a recording, without threads.
///
/// open() creates the file and writes its header; then, per frame, convert() the picture into
/// the encoder's planes and encode() it with its capture time; finish() drains the encoder and
/// writes the trailer. Every FFmpeg object is freed by the destructor on every path. When the
/// file is closed it is read back: a file from which no picture decodes (a failure before the
/// first packet, or a write error such as a full disk that cut off every fragment although the
/// muxer took the packets) is removed again.
///
/// MP4 and MOV are written fragmented, a fragment at every key frame (every ten frames), and each
/// completed fragment is forced to the disk, so a file cut off by a crash or power loss still
/// plays up to its last complete fragment.
class VideoEncoder final
{
public:
    struct Settings
    {
        QString path; ///< full path; the container follows its suffix
        int width = 1280;
        int height = 720;
        int fps = 15; ///< the encoder's time base is 1/fps
        QString preset = QStringLiteral("fast");
        QString tune = QStringLiteral("zerolatency");
    };

    VideoEncoder() = default;
    ~VideoEncoder();
    VideoEncoder(const VideoEncoder &) = delete;
    VideoEncoder &operator=(const VideoEncoder &) = delete;

    /// Sets up the encoder and the container and writes the header. False (with error()) when
    /// any step fails; the file is then removed.
    bool open(const Settings &settings);
    /// The presentation time of a frame captured `ms` milliseconds into the recording, in the
    /// encoder's time base (rounded to the nearest frame slot).
    qint64 ptsFor(qint64 ms) const;
    /// Converts a picture into the encoder's frame. False when its size is not the video's
    /// (the frame is then skipped, not an error).
    bool convert(const QImage &picture);
    /// Encodes the converted frame at `pts` and writes what the encoder returns. False on an
    /// encoder or write error (disk full): the recording cannot go on.
    bool encode(qint64 pts);
    /// Drains the encoder and writes the trailer. False when either fails; what was written
    /// before stays (fragments are complete on their own).
    bool finish();

    QString error() const { return m_error; }
    int framesEncoded() const { return m_framesEncoded; }
    int packetsWritten() const { return m_packetsWritten; }
    /// The closed file was read back and a picture decoded from it; false until closed, and
    /// for a file that was removed.
    bool fileKept() const { return m_fileKept; }
    AVRational timeBase() const;

private:
    bool fail(const QString &message);
    bool writePackets();
    void release();

    Settings m_settings;
    AVFormatContext *m_out = nullptr;
    AVCodecContext *m_ctx = nullptr;
    AVStream *m_stream = nullptr;
    AVFrame *m_frame = nullptr;
    AVPacket *m_packet = nullptr;
    int m_syncFd = -1; // second handle for fsync of completed fragments (POSIX)
    bool m_fileOpen = false;
    bool m_headerWritten = false;
    bool m_finished = false;
    bool m_fileKept = false;
    int m_framesEncoded = 0;
    int m_packetsWritten = 0;
    QString m_error;
};
