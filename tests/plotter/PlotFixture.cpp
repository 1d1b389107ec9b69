// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlotFixture.h"

#include <QFile>

#include "plotter/PlotCommands.h"

PlotFixture::PlotFixture()
    : ctx{picture1,
          picture4,
          engine,
          state,
          [this] { return combo; },
          [this](int index) { return ranges.at(static_cast<std::size_t>(index)); },
          [this] { return working; },
          [this](const std::string& text) { working = text; },
          [this](const std::string& text) { statuses.push_back(text); },
          [this](bool on) { timerEnabled = on; },
          [this](bool on) { drawEnabled = on; },
          [this] {
              ++samples;
              if (samples == actionAtSample && action) action();
          },
          folder.path().toStdString(),
          [this](const std::string& text) { messages.push_back(text); },
          [](int number) { return "错误 " + std::to_string(number); }} {
    ctx.parameterText = [this](int index) { return parameters.at(std::size_t(index)); };
    ctx.yieldInterval = {};  // a yield per sample, so a test can click at any sample
    picture1.Scale(-12, 12, 12, -12);
    picture1.setTraceEnabled(true);
    picture4.setTraceEnabled(true);
}

void PlotFixture::draw(const std::string& equation) {
    combo = equation;
    plotter::DrawEquation(ctx);
}

std::string PlotFixture::pointFilePath() const {
    return plotter::PointFilePath(ctx);
}

std::string PlotFixture::pointFile() const {
    QFile file(QString::fromStdString(pointFilePath()));
    if (!file.open(QIODevice::ReadOnly)) return {};
    return file.readAll().toStdString();
}

std::vector<std::string> PlotFixture::records() const {
    std::vector<std::string> lines;
    const std::string content = pointFile();
    std::size_t start = 0;
    for (std::size_t end; (end = content.find("\r\n", start)) != std::string::npos;
         start = end + 2) {
        lines.push_back(content.substr(start, end - start));
    }
    return lines;
}

std::vector<canvas::CanvasOp> PlotFixture::dots() const {
    std::vector<canvas::CanvasOp> result;
    for (const auto& op : picture1.trace())
        if (op.kind == canvas::CanvasOp::Point) result.push_back(op);
    return result;
}

std::vector<canvas::CanvasOp> PlotFixture::segments(QRgb colour) const {
    std::vector<canvas::CanvasOp> result;
    for (const auto& op : picture1.trace())
        if (op.kind == canvas::CanvasOp::Line && op.color == colour) result.push_back(op);
    return result;
}

void PlotFixture::writePointFile(const std::string& content) const {
    QFile file(QString::fromStdString(pointFilePath()));
    if (file.open(QIODevice::WriteOnly)) file.write(content.data(), qint64(content.size()));
}
