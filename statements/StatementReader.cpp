#include "statements/StatementReader.h"

#include "statements/SegmentWalk.h"
#include "statements/ThumbnailReader.h"
#include "statements/Unreadable.h"

namespace {

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

// Other segments (ICC profiles, MPF and the like) are not kept.
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
