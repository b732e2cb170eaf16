#pragma once

#include "traces/BlockRowStream.h"
#include "traces/CoefficientHistograms.h"

// A regular subsample of about kTargetBlocks luminance blocks (every n-th
// block of every n-th row, away from the edges), counted into histograms.
// The model's threshold holds for about this many blocks: more would add
// power but need another threshold.
class BlockSample : public BlockRowSink
{
public:
    static constexpr double kTargetBlocks = 3600;

    BlockSample(JDIMENSION widthInBlocks, JDIMENSION heightInBlocks, CoefficientHistograms& histograms);

    void TakeRow(int component, JDIMENSION blockRow, const JBLOCK* blocks) override;

private:
    JDIMENSION m_width;
    JDIMENSION m_height;
    JDIMENSION m_stride;
    JDIMENSION m_rowOffset;      // the first counted row and column: mid-stride, or
    JDIMENSION m_columnOffset;   // the last of a picture thinner than that
    CoefficientHistograms& m_histograms;
};
