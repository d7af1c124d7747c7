#include "PixelClock.h"

#include "DeviceModels.h"

#include <algorithm>

namespace {

struct SizeBlank
{
    int width;
    int height;
    int hb;
    int vb;
};

// Sizes with blanking of their own, the same for every family.
constexpr SizeBlank kExactSizes[] = {
    {800, 600, 256, 28},   {1024, 768, 320, 38},  {1280, 720, 370, 30},
    {1280, 1024, 408, 42}, {1440, 900, 464, 34},  {1600, 1200, 560, 50},
    {1680, 1050, 160, 30}, {1920, 1080, 280, 45}, {1920, 1200, 160, 35},
};

const SizeBlank *exactSize(int width, int height)
{
    for (const SizeBlank &s : kExactSizes) {
        if (s.width == width && s.height == height)
            return &s;
    }
    return nullptr;
}

int clampInt(int64_t v, int lo, int hi)
{
    return int(std::max<int64_t>(lo, std::min<int64_t>(hi, v)));
}

} // namespace

PixelClock::Limits PixelClock::ksOutput()
{
    return Limits{};
}

PixelClock::Limits PixelClock::kxOutput(bool wideOutput)
{
    Limits l;
    l.clock = 180000000;
    l.wideHBlank = 160;
    l.minWidth = 480;
    l.maxWidth = wideOutput ? 3920 : 2504;
    l.minHeight = 320;
    l.maxHeight = 4048;
    l.minRate = 24;
    l.maxRate = 240;
    return l;
}

PixelClock::Limits PixelClock::gwOutput()
{
    return Limits{};
}

PixelClock::Limits PixelClock::edid(int deviceType)
{
    Limits l;
    if (isKxType(deviceType)) {
        l.clock = 300000000;
        l.wideHBlank = 160;
        l.minWidth = 480;
        l.maxWidth = 4094;
        l.minHeight = 320;
        l.maxHeight = 4094;
        l.minRate = 23;
        l.maxRate = 240;
    } else if (isGwType(deviceType)) {
        l.maxWidth = 3840;
        l.maxHeight = 1920;
    }
    return l;
}

int PixelClock::hBlank(int width, int height, const Limits &limits)
{
    if (const SizeBlank *s = exactSize(width, height))
        return s->hb;
    if (width < 480)
        return 640;
    if (width < 640)
        return 480;
    if (width < 800)
        return 320;
    return limits.wideHBlank;
}

int PixelClock::vBlank(int width, int height)
{
    if (const SizeBlank *s = exactSize(width, height))
        return s->vb;
    if (height < 320)
        return 320;
    if (height < 480)
        return 160;
    if (height < 600)
        return 80;
    return 40;
}

int64_t PixelClock::clockOf(const Timing &t, const Limits &limits)
{
    const int64_t w = std::max<int64_t>(0, int64_t(t.width) + hBlank(t.width, t.height, limits));
    const int64_t h = std::max<int64_t>(0, int64_t(t.height) + vBlank(t.width, t.height));
    return w * h * std::max(0, t.rate);
}

bool PixelClock::withinLimit(const Timing &t, const Limits &limits)
{
    return clockOf(t, limits) <= limits.clock;
}

PixelClock::Timing PixelClock::corrected(const Timing &t, Field edited, const Limits &limits)
{
    if (withinLimit(t, limits))
        return t;
    // Exceeding the limit implies a positive rate and positive blanked sizes, so no division
    // below can be by zero.
    const int64_t hb = hBlank(t.width, t.height, limits);
    const int64_t vb = vBlank(t.width, t.height);
    const int64_t w = int64_t(t.width) + hb;
    const int64_t h = int64_t(t.height) + vb;
    Timing r = t;
    switch (edited) {
    case Width:
        r.width = clampInt(limits.clock / (h * t.rate) - hb, limits.minWidth, limits.maxWidth);
        break;
    case Height:
        r.height = clampInt(limits.clock / (w * t.rate) - vb, limits.minHeight, limits.maxHeight);
        break;
    case FrameRate:
        r.rate = clampInt(limits.clock / (w * h), limits.minRate, limits.maxRate);
        break;
    }
    return r;
}
