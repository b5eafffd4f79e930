#include "TestVideo.h"

#include <QPainter>

#include <libyuv.h>

#include <memory>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/opt.h>
}

namespace {

struct Output
{
    AVFormatContext *format = nullptr;
    AVCodecContext *video = nullptr;
    AVCodecContext *audio = nullptr;
    AVStream *videoStream = nullptr;
    AVStream *audioStream = nullptr;
    ~Output()
    {
        avcodec_free_context(&video);
        avcodec_free_context(&audio);
        if (format) {
            if (format->pb)
                avio_closep(&format->pb);
            avformat_free_context(format);
        }
    }
};

bool drain(AVCodecContext *codec, AVStream *stream, AVFormatContext *format, AVFrame *frame)
{
    if (avcodec_send_frame(codec, frame) < 0)
        return false;
    AVPacket *packet = av_packet_alloc();
    int result = 0;
    while ((result = avcodec_receive_packet(codec, packet)) == 0) {
        av_packet_rescale_ts(packet, codec->time_base, stream->time_base);
        packet->stream_index = stream->index;
        if (av_interleaved_write_frame(format, packet) < 0) {
            av_packet_free(&packet);
            return false;
        }
    }
    av_packet_free(&packet);
    return result == AVERROR(EAGAIN) || result == AVERROR_EOF;
}

bool openAudio(Output &out)
{
    const AVCodec *encoder = avcodec_find_encoder(AV_CODEC_ID_AAC);
    if (!encoder)
        return false;
    out.audioStream = avformat_new_stream(out.format, nullptr);
    out.audio = avcodec_alloc_context3(encoder);
    out.audio->sample_fmt = AV_SAMPLE_FMT_FLTP;
    out.audio->sample_rate = 44100;
    av_channel_layout_default(&out.audio->ch_layout, 2);
    out.audio->bit_rate = 64000;
    out.audio->time_base = AVRational{1, 44100};
    if (out.format->oformat->flags & AVFMT_GLOBALHEADER)
        out.audio->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
    if (avcodec_open2(out.audio, encoder, nullptr) < 0)
        return false;
    out.audioStream->time_base = out.audio->time_base;
    return avcodec_parameters_from_context(out.audioStream->codecpar, out.audio) >= 0;
}

bool openVideo(Output &out, const TestVideo &video)
{
    const AVCodec *encoder = avcodec_find_encoder(AV_CODEC_ID_H264);
    if (!encoder)
        return false;
    out.videoStream = avformat_new_stream(out.format, nullptr);
    out.video = avcodec_alloc_context3(encoder);
    out.video->width = video.size.width();
    out.video->height = video.size.height();
    out.video->pix_fmt = AV_PIX_FMT_YUV420P;
    out.video->time_base = AVRational{1, video.fps};
    out.video->framerate = AVRational{video.fps, 1};
    out.video->gop_size = 25;
    if (out.format->oformat->flags & AVFMT_GLOBALHEADER)
        out.video->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
    av_opt_set(out.video->priv_data, "preset", video.preset, 0);
    if (avcodec_open2(out.video, encoder, nullptr) < 0)
        return false;
    out.videoStream->time_base = out.video->time_base;
    return avcodec_parameters_from_context(out.videoStream->codecpar, out.video) >= 0;
}

bool writeAudio(Output &out, double seconds)
{
    AVFrame *frame = av_frame_alloc();
    frame->format = out.audio->sample_fmt;
    frame->nb_samples = out.audio->frame_size;
    av_channel_layout_copy(&frame->ch_layout, &out.audio->ch_layout);
    frame->sample_rate = out.audio->sample_rate;
    bool ok = av_frame_get_buffer(frame, 0) >= 0;
    const int64_t total = int64_t(seconds * out.audio->sample_rate);
    for (int64_t pts = 0; ok && pts < total; pts += frame->nb_samples) {
        ok = av_frame_make_writable(frame) >= 0 &&
             av_samples_set_silence(frame->data, 0, frame->nb_samples, frame->ch_layout.nb_channels,
                                    AVSampleFormat(frame->format)) >= 0;
        frame->pts = pts;
        ok = ok && drain(out.audio, out.audioStream, out.format, frame);
    }
    av_frame_free(&frame);
    return ok && drain(out.audio, out.audioStream, out.format, nullptr);
}

bool writeVideo(Output &out, const TestVideo &video)
{
    const QImage source = (video.picture.isNull() ? quadrantPicture(video.size) : video.picture)
                              .scaled(video.size)
                              .convertToFormat(QImage::Format_RGB32);
    AVFrame *frame = av_frame_alloc();
    frame->format = AV_PIX_FMT_YUV420P;
    frame->width = video.size.width();
    frame->height = video.size.height();
    bool ok = av_frame_get_buffer(frame, 0) >= 0;
    for (int i = 0; ok && i < video.frames; ++i) {
        ok = av_frame_make_writable(frame) >= 0 &&
             libyuv::ARGBToI420(source.constBits(), int(source.bytesPerLine()), frame->data[0],
                                frame->linesize[0], frame->data[1], frame->linesize[1],
                                frame->data[2], frame->linesize[2], frame->width,
                                frame->height) == 0;
        frame->pts = i;
        ok = ok && drain(out.video, out.videoStream, out.format, frame);
    }
    av_frame_free(&frame);
    return ok && drain(out.video, out.videoStream, out.format, nullptr);
}

} // namespace

QImage quadrantPicture(QSize size)
{
    QImage picture(size, QImage::Format_RGB32);
    QPainter painter(&picture);
    const int w = size.width() / 2;
    const int h = size.height() / 2;
    painter.fillRect(0, 0, w, h, Qt::red);
    painter.fillRect(w, 0, size.width() - w, h, Qt::green);
    painter.fillRect(0, h, w, size.height() - h, Qt::blue);
    painter.fillRect(w, h, size.width() - w, size.height() - h, Qt::white);
    return picture;
}

bool writeTestVideo(const QString &path, const TestVideo &video)
{
    // The encoders' statistics are of no interest here.
    av_log_set_level(qMin(av_log_get_level(), AV_LOG_ERROR));
    Output out;
    const QByteArray file = path.toUtf8();
    if (avformat_alloc_output_context2(&out.format, nullptr, nullptr, file.constData()) < 0)
        return false;
    // Stream order follows the order of creation: audio first when asked for.
    if ((video.audioFirst || video.audioOnly) && !openAudio(out))
        return false;
    if (!video.audioOnly && !openVideo(out, video))
        return false;
    if (avio_open(&out.format->pb, file.constData(), AVIO_FLAG_WRITE) < 0 ||
        avformat_write_header(out.format, nullptr) < 0)
        return false;
    const double seconds = double(video.frames) / video.fps;
    if (out.audio && !writeAudio(out, seconds))
        return false;
    if (out.video && !writeVideo(out, video))
        return false;
    return av_write_trailer(out.format) >= 0;
}
