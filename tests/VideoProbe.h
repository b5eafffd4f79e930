#pragma once

#include <QImage>
#include <QString>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/imgutils.h>
}

#include <libyuv.h>

/// What FFmpeg reads back from a video file: container, size, the frames it decodes, the
/// span of their presentation times, and the first decoded picture (as RGB32).
struct VideoProbe
{
    bool ok = false;
    QString container;
    QString codec;
    int width = 0;
    int height = 0;
    int frames = 0;
    double durationMs = 0.0; // first frame's start to last frame's end
    QImage firstFrame;

    static VideoProbe read(const QString &path)
    {
        VideoProbe probe;
        AVFormatContext *in = nullptr;
        if (avformat_open_input(&in, path.toUtf8().constData(), nullptr, nullptr) < 0)
            return probe;
        AVCodecContext *ctx = nullptr;
        AVPacket *packet = av_packet_alloc();
        AVFrame *frame = av_frame_alloc();
        const int index = avformat_find_stream_info(in, nullptr) >= 0
                              ? av_find_best_stream(in, AVMEDIA_TYPE_VIDEO, -1, -1, nullptr, 0)
                              : -1;
        if (index >= 0) {
            AVStream *stream = in->streams[index];
            const AVCodec *decoder = avcodec_find_decoder(stream->codecpar->codec_id);
            ctx = avcodec_alloc_context3(decoder);
            if (decoder && ctx && avcodec_parameters_to_context(ctx, stream->codecpar) >= 0 &&
                avcodec_open2(ctx, decoder, nullptr) >= 0) {
                probe.container = QString::fromLatin1(in->iformat->name);
                probe.codec = QString::fromLatin1(decoder->name);
                probe.width = ctx->width;
                probe.height = ctx->height;
                qint64 first = AV_NOPTS_VALUE;
                qint64 last = AV_NOPTS_VALUE;
                const auto take = [&] {
                    while (avcodec_receive_frame(ctx, frame) >= 0) {
                        // A frame without a time (an AVI's reordered ones) spans nothing.
                        const qint64 pts = frame->best_effort_timestamp;
                        if (pts != AV_NOPTS_VALUE) {
                            if (first == AV_NOPTS_VALUE || pts < first)
                                first = pts;
                            const qint64 end = pts + qMax<qint64>(frame->pkt_duration, 1);
                            if (last == AV_NOPTS_VALUE || end > last)
                                last = end;
                        }
                        if (probe.frames == 0)
                            probe.firstFrame = toImage(frame);
                        ++probe.frames;
                    }
                };
                while (av_read_frame(in, packet) >= 0) {
                    if (packet->stream_index == index && avcodec_send_packet(ctx, packet) >= 0)
                        take();
                    av_packet_unref(packet);
                }
                avcodec_send_packet(ctx, nullptr);
                take();
                if (first != AV_NOPTS_VALUE)
                    probe.durationMs = (last - first) * av_q2d(stream->time_base) * 1000.0;
                probe.ok = true;
            }
        }
        av_frame_free(&frame);
        av_packet_free(&packet);
        avcodec_free_context(&ctx);
        avformat_close_input(&in);
        return probe;
    }

    static QImage toImage(const AVFrame *frame)
    {
        if (frame->format != AV_PIX_FMT_YUV420P)
            return QImage();
        QImage image(frame->width, frame->height, QImage::Format_RGB32);
        libyuv::I420ToARGB(frame->data[0], frame->linesize[0], frame->data[1], frame->linesize[1],
                           frame->data[2], frame->linesize[2], image.bits(),
                           int(image.bytesPerLine()), frame->width, frame->height);
        return image;
    }
};
