#include "widgets/WeightLayout.h"

#include <cmath>

namespace WeightLayout {

QList<int> weightedWidths(const QList<int> &weights, int availableWidth, int margin)
{
    qint64 sum = 0;
    for (int w : weights)
        sum += w;
    if (sum <= 0)
        return {};
    const double quotient = double(availableWidth - margin) / double(sum);
    const int unit = quotient > 0 ? int(std::trunc(quotient)) : 0;
    QList<int> widths;
    widths.reserve(weights.size());
    for (int w : weights)
        widths.append(w * unit);
    return widths;
}

bool usesWeights(int referenceWidth, int threshold)
{
    return referenceWidth >= threshold;
}

} // namespace WeightLayout
