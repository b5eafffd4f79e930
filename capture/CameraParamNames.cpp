#include "capture/CameraParamNames.h"

#include "capture/CameraProperty.h"

#include <QtGlobal>

#include <algorithm>

namespace CameraParamNames {

const QVector<Slider> &sliders()
{
    static const QVector<Slider> table{
        {QT_TRANSLATE_NOOP("Specula", "曝光时间"), CameraProperty::Exposure,
         &CameraConfig::exposure, nullptr},
        {QT_TRANSLATE_NOOP("Specula", "增益"), CameraProperty::Gain, &CameraConfig::gain, nullptr},
        {QT_TRANSLATE_NOOP("Specula", "亮度"), CameraProperty::Brightness,
         &CameraConfig::brightness, nullptr},
        {QT_TRANSLATE_NOOP("Specula", "对比度"), CameraProperty::Contrast, &CameraConfig::contrast,
         nullptr},
        {QT_TRANSLATE_NOOP("Specula", "饱和度"), CameraProperty::Saturation,
         &CameraConfig::saturation, nullptr},
        {QT_TRANSLATE_NOOP("Specula", "色相"), CameraProperty::Hue, &CameraConfig::hue, nullptr},
        {QT_TRANSLATE_NOOP("Specula", "伽马值"), CameraProperty::Gamma, &CameraConfig::gamma,
         nullptr},
        {QT_TRANSLATE_NOOP("Specula", "锐度"), CameraProperty::Sharpness, &CameraConfig::sharpness,
         nullptr},
        {QT_TRANSLATE_NOOP("Specula", "红增益"), CameraProperty::RedGain, nullptr,
         &CameraConfig::redGain},
        {QT_TRANSLATE_NOOP("Specula", "绿增益"), CameraProperty::GreenGain, nullptr,
         &CameraConfig::greenGain},
        {QT_TRANSLATE_NOOP("Specula", "蓝增益"), CameraProperty::BlueGain, nullptr,
         &CameraConfig::blueGain},
    };
    return table;
}

const Slider *findSlider(const QString &name)
{
    const QVector<Slider> &table = sliders();
    const auto it = std::find_if(table.cbegin(), table.cend(), [&name](const Slider &s) {
        return name == QString::fromUtf8(s.name);
    });
    return it == table.cend() ? nullptr : &*it;
}

int storeSlider(CameraConfig &config, const QString &name, int value)
{
    const Slider *slider = findSlider(name);
    if (!slider)
        return -1;
    if (slider->param)
        (config.*(slider->param)).value = value;
    else
        config.*(slider->gain) = value;
    return slider->prop;
}

SliderView sliderView(const CameraConfig &config, const Slider &slider, bool supported,
                      const CameraParam &range)
{
    SliderView view;
    if (!supported)
        return view;
    view.enabled = true;
    if (slider.param) {
        const CameraParam &p = config.*(slider.param);
        view.minimum = p.minValue;
        view.maximum = p.maxValue;
        view.value = p.value;
        view.step = std::max(1, p.step);
        // Time and gain are set by hand only in manual exposure; automatic exposure chooses
        // both (and a reset pushes the gain only in manual exposure).
        if (slider.prop == CameraProperty::Exposure || slider.prop == CameraProperty::Gain)
            view.enabled = !config.exposure.isAuto();
    } else {
        view.minimum = range.minValue;
        view.maximum = range.maxValue;
        view.value = int(config.*(slider.gain));
        view.step = std::max(1, range.step);
        // The channel gains count only while the white balance is set by hand.
        view.enabled = !config.autoWhiteBalance;
    }
    return view;
}

QVector<QStringList> groupKeys()
{
    // Marked for the translation tools: the window translates them in its own context.
    const auto k = [](const char *text) { return QString::fromUtf8(text); };
    return {
        {k(QT_TRANSLATE_NOOP("Specula", "自动曝光")), k(QT_TRANSLATE_NOOP("Specula", "曝光时间")),
         k(QT_TRANSLATE_NOOP("Specula", "增益"))},
        {k(QT_TRANSLATE_NOOP("Specula", "亮度")), k(QT_TRANSLATE_NOOP("Specula", "对比度")),
         k(QT_TRANSLATE_NOOP("Specula", "饱和度")), k(QT_TRANSLATE_NOOP("Specula", "色相")),
         k(QT_TRANSLATE_NOOP("Specula", "伽马值")), k(QT_TRANSLATE_NOOP("Specula", "锐度")),
         k(QT_TRANSLATE_NOOP("Specula", "去雾")), k(QT_TRANSLATE_NOOP("Specula", "黑白"))},
        {k(QT_TRANSLATE_NOOP("Specula", "自动白平衡")), k(QT_TRANSLATE_NOOP("Specula", "色温")),
         k(QT_TRANSLATE_NOOP("Specula", "红增益")), k(QT_TRANSLATE_NOOP("Specula", "绿增益")),
         k(QT_TRANSLATE_NOOP("Specula", "蓝增益"))},
        {k(QT_TRANSLATE_NOOP("Specula", "水平翻转")), k(QT_TRANSLATE_NOOP("Specula", "垂直翻转"))},
    };
}

} // namespace CameraParamNames
