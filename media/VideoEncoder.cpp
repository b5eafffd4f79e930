#include "media/VideoEncoder.h"

#include "media/VideoThumbnail.h"

#include <QFile>
#include <QImage>

#include <cstdio>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <unistd.h>
#endif

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/dict.h>
#include <libavutil/error.h>
#include <libavutil/mathematics.h>
}

#include <libyuv.h>

namespace {

// A key frame every ten frames: a fragment (and so the most a crash can lose) is at most one
// second long from 10 fps on.
constexpr int kGopSize = 10;

QString avError(int code)
{
    char text[AV_ERROR_MAX_STRING_SIZE] = {};
    av_strerror(code, text, sizeof text);
    return QString::fromLocal8Bit(text);
}

bool isMp4Family(const AVOutputFormat *format)
{
    const QByteArray names(format->name);
    return names.contains("mp4") || names.contains("mov");
}

} // namespace

bool ImageToAVFrame(const QImage &image, AVFrame *frame, AVPixelFormat format)
{
    if (!frame || image.isNull() || image.width() != frame->width ||
        image.height() != frame->height)
        return false;
    // libyuv reads four bytes per pixel: anything else (24-bit, indexed, premultiplied) goes
    // through one Qt conversion first rather than being read past its rows.
    const QImage source =
        (image.format() == QImage::Format_RGB32 || image.format() == QImage::Format_ARGB32)
            ? image
            : image.convertToFormat(QImage::Format_RGB32);
    const uint8_t *bits = source.constBits();
    const int stride = int(source.bytesPerLine());
    const int w = source.width();
    const int h = source.height();
    uint8_t **d = frame->data;
    const int *ls = frame->linesize;
    switch (format) {
    case AV_PIX_FMT_YUV420P:
        return libyuv::ARGBToI420(bits, stride, d[0], ls[0], d[1], ls[1], d[2], ls[2], w, h) == 0;
    case AV_PIX_FMT_YUVJ420P:
        return libyuv::ARGBToJ420(bits, stride, d[0], ls[0], d[1], ls[1], d[2], ls[2], w, h) == 0;
    case AV_PIX_FMT_YUVJ422P:
        return libyuv::ARGBToJ422(bits, stride, d[0], ls[0], d[1], ls[1], d[2], ls[2], w, h) == 0;
    case AV_PIX_FMT_NV12:
        return libyuv::ARGBToNV12(bits, stride, d[0], ls[0], d[1], ls[1], w, h) == 0;
    default: return false;
    }
}

VideoEncoder::~VideoEncoder()
{
    release();
}

bool VideoEncoder::fail(const QString &message)
{
    m_error = message;
    // The recorder's diagnostics go to standard output.
    std::printf("%s\n", message.toLocal8Bit().constData());
    std::fflush(stdout);
    return false;
}

AVRational VideoEncoder::timeBase() const
{
    return m_ctx ? m_ctx->time_base : AVRational{1, m_settings.fps};
}

bool VideoEncoder::open(const Settings &settings)
{
    release();
    m_settings = settings;
    m_error.clear();
    m_framesEncoded = 0;
    m_packetsWritten = 0;
    m_finished = false;
    m_fileKept = false;
    // The whole UTF-8 path, however long: FFmpeg's file protocol takes UTF-8 names.
    const QByteArray name = settings.path.toUtf8();
    if (settings.width <= 0 || settings.height <= 0 || settings.fps <= 0)
        return fail(QStringLiteral("Invalid video size or frame rate"));

    // The container follows the file name's suffix ("mp4", "avi", "mkv", ...).
    int ret = avformat_alloc_output_context2(&m_out, nullptr, nullptr, name.constData());
    if (ret < 0 || !m_out)
        return fail(QStringLiteral("Could not create output context: %1").arg(avError(ret)));

    const AVCodec *codec = avcodec_find_encoder(AV_CODEC_ID_H264);
    if (!codec)
        return fail(QStringLiteral("Can not find output video encoder! (没有找到合适的编码器！)"));

    m_ctx = avcodec_alloc_context3(codec);
    if (!m_ctx)
        return fail(QStringLiteral("Failed to allocate the video encoder"));
    m_ctx->width = settings.width;
    m_ctx->height = settings.height;
    m_ctx->time_base = AVRational{1, settings.fps};
    m_ctx->framerate = AVRational{settings.fps, 1};
    m_ctx->gop_size = kGopSize;
    m_ctx->pix_fmt = AV_PIX_FMT_YUV420P;
    m_ctx->max_b_frames = 3;
    m_ctx->qcompress = 0.5f;
    m_ctx->qmin = 5;
    m_ctx->qmax = 30;
    m_ctx->max_qdiff = 4;
    if (m_out->oformat->flags & AVFMT_GLOBALHEADER)
        m_ctx->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;

    AVDictionary *options = nullptr;
    av_dict_set(&options, "preset", settings.preset.toUtf8().constData(), 0);
    av_dict_set(&options, "tune", settings.tune.toUtf8().constData(), 0);
    ret = avcodec_open2(m_ctx, codec, &options);
    av_dict_free(&options);
    if (ret < 0)
        return fail(QStringLiteral("Failed to open output video encoder!) %1").arg(avError(ret)));

    m_stream = avformat_new_stream(m_out, nullptr);
    if (!m_stream)
        return fail(QStringLiteral("Failed to create the video stream"));
    ret = avcodec_parameters_from_context(m_stream->codecpar, m_ctx);
    if (ret < 0)
        return fail(QStringLiteral("Failed to copy the encoder parameters: %1").arg(avError(ret)));
    // A hint only: the muxer may pick a finer time base when it writes the header.
    m_stream->time_base = m_ctx->time_base;
    m_stream->avg_frame_rate = m_ctx->framerate;

    std::printf("======= av_dump_format output =======\n");
    std::fflush(stdout);
    av_dump_format(m_out, 0, name.constData(), 1);
    std::printf("============== dump end ========= \n");

    if (!(m_out->oformat->flags & AVFMT_NOFILE)) {
        ret = avio_open(&m_out->pb, name.constData(), AVIO_FLAG_WRITE);
        if (ret < 0)
            return fail(QStringLiteral("Could not open output URL '%1'").arg(settings.path));
        m_fileOpen = true;
#ifdef Q_OS_UNIX
        // A second handle on the same file, only to force completed fragments to the disk
        // (fsync flushes the file, whatever handle names it): a power cut then loses at most
        // the fragment being written.
        if (isMp4Family(m_out->oformat))
            m_syncFd = ::open(name.constData(), O_WRONLY | O_CLOEXEC);
#endif
    }
    // Each packet reaches the file at once, so a killed process leaves every completed
    // fragment on disk.
    m_out->flush_packets = 1;

    AVDictionary *header = nullptr;
    if (isMp4Family(m_out->oformat))
        av_dict_set(&header, "movflags", "frag_keyframe+empty_moov+default_base_moof", 0);
    ret = avformat_write_header(m_out, &header);
    av_dict_free(&header);
    if (ret < 0)
        return fail(QStringLiteral("Error occurred when opening output URL: %1").arg(avError(ret)));
    m_headerWritten = true;
    std::printf("avformat_write_header return: %d\n", ret);
    std::fflush(stdout);

    m_frame = av_frame_alloc();
    m_packet = av_packet_alloc();
    if (!m_frame || !m_packet)
        return fail(QStringLiteral("Failed to allocate the video frame"));
    m_frame->format = m_ctx->pix_fmt;
    m_frame->width = m_ctx->width;
    m_frame->height = m_ctx->height;
    ret = av_frame_get_buffer(m_frame, 0);
    if (ret < 0)
        return fail(QStringLiteral("Failed to allocate the video frame: %1").arg(avError(ret)));
    return true;
}

qint64 VideoEncoder::ptsFor(qint64 ms) const
{
    return av_rescale_q(ms, AVRational{1, 1000}, timeBase());
}

bool VideoEncoder::convert(const QImage &picture)
{
    if (!m_frame || av_frame_make_writable(m_frame) < 0)
        return false;
    return ImageToAVFrame(picture, m_frame, m_ctx->pix_fmt);
}

bool VideoEncoder::encode(qint64 pts)
{
    if (!m_headerWritten || m_finished)
        return fail(QStringLiteral("The video is not open"));
    m_frame->pts = pts;
    const int ret = avcodec_send_frame(m_ctx, m_frame);
    if (ret < 0)
        return fail(QStringLiteral("Error encoding a video frame: %1").arg(avError(ret)));
    ++m_framesEncoded;
    return writePackets();
}

bool VideoEncoder::writePackets()
{
    for (;;) {
        int ret = avcodec_receive_packet(m_ctx, m_packet);
        if (ret == AVERROR(EAGAIN) || ret == AVERROR_EOF)
            return true;
        if (ret < 0)
            return fail(QStringLiteral("Error encoding a video frame: %1").arg(avError(ret)));
        m_packet->stream_index = m_stream->index;
        // A key frame starts a fragment: the one before it has just been written out.
        const bool fragmentDone = m_packet->flags & AV_PKT_FLAG_KEY;
        // Encoder units (1/fps) to the container's, which the header may have changed.
        av_packet_rescale_ts(m_packet, m_ctx->time_base, m_stream->time_base);
        ret = av_interleaved_write_frame(m_out, m_packet); // takes the packet's data
        if (ret < 0)
            return fail(QStringLiteral("Error writing the video: %1").arg(avError(ret)));
        ++m_packetsWritten;
#ifdef Q_OS_UNIX
        if (fragmentDone && m_syncFd >= 0)
            ::fdatasync(m_syncFd);
#endif
    }
}

bool VideoEncoder::finish()
{
    if (!m_headerWritten || m_finished)
        return false;
    m_finished = true;
    // Without draining, the frames still held for B-frame decisions would be lost.
    bool ok = true;
    int ret = avcodec_send_frame(m_ctx, nullptr);
    if (ret < 0)
        ok = fail(QStringLiteral("Error draining the encoder: %1").arg(avError(ret)));
    else
        ok = writePackets();
    ret = av_write_trailer(m_out);
    if (ret < 0)
        ok = fail(QStringLiteral("Error writing the video trailer: %1").arg(avError(ret)));
    release();
    return ok;
}

void VideoEncoder::release()
{
#ifdef Q_OS_UNIX
    if (m_syncFd >= 0)
        ::close(m_syncFd);
#endif
    m_syncFd = -1;
    if (m_out && m_fileOpen) {
        avio_closep(&m_out->pb);
        m_fileOpen = false;
        // What the muxer accepted is not what reached the disk: with the disk full, every
        // fragment may be lost while each packet was taken. Only a file that plays is kept.
        m_fileKept = m_packetsWritten > 0 && !videoThumbnail(m_settings.path).isNull();
        if (!m_fileKept)
            QFile::remove(m_settings.path);
    }
    av_packet_free(&m_packet);
    av_frame_free(&m_frame);
    avcodec_free_context(&m_ctx);
    avformat_free_context(m_out);
    m_out = nullptr;
    m_stream = nullptr;
    m_headerWritten = false;
}
