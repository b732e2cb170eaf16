#include "tests/generator/JpegWriter.h"

#include <cstddef>
#include <utility>

#include "tests/generator/CompressObject.h"
#include "tests/generator/PhotoImage.h"

namespace {

// A destination manager that collects the compressed bytes in a vector, so
// that nothing needs freeing by hand when libjpeg fails half-way.
class VectorDestination {
public:
    explicit VectorDestination(jpeg_compress_struct* cinfo)
    {
        m_manager.init_destination = Init;
        m_manager.empty_output_buffer = Grow;
        m_manager.term_destination = Finish;
        cinfo->client_data = this;
        cinfo->dest = &m_manager;
    }

    std::vector<unsigned char> TakeBytes() { return std::move(m_bytes); }

private:
    static VectorDestination& Of(j_compress_ptr cinfo)
    {
        return *static_cast<VectorDestination*>(cinfo->client_data);
    }

    static void Init(j_compress_ptr cinfo)
    {
        VectorDestination& self = Of(cinfo);
        self.m_bytes.assign(4096, 0);
        self.m_manager.next_output_byte = self.m_bytes.data();
        self.m_manager.free_in_buffer = self.m_bytes.size();
    }

    // Called with the whole buffer full: double it.
    static boolean Grow(j_compress_ptr cinfo)
    {
        VectorDestination& self = Of(cinfo);
        const std::size_t used = self.m_bytes.size();
        self.m_bytes.resize(used * 2);
        self.m_manager.next_output_byte = self.m_bytes.data() + used;
        self.m_manager.free_in_buffer = self.m_bytes.size() - used;
        return TRUE;
    }

    static void Finish(j_compress_ptr cinfo)
    {
        VectorDestination& self = Of(cinfo);
        self.m_bytes.resize(self.m_bytes.size() - self.m_manager.free_in_buffer);
    }

    jpeg_destination_mgr m_manager{};
    std::vector<unsigned char> m_bytes;
};

void SetSampling(jpeg_compress_struct* cinfo, Subsampling sampling)
{
    // jpeg_set_defaults leaves every chroma component at 1x1.
    cinfo->comp_info[0].h_samp_factor = sampling == Subsampling::s444 ? 1 : 2;
    cinfo->comp_info[0].v_samp_factor = sampling == Subsampling::s420 ? 2 : 1;
}

void Configure(jpeg_compress_struct* cinfo, const JpegOptions& options)
{
    cinfo->image_width = static_cast<JDIMENSION>(options.width);
    cinfo->image_height = static_cast<JDIMENSION>(options.height);
    cinfo->input_components = options.greyscale ? 1 : 3;
    cinfo->in_color_space = options.greyscale ? JCS_GRAYSCALE : JCS_RGB;
    jpeg_set_defaults(cinfo);
    jpeg_set_quality(cinfo, options.quality, options.forceBaseline ? TRUE : FALSE);
    cinfo->optimize_coding = options.optimizeCoding ? TRUE : FALSE;
    cinfo->arith_code = options.arithmetic ? TRUE : FALSE;
    cinfo->restart_interval = options.restartInterval;
    if (!options.greyscale)
        SetSampling(cinfo, options.sampling);
    // The scan script depends on the components, so it comes last.
    if (options.progressive)
        jpeg_simple_progression(cinfo);
}

} // namespace

std::vector<unsigned char> WriteJpeg(const JpegOptions& options)
{
    const std::vector<unsigned char> pixels =
        MakePhotoImage(options.width, options.height, options.greyscale);
    CompressObject compressor;
    jpeg_compress_struct* cinfo = compressor.Get();
    VectorDestination destination(cinfo);
    Configure(cinfo, options);
    jpeg_start_compress(cinfo, TRUE);
    const std::size_t stride = cinfo->image_width * static_cast<std::size_t>(cinfo->input_components);
    while (cinfo->next_scanline < cinfo->image_height) {
        JSAMPROW row = const_cast<JSAMPROW>(pixels.data() + cinfo->next_scanline * stride);
        jpeg_write_scanlines(cinfo, &row, 1);
    }
    jpeg_finish_compress(cinfo);
    return destination.TakeBytes();
}

std::vector<unsigned char> WriteSampleJpeg()
{
    return WriteJpeg(JpegOptions{});
}

bool ArithmeticCodingAvailable()
{
#ifdef C_ARITH_CODING_SUPPORTED
    return true;
#else
    return false;
#endif
}
