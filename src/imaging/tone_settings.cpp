#include "imaging/tone_settings.h"

namespace montora {

ToneSettings ToneSettings::fromSliders(int contrast, int brightness, int saturation, int hue, int gamma, int colour,
                                       bool enabled)
{
    ToneSettings tone;
    tone.enabled = enabled ? 1 : 0;
    tone.contrast = float(contrast * 0.01);
    tone.brightness = float(brightness * 0.01 - 1.0);
    tone.saturation = float(saturation * 0.01);
    tone.hue = float(hue * 0.01 - 180.0);
    tone.gamma = float(gamma * 0.01);
    tone.colour = float((colour * 0.01 - 180.0) * 0.2);
    return tone;
}

} // namespace montora
