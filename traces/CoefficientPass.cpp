#include "traces/CoefficientPass.h"

#include "inspect/JpegException.h"
#include "traces/BlockSample.h"
#include "traces/WarningStop.h"

#include <algorithm>
#include <climits>
#include <new>

extern "C" {
#include <jerror.h>
}

namespace {

using Problem = CoefficientPass::Problem;

bool SingleScan(j_decompress_ptr cinfo)
{
    return !cinfo->progressive_mode && cinfo->comps_in_scan == cinfo->num_components;
}

bool EndAfterLastRow(j_decompress_ptr cinfo)
{
    return SingleScan(cinfo) && cinfo->input_iMCU_row >= cinfo->total_iMCU_rows;
}

bool HasLuminance(j_decompress_ptr cinfo)
{
    const J_COLOR_SPACE space = cinfo->jpeg_color_space;
    return space == JCS_GRAYSCALE || space == JCS_YCbCr || space == JCS_YCCK;
}

unsigned long long RoundUp(unsigned long long value, int multiple)
{
    return (value + multiple - 1) / multiple * multiple;
}

// What the library's whole-image coefficient arrays would take.
unsigned long long WholeImageBytes(j_decompress_ptr cinfo)
{
    unsigned long long bytes = 0;
    for (int ci = 0; ci < cinfo->num_components; ++ci) {
        const jpeg_component_info& component = cinfo->comp_info[ci];
        bytes += RoundUp(component.width_in_blocks, component.h_samp_factor) *
                 RoundUp(component.height_in_blocks, component.v_samp_factor) * sizeof(JBLOCK);
    }
    return bytes;
}

void ReadStreaming(j_decompress_ptr cinfo, BlockSample& sample)
{
    BlockRowStream stream(cinfo, sample);
    jpeg_read_coefficients(cinfo);
    stream.Flush();
}

void ReadWhole(j_decompress_ptr cinfo, BlockSample& sample)
{
    jvirt_barray_ptr* arrays = jpeg_read_coefficients(cinfo);
    const jpeg_component_info& luminance = cinfo->comp_info[0];
    for (JDIMENSION row = 0; row < luminance.height_in_blocks; ++row) {
        JBLOCKARRAY blocks = (*cinfo->mem->access_virt_barray)(reinterpret_cast<j_common_ptr>(cinfo), arrays[0],
                                                                row, 1, FALSE);
        sample.TakeRow(0, row, blocks[0]);
    }
}

Problem ProblemOf(j_decompress_ptr cinfo, int errorCode, int stoppingWarning)
{
    // The data end early whether the file does or an EOI marker comes first.
    if (stoppingWarning == JWRN_JPEG_EOF ||
        (stoppingWarning == JWRN_HIT_MARKER && cinfo->unread_marker == JPEG_EOI))
        return Problem::EndsEarly;
    if (errorCode == JERR_NO_BACKING_STORE || errorCode == JERR_OUT_OF_MEMORY)
        return Problem::TooLarge;
    return Problem::Corrupt;
}

Problem Read(j_decompress_ptr cinfo, CoefficientHistograms& histograms)
{
    const bool streaming = SingleScan(cinfo);
    const unsigned long long pixels = static_cast<unsigned long long>(cinfo->image_width) * cinfo->image_height;
    if (pixels > CoefficientPass::kMostPixels ||
        (!streaming && WholeImageBytes(cinfo) > CoefficientPass::kMemoryCap))
        return Problem::TooLarge;
    cinfo->mem->max_memory_to_use = static_cast<long>(std::min<unsigned long long>(
        CoefficientPass::kMemoryCap, static_cast<unsigned long long>(LONG_MAX)));
    const jpeg_component_info& luminance = cinfo->comp_info[0];
    BlockSample sample(luminance.width_in_blocks, luminance.height_in_blocks, histograms);
    WarningStop stop(cinfo, EndAfterLastRow);
    try {
        if (streaming)
            ReadStreaming(cinfo, sample);
        else
            ReadWhole(cinfo, sample);
    } catch (CJPEGException* e) {
        const int code = e->m_nCode;
        e->Delete();
        return ProblemOf(cinfo, code, stop.StoppingWarning());
    } catch (const std::bad_alloc&) {
        return Problem::TooLarge;
    }
    // A component that no scan carried has no table latched.
    if (luminance.quant_table == nullptr)
        return Problem::NoLuminance;
    std::copy(luminance.quant_table->quantval, luminance.quant_table->quantval + DCTSIZE2,
              histograms.table.begin());
    return Problem::None;
}

} // namespace

CoefficientPass ReadLuminanceCoefficients(j_decompress_ptr cinfo)
{
    CoefficientPass pass;
    if (cinfo->comps_in_scan == 0)
        pass.problem = Problem::NoImage;   // a stream of tables only
    else if (!HasLuminance(cinfo))
        pass.problem = Problem::NoLuminance;
    else
        pass.problem = Read(cinfo, pass.histograms);
    return pass;
}
