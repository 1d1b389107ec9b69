// SPDX-License-Identifier: GPL-3.0-or-later
#include "PhysicalLimit.h"

#include <chrono>
#include <cmath>
#include <cstdint>
#include <vector>

namespace bench {
namespace {

constexpr int kWidth = 556, kHeight = 508;  // the canvas, user scale -12...12
constexpr double kPi = 3.1415926535;

// 2-pixel blue dots in a canvas-sized picture.
class Dots {
  public:
    void set(double x, double y) {
        const int px = int((x + 12) * kWidth / 24), py = int((12 - y) * kHeight / 24);
        if (px < 0 || py < 0 || px + 1 >= kWidth || py + 1 >= kHeight) return;
        for (int row = py; row < py + 2; ++row) {
            pixels_[std::size_t(row) * kWidth + px] = kBlue;
            pixels_[std::size_t(row) * kWidth + px + 1] = kBlue;
        }
    }
    std::uint32_t checksum() const {
        std::uint32_t sum = 0;
        for (std::uint32_t p : pixels_)
            sum += p;
        return sum;
    }

  private:
    static constexpr std::uint32_t kBlue = 0xFF0000FF;
    std::vector<std::uint32_t> pixels_ = std::vector<std::uint32_t>(kWidth * kHeight);
};

template <typename Body>
void Sweep(double start, double end, double step, Body&& body) {
    for (double v = start; v <= end; v += step)
        body(v);
}

void Draw(const NativePlot& plot, const std::array<double, 4>& r, Dots& dots) {
    const auto f = plot.f;
    switch (plot.shape) {
        case Shape::Scan:
            return Sweep(r[0], r[1], 0.04, [&](double x) {
                Sweep(r[2], r[3], 0.03, [&](double y) {
                    if (f(x, y) <= 0.03) dots.set(x, y);
                });
            });
        case Shape::ExplicitY:
            return Sweep(r[0], r[1], 0.004, [&](double x) { dots.set(x, f(x, 0)); });
        case Shape::SquaredY:
            return Sweep(r[0], r[1], 0.004, [&](double x) {
                const double value = f(x, 0);
                if (value < 0) return;
                dots.set(x, std::sqrt(value));
                dots.set(x, -std::sqrt(value));
            });
        case Shape::Parametric:
            return Sweep(0, 2 * kPi, kPi / 2000, [&](double t) { dots.set(f(t, 0), f(t, 1)); });
        case Shape::Polar:
            return Sweep(0, 2 * kPi, kPi / 2000, [&](double t) {
                const double radius = f(t, 0);
                dots.set(radius * std::cos(t), radius * std::sin(t));
            });
    }
}

}  // namespace

double LimitMs(const NativePlot& plot, const std::array<double, 4>& ranges) {
    Dots dots;
    const auto start = std::chrono::steady_clock::now();
    Draw(plot, ranges, dots);
    const auto end = std::chrono::steady_clock::now();
    volatile std::uint32_t keep = dots.checksum();  // the dots must not be optimised away
    (void)keep;
    return std::chrono::duration<double, std::milli>(end - start).count();
}

}  // namespace bench
