#include "statements/StatementReader.h"

#include "statements/DuckyQuality.h"
#include "statements/ExifStatements.h"
#include "statements/PhotoshopQuality.h"
#include "statements/StatementString.h"
#include "statements/ThumbnailReader.h"
#include "statements/Unreadable.h"
#include "statements/XmpStatements.h"

#include <cstring>

namespace {

// Whole segments for what is parsed (a segment holds at most 65533 bytes);
// comments only as far as they are shown; JFIF's and Adobe's fixed fields.
// Other segments (ICC profiles, MPF and the like) are not kept.
const unsigned kWholeSegment = 0xFFFF;
const unsigned kCommentBytes = 256;
const unsigned kAdobeBytes = 12;
const unsigned kJfifBytes = 14;

const char kExifName[] = "Exif\0";          // with the NUL the literal adds: "Exif\0\0"
const char kXmpName[] = "http://ns.adobe.com/xap/1.0/";
const char kDuckyName[] = "Ducky";
const char kPhotoshopName[] = "Photoshop 3.0";
const char kAdobeName[] = "Adobe";
const char kJfifName[] = "JFIF";           // with its NUL

// The segment's bytes after name (sizeof name bytes, its NUL included when
// the literal's terminator belongs to the name), or false when it has another.
bool After(const jpeg_saved_marker_ptr marker, const char* name, size_t length, const JOCTET*& rest,
           size_t& restSize)
{
    if (marker->data_length < length || std::memcmp(marker->data, name, length) != 0)
        return false;
    rest = marker->data + length;
    restSize = marker->data_length - length;
    return true;
}

// What the segments before the first scan hold, gathered in one walk.
class SegmentWalk
{
public:
    explicit SegmentWalk(FileStatements& statements) : m_statements(statements) {}

    void Visit(const jpeg_saved_marker_ptr marker)
    {
        const JOCTET* rest = nullptr;
        size_t size = 0;
        const bool photoshop = marker->marker == JPEG_APP0 + 13 &&
                               After(marker, kPhotoshopName, sizeof kPhotoshopName, rest, size);
        if (photoshop && !m_photoshopDone)
            m_photoshop.insert(m_photoshop.end(), rest, rest + size);
        m_photoshopDone = m_photoshopDone || (!photoshop && !m_photoshop.empty());
        if (marker->marker == JPEG_APP0 + 1)
            VisitApp1(marker);
        else if (marker->marker == JPEG_APP0 + 12 && !m_ducky &&
                 After(marker, kDuckyName, sizeof kDuckyName - 1, rest, size)) {
            m_ducky = true;
            ReadDuckyQuality(rest, size, m_statements);
        } else if (marker->marker == JPEG_APP0 + 14 && marker->data_length >= kAdobeBytes &&
                   After(marker, kAdobeName, sizeof kAdobeName - 1, rest, size))
            m_adobeVersion = rest[0] << 8 | rest[1];
        else if (marker->marker == JPEG_COM)
            m_statements.comments.push_back(StatementString(marker->data, marker->data_length));
        // Segments too short for the library's parse, which then ignores them.
        if (marker->marker == JPEG_APP0 + 14 && marker->data_length < kAdobeBytes &&
            After(marker, kAdobeName, sizeof kAdobeName - 1, rest, size))
            m_shortAdobe = true;
        if (marker->marker == JPEG_APP0 && marker->data_length < kJfifBytes &&
            After(marker, kJfifName, sizeof kJfifName, rest, size))
            m_shortJfif = true;
    }

    // Photoshop's resources may run over several segments in a row: the first run is read.
    void Finish()
    {
        if (!m_photoshop.empty())
            ReadPhotoshopQuality(m_photoshop.data(), m_photoshop.size(), m_statements);
    }

    const std::vector<unsigned char>& Thumbnail() const { return m_thumbnail; }
    int AdobeVersion() const { return m_adobeVersion; }
    bool ShortAdobe() const { return m_shortAdobe; }
    bool ShortJfif() const { return m_shortJfif; }

private:
    void VisitApp1(const jpeg_saved_marker_ptr marker)
    {
        const JOCTET* rest = nullptr;
        size_t size = 0;
        if (!m_exif && After(marker, kExifName, sizeof kExifName, rest, size)) {
            m_exif = true;
            ReadExifStatements(marker->data, marker->data_length, m_statements, m_thumbnail);
        } else if (!m_xmp && After(marker, kXmpName, sizeof kXmpName, rest, size)) {
            m_xmp = true;
            ReadXmpStatements(rest, size, m_statements);
        }
    }

    FileStatements& m_statements;
    std::vector<unsigned char> m_photoshop;
    bool m_photoshopDone = false;   // the first run of Photoshop segments has ended
    bool m_exif = false;
    bool m_xmp = false;
    bool m_ducky = false;
    int m_adobeVersion = -1;
    bool m_shortAdobe = false;
    bool m_shortJfif = false;
    std::vector<unsigned char> m_thumbnail;
};

void TakeLibraryParse(j_decompress_ptr cinfo, const SegmentWalk& walk, FileStatements& statements)
{
    if (cinfo->saw_JFIF_marker)
        statements.jfif = JfifStatement{cinfo->JFIF_major_version, cinfo->JFIF_minor_version, cinfo->X_density,
                                        cinfo->Y_density, cinfo->density_unit};
    else if (walk.ShortJfif())
        MarkUnreadable(statements, "jfif");
    // The library keeps only the transform; the version is read from the same segment.
    if (cinfo->saw_Adobe_marker)
        statements.adobe = AdobeStatement{walk.AdobeVersion(), cinfo->Adobe_transform};
    else if (walk.ShortAdobe())
        MarkUnreadable(statements, "adobe");
}

} // namespace

void StatementReader::BeforeHeader(j_decompress_ptr cinfo)
{
    jpeg_save_markers(cinfo, JPEG_APP0, kJfifBytes);
    jpeg_save_markers(cinfo, JPEG_APP0 + 1, kWholeSegment);
    jpeg_save_markers(cinfo, JPEG_APP0 + 12, kWholeSegment);
    jpeg_save_markers(cinfo, JPEG_APP0 + 13, kWholeSegment);
    jpeg_save_markers(cinfo, JPEG_APP0 + 14, kAdobeBytes);
    jpeg_save_markers(cinfo, JPEG_COM, kCommentBytes);
}

void StatementReader::AfterHeader(j_decompress_ptr cinfo)
{
    m_statements.emplace();
    ReadSegments(cinfo);
}

void StatementReader::ReadSegments(j_decompress_ptr cinfo)
{
    FileStatements& statements = *m_statements;
    SegmentWalk walk(statements);
    for (jpeg_saved_marker_ptr marker = cinfo->marker_list; marker != nullptr; marker = marker->next)
        walk.Visit(marker);
    walk.Finish();
    TakeLibraryParse(cinfo, walk, statements);
    if (!walk.Thumbnail().empty())
        ReadThumbnail(walk.Thumbnail(), m_catalogue, statements);
}
