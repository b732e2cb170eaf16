#include "statements/SegmentWalk.h"

#include "statements/DuckyQuality.h"
#include "statements/ExifStatements.h"
#include "statements/PhotoshopQuality.h"
#include "statements/StatementString.h"
#include "statements/XmpStatements.h"

#include <cstring>

namespace {

// The names that open each kind of segment, with the NUL the name includes.
const char kExifName[] = "Exif\0";          // "Exif\0\0"
const char kXmpName[] = "http://ns.adobe.com/xap/1.0/";
const char kPhotoshopName[] = "Photoshop 3.0";
const char kJfifName[] = "JFIF";
const size_t kDuckyLength = 5;              // "Ducky", no NUL
const size_t kAdobeLength = 5;              // "Adobe", no NUL

// The bytes after the name the segment opens with; empty when it opens with another.
struct Rest
{
    const JOCTET* data = nullptr;
    size_t size = 0;
    bool found = false;
};

Rest After(jpeg_saved_marker_ptr marker, const char* name, size_t length)
{
    if (marker->data_length < length || std::memcmp(marker->data, name, length) != 0)
        return {};
    return {marker->data + length, marker->data_length - length, true};
}

} // namespace

void SegmentWalk::Visit(jpeg_saved_marker_ptr marker)
{
    if (marker->marker != JPEG_APP0 + 13 && !m_photoshop.empty())
        m_photoshopDone = true;
    switch (marker->marker) {
    case JPEG_APP0: VisitApp0(marker); break;
    case JPEG_APP0 + 1: VisitApp1(marker); break;
    case JPEG_APP0 + 12: VisitApp12(marker); break;
    case JPEG_APP0 + 13: VisitApp13(marker); break;
    case JPEG_APP0 + 14: VisitApp14(marker); break;
    case JPEG_COM:
        m_statements.comments.push_back(StatementString(marker->data, marker->data_length));
        break;
    default: break;
    }
}

void SegmentWalk::Finish()
{
    if (!m_photoshop.empty())
        ReadPhotoshopQuality(m_photoshop.data(), m_photoshop.size(), m_statements);
}

void SegmentWalk::VisitApp0(jpeg_saved_marker_ptr marker)
{
    if (marker->data_length < kJfifBytes && After(marker, kJfifName, sizeof kJfifName).found)
        m_shortJfif = true;
}

void SegmentWalk::VisitApp1(jpeg_saved_marker_ptr marker)
{
    if (!m_exif && After(marker, kExifName, sizeof kExifName).found) {
        m_exif = true;
        ReadExifStatements(marker->data, marker->data_length, m_statements, m_thumbnail);
        return;
    }
    const Rest packet = After(marker, kXmpName, sizeof kXmpName);
    if (!m_xmp && packet.found) {
        m_xmp = true;
        ReadXmpStatements(packet.data, packet.size, m_statements);
    }
}

void SegmentWalk::VisitApp12(jpeg_saved_marker_ptr marker)
{
    const Rest fields = After(marker, "Ducky", kDuckyLength);
    if (!m_ducky && fields.found) {
        m_ducky = true;
        ReadDuckyQuality(fields.data, fields.size, m_statements);
    }
}

// Photoshop's resources may run over several segments in a row.
void SegmentWalk::VisitApp13(jpeg_saved_marker_ptr marker)
{
    const Rest resources = After(marker, kPhotoshopName, sizeof kPhotoshopName);
    if (!resources.found) {
        m_photoshopDone = m_photoshopDone || !m_photoshop.empty();
        return;
    }
    if (!m_photoshopDone)
        m_photoshop.insert(m_photoshop.end(), resources.data, resources.data + resources.size);
}

void SegmentWalk::VisitApp14(jpeg_saved_marker_ptr marker)
{
    const Rest fields = After(marker, "Adobe", kAdobeLength);
    if (!fields.found)
        return;
    if (marker->data_length < kAdobeBytes)
        m_shortAdobe = true;
    else
        m_adobeVersion = fields.data[0] << 8 | fields.data[1];
}
