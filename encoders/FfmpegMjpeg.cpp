#include "encoders/FfmpegMjpeg.h"

#include <algorithm>

namespace {

const QuantTable kMpeg1Intra = {{
     8, 16, 19, 22, 26, 27, 29, 34,
    16, 16, 22, 24, 27, 29, 34, 37,
    19, 22, 26, 27, 29, 34, 34, 38,
    22, 22, 26, 27, 29, 34, 37, 40,
    22, 26, 27, 29, 32, 35, 40, 48,
    26, 27, 29, 32, 35, 40, 48, 58,
    26, 27, 29, 34, 38, 46, 56, 69,
    27, 29, 35, 38, 46, 56, 69, 83}};

// ffmpeg quantizes DC separately and writes this fixed entry.
const std::uint16_t kDcEntry = 8;

} // namespace

const QuantTable& Mpeg1IntraMatrix()
{
    return kMpeg1Intra;
}

QuantTable FfmpegMjpegTable(int qscale)
{
    QuantTable table;
    table[0] = kDcEntry;
    for (size_t i = 1; i < table.size(); ++i)
        table[i] = static_cast<std::uint16_t>(std::min(kMpeg1Intra[i] * qscale / 8, 255));
    return table;
}
