#include "media/VideoThumbnail.h"

#include <libyuv.h>

#include <QByteArray>

#include <memory>
#include <vector>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
}

namespace {

// Packets of the video stream tried before giving up (a decoder with reordering delay needs a
// few before the first picture comes out), and a bound on all packets read, so that a file
// with a video stream but hardly any video packets is not read to its end.
constexpr int kMaxVideoPackets = 10;
constexpr int kMaxPackets = 1000;
// Larger frames are not pictures anybody records; their allocation would only risk the memory.
constexpr int kMaxSide = 16384;

struct FormatCloser
{
    void operator()(AVFormatContext *context) const { avformat_close_input(&context); }
};
struct CodecFreer
{
    void operator()(AVCodecContext *context) const { avcodec_free_context(&context); }
};
struct FrameFreer
{
    void operator()(AVFrame *frame) const { av_frame_free(&frame); }
};
struct PacketFreer
{
    void operator()(AVPacket *packet) const { av_packet_free(&packet); }
};

using FormatPtr = std::unique_ptr<AVFormatContext, FormatCloser>;
using CodecPtr = std::unique_ptr<AVCodecContext, CodecFreer>;
using FramePtr = std::unique_ptr<AVFrame, FrameFreer>;
using PacketPtr = std::unique_ptr<AVPacket, PacketFreer>;

// The last video stream whose decoder opens, with its opened context; the contexts of the
// others are freed on the way.
CodecPtr openLastVideoStream(AVFormatContext *format, int *streamIndex)
{
    CodecPtr chosen;
    for (unsigned i = 0; i < format->nb_streams; ++i) {
        const AVCodecParameters *parameters = format->streams[i]->codecpar;
        if (parameters->codec_type != AVMEDIA_TYPE_VIDEO)
            continue;
        const AVCodec *decoder = avcodec_find_decoder(parameters->codec_id);
        if (!decoder)
            continue;
        CodecPtr context(avcodec_alloc_context3(decoder));
        if (!context || avcodec_parameters_to_context(context.get(), parameters) < 0 ||
            avcodec_open2(context.get(), decoder, nullptr) < 0)
            continue;
        chosen = std::move(context);
        *streamIndex = int(i);
    }
    return chosen;
}

QImage frameToPicture(AVFrame *frame)
{
    if (frame->width <= 0 || frame->height <= 0 || frame->width > kMaxSide ||
        frame->height > kMaxSide)
        return QImage();
    QImage picture(frame->width, frame->height, QImage::Format_RGB32);
    // A failed allocation gives a null picture: nothing to write into.
    if (picture.isNull() ||
        !AVFrameToImage(frame, static_cast<AVPixelFormat>(frame->format), picture))
        return QImage();
    return picture;
}

// The first frame the decoder has ready becomes the picture (null when it does not convert:
// later frames of the stream share its format and size).
bool receivePicture(AVCodecContext *context, AVFrame *frame, QImage *picture)
{
    if (avcodec_receive_frame(context, frame) != 0)
        return false;
    *picture = frameToPicture(frame);
    av_frame_unref(frame);
    return true;
}

} // namespace

QImage videoThumbnail(const QString &path)
{
    AVFormatContext *opened = nullptr;
    if (avformat_open_input(&opened, path.toUtf8().constData(), nullptr, nullptr) < 0)
        return QImage();
    const FormatPtr format(opened);
    if (avformat_find_stream_info(format.get(), nullptr) < 0 || format->nb_streams == 0)
        return QImage();

    int streamIndex = -1;
    const CodecPtr codec = openLastVideoStream(format.get(), &streamIndex);
    if (!codec)
        return QImage();

    const PacketPtr packet(av_packet_alloc());
    const FramePtr frame(av_frame_alloc());
    if (!packet || !frame)
        return QImage();

    QImage picture;
    int videoPackets = 0;
    for (int read = 0; read < kMaxPackets && videoPackets < kMaxVideoPackets; ++read) {
        if (av_read_frame(format.get(), packet.get()) < 0)
            break;
        if (packet->stream_index == streamIndex) {
            ++videoPackets;
            // A damaged packet is skipped; the next one may decode.
            const int sent = avcodec_send_packet(codec.get(), packet.get());
            av_packet_unref(packet.get());
            if (sent >= 0 && receivePicture(codec.get(), frame.get(), &picture))
                return picture;
        } else {
            av_packet_unref(packet.get());
        }
    }
    // Pictures held back for reordering come out only when the decoder is drained.
    if (avcodec_send_packet(codec.get(), nullptr) >= 0)
        receivePicture(codec.get(), frame.get(), &picture);
    return picture;
}

bool AVFrameToImage(AVFrame *frame, AVPixelFormat format, QImage &picture)
{
    using namespace libyuv;
    if (!frame || picture.isNull() || !frame->data[0] || !frame->data[1] || !frame->data[2])
        return false;
    if (format != AV_PIX_FMT_YUV420P && format != AV_PIX_FMT_YUVJ420P &&
        format != AV_PIX_FMT_YUVJ422P)
        return false;

    const int width = qMin(frame->width, picture.width());
    const int height = qMin(frame->height, picture.height());
    if (width <= 0 || height <= 0)
        return false;
    const uint8_t *y = frame->data[0];
    const uint8_t *u = frame->data[1];
    const uint8_t *v = frame->data[2];
    const int sy = frame->linesize[0];
    const int su = frame->linesize[1];
    const int sv = frame->linesize[2];
    uint8_t *dst = picture.bits();
    const int stride = int(picture.bytesPerLine());
    const bool argb =
        picture.format() == QImage::Format_RGB32 || picture.format() == QImage::Format_ARGB32;

    if (argb) {
        switch (format) {
        case AV_PIX_FMT_YUV420P:
            return I420ToARGB(y, sy, u, su, v, sv, dst, stride, width, height) == 0;
        case AV_PIX_FMT_YUVJ420P:
            return J420ToARGB(y, sy, u, su, v, sv, dst, stride, width, height) == 0;
        default: return J422ToARGB(y, sy, u, su, v, sv, dst, stride, width, height) == 0;
        }
    }
    // 24-bit pictures: RAW is libyuv's name for bytes in R, G, B order, as in RGB888.
    switch (format) {
    case AV_PIX_FMT_YUV420P: return I420ToRAW(y, sy, u, su, v, sv, dst, stride, width, height) == 0;
    case AV_PIX_FMT_YUVJ420P:
        return J420ToRAW(y, sy, u, su, v, sv, dst, stride, width, height) == 0;
    default: {
        // libyuv has no J422 to 24-bit conversion; its 32-bit one written straight into a
        // 24-bit picture would run past every row, so go through a 32-bit copy.
        std::vector<uint8_t> argbRows(size_t(width) * 4 * size_t(height));
        const int argbStride = width * 4;
        return J422ToARGB(y, sy, u, su, v, sv, argbRows.data(), argbStride, width, height) == 0 &&
               ARGBToRAW(argbRows.data(), argbStride, dst, stride, width, height) == 0;
    }
    }
}
