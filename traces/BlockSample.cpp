#include "traces/BlockSample.h"

#include <algorithm>
#include <cmath>

BlockSample::BlockSample(JDIMENSION widthInBlocks, JDIMENSION heightInBlocks, CoefficientHistograms& histograms)
    : m_width(widthInBlocks), m_height(heightInBlocks), m_histograms(histograms)
{
    const double blocks = static_cast<double>(widthInBlocks) * heightInBlocks;
    m_stride = static_cast<JDIMENSION>(std::max(1.0, std::round(std::sqrt(blocks / kTargetBlocks))));
    m_rowOffset = std::min(m_stride / 2, std::max<JDIMENSION>(heightInBlocks, 1) - 1);
    m_columnOffset = std::min(m_stride / 2, std::max<JDIMENSION>(widthInBlocks, 1) - 1);
}

void BlockSample::TakeRow(int component, JDIMENSION blockRow, const JBLOCK* blocks)
{
    if (component != 0 || blockRow >= m_height || blockRow % m_stride != m_rowOffset % m_stride)
        return;
    for (JDIMENSION column = m_columnOffset; column < m_width; column += m_stride)
        m_histograms.Add(blocks[column]);
}
