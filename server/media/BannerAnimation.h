#pragma once

#include <QByteArray>
#include <QStringList>

// The header banner of the client: an animated GIF of 400 x 116 pixels in which each line
// slides in and stays for a moment.
namespace BannerAnimation {
constexpr int width = 400;
constexpr int height = 116;
QByteArray gif(const QStringList &lines);
} // namespace BannerAnimation
