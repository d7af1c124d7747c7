// The blanking and pixel-clock rule that keeps a custom output or EDID resolution within what the
// hardware can clock. One rule for every dialog that edits a resolution; the families differ only
// in the constants of PixelClock::Limits. Pure functions, no state.
#pragma once

#include <cstdint>

class PixelClock
{
public:
    // Which field the operator edited last; only that one is computed back from the limit.
    enum Field { Width = 0, Height = 1, FrameRate = 2 };

    struct Limits
    {
        int64_t clock = 175000000; // pixels per second, including blanking
        int wideHBlank = 120;      // horizontal blanking for widths of 800 and more
        int minWidth = 256;
        int maxWidth = 3960;
        int minHeight = 128;
        int maxHeight = 2000;
        int minRate = 23;
        int maxRate = 120;
    };

    struct Timing
    {
        int width = 0;
        int height = 0;
        int rate = 0;
    };

    // Output resolution of KS models (types 0 to 4); also the GW panel dialog.
    static Limits ksOutput();
    // Output resolution of KX models; output 1 in replication mode may be wider.
    static Limits kxOutput(bool wideOutput = false);
    static Limits gwOutput();
    // EDID limits per device type; KX types (16, 17, 18 and 20) share one set. Types outside
    // both families get the KS set.
    static Limits edid(int deviceType);

    // Horizontal and vertical blanking for a size; a few standard sizes have their own.
    static int hBlank(int width, int height, const Limits &limits);
    static int vBlank(int width, int height);

    // (width + hb) * (height + vb) * rate, never negative.
    static int64_t clockOf(const Timing &t, const Limits &limits);
    static bool withinLimit(const Timing &t, const Limits &limits);

    // When t exceeds the limit, the edited field computed back from the limit and clamped to its
    // bounds; otherwise t unchanged. The other two fields are never changed.
    static Timing corrected(const Timing &t, Field edited, const Limits &limits);
};
