#pragma once

#include "inspect/JpegLibrary.h"
#include "statements/FileStatements.h"

#include <vector>

// The segment lengths the library is asked to keep: whole segments for what
// is parsed (a segment holds at most 65533 bytes), comments only as far as
// they are shown, JFIF's and Adobe's fixed fields.
const unsigned kWholeSegment = 0xFFFF;
const unsigned kCommentBytes = 256;
const unsigned kAdobeBytes = 12;
const unsigned kJfifBytes = 14;

// One walk over the kept segments before the first scan, in file order:
// reads each kind's statements into statements (the first EXIF, XMP and
// Ducky segments; the first run of Photoshop segments, joined) and keeps
// what the library's own parse needs beside it.
class SegmentWalk
{
public:
    explicit SegmentWalk(FileStatements& statements) : m_statements(statements) {}

    void Visit(jpeg_saved_marker_ptr marker);
    // Reads what spans several segments; call after the last Visit.
    void Finish();

    const std::vector<unsigned char>& Thumbnail() const { return m_thumbnail; }
    int AdobeVersion() const { return m_adobeVersion; }
    // An Adobe or JFIF segment too short for the library, which then ignores it.
    bool ShortAdobe() const { return m_shortAdobe; }
    bool ShortJfif() const { return m_shortJfif; }

private:
    void VisitApp0(jpeg_saved_marker_ptr marker);
    void VisitApp1(jpeg_saved_marker_ptr marker);
    void VisitApp12(jpeg_saved_marker_ptr marker);
    void VisitApp13(jpeg_saved_marker_ptr marker);
    void VisitApp14(jpeg_saved_marker_ptr marker);

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
