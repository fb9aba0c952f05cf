#pragma once

#include <QList>

// The width rule of the grids: each visible column gets weight * U pixels, where
// U = truncate((available width - margin) / sum of the visible weights).
namespace WeightLayout {

// Widths for the given weights, in the same order. Empty when the weights sum to 0 or less:
// the widths then stay as they are. U never goes below 0.
QList<int> weightedWidths(const QList<int> &weights, int availableWidth, int margin);

// A grid whose reference width (window, screen or grid width, per grid) is at or above the
// threshold uses the weights; below it, its columns are sized to their content.
// "Wider than 1152" is threshold 1153.
bool usesWeights(int referenceWidth, int threshold);

} // namespace WeightLayout
