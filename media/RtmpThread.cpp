#include "media/RtmpThread.h"

#include "media/VideoThumbnail.h"

extern "C" {
#include <libavdevice/avdevice.h>
#include <libavformat/avformat.h>
}

RtmpThread::RtmpThread(QObject *parent) : QThread(parent) {}

RtmpThread::~RtmpThread()
{
    wait();
}

void RtmpThread::init()
{
    // Current FFmpeg registers its codecs and containers by itself; what remains is the network
    // layer and the device formats.
    avformat_network_init();
    avdevice_register_all();
}

QImage RtmpThread::preview(const QString &path)
{
    return videoThumbnail(path);
}
