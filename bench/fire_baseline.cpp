// Plain loops over plain arrays: the cost of the fire's pixel work itself,
// without locks, handles, brushes or palette lookups.
#include "fire_baseline.h"

#include <algorithm>

namespace lumenbox::bench {

namespace {

constexpr std::uint32_t Rgb(int red, int green, int blue) {
    return static_cast<std::uint32_t>((red << 16) | (green << 8) | blue);
}

int SquaredDistance(std::uint32_t a, std::uint32_t b) {
    int sum = 0;
    for (int shift = 0; shift <= 16; shift += 8) {
        const int difference = static_cast<int>((a >> shift) & 0xFF) - static_cast<int>((b >> shift) & 0xFF);
        sum += difference * difference;
    }
    return sum;
}

std::uint8_t NearestEntry(const std::array<std::uint32_t, 256>& colours, std::uint32_t colour) {
    std::size_t best = 0;
    for (std::size_t entry = 1; entry < colours.size(); ++entry) {
        if (SquaredDistance(colours[entry], colour) < SquaredDistance(colours[best], colour)) {
            best = entry;
        }
    }
    return static_cast<std::uint8_t>(best);
}

std::uint32_t ReadCell(const BaselineFire& fire, int px, int py) {
    const int x = 2 * px;
    const int y = 2 * py;
    if (x < 0 || x >= BaselineFire::Width || y < 0 || y >= BaselineFire::Height) {
        return fire.outsideIndex;
    }
    return fire.readBack[fire.canvas[static_cast<std::size_t>(y * BaselineFire::Width + x)]];
}

void PlotCell(BaselineFire& fire, int px, int py, std::uint32_t index) {
    const int left = std::max(2 * px - 2, 0);
    const int right = std::min(2 * px + 2, BaselineFire::Width - 1);
    const int top = std::max(2 * py - 2, 0);
    const int bottom = std::min(2 * py + 2, BaselineFire::Height - 1);
    const auto entry = static_cast<std::uint8_t>(index);
    const std::uint32_t colour = fire.colours[entry];
    for (int y = top; y <= bottom; ++y) {
        const auto row = static_cast<std::size_t>(y * BaselineFire::Width);
        std::fill(fire.canvas.begin() + static_cast<std::ptrdiff_t>(row + static_cast<std::size_t>(left)),
                  fire.canvas.begin() + static_cast<std::ptrdiff_t>(row + static_cast<std::size_t>(right) + 1), entry);
        std::fill(fire.window.begin() + static_cast<std::ptrdiff_t>(row + static_cast<std::size_t>(left)),
                  fire.window.begin() + static_cast<std::ptrdiff_t>(row + static_cast<std::size_t>(right) + 1), colour);
    }
}

}  // namespace

BaselineFire MakeBaselineFire(const std::array<std::uint32_t, 256>& otherColours) {
    BaselineFire fire;
    fire.colours = otherColours;
    for (int i = 1; i <= 32; ++i) {
        const int ramp = 8 * i - 4;
        fire.colours[static_cast<std::size_t>(i)] = Rgb(ramp, 0, 0);
        fire.colours[static_cast<std::size_t>(i + 32)] = Rgb(252, ramp, 0);
        fire.colours[static_cast<std::size_t>(i + 64)] = Rgb(252, 252, ramp);
        fire.colours[static_cast<std::size_t>(i + 96)] = Rgb(252, 252, 252);
    }
    for (std::size_t entry = 0; entry < fire.colours.size(); ++entry) {
        fire.readBack[entry] = NearestEntry(fire.colours, fire.colours[entry]);
    }
    fire.outsideIndex = NearestEntry(fire.colours, Rgb(255, 255, 255));
    return fire;
}

void BaselineFrame(BaselineFire& fire) {
    for (int x = 0; x <= 159; ++x) {
        for (int y = 60; y <= 118; ++y) {
            std::uint32_t sum = ReadCell(fire, 2 * x, 2 * y);
            sum += ReadCell(fire, 2 * (x + 1), 2 * y);
            sum += ReadCell(fire, 2 * (x - 1), 2 * y);
            sum += ReadCell(fire, 2 * (x + 1), 2 * (y + 1));
            std::uint32_t heat = sum / 4;
            if (heat != 0) {
                heat -= 1;
            }
            PlotCell(fire, 2 * x, 2 * (y - 1), heat);
        }
        PlotCell(fire, 2 * x, 2 * 118, (fire.random() >> 31) * 160);
    }
}

}  // namespace lumenbox::bench
