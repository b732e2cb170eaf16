#include "tests/generator/MakerSegments.h"

#include "tests/generator/StreamBuilder.h"

#include <cstdint>

namespace {

using Bytes = std::vector<unsigned char>;

constexpr unsigned char kApp0 = 0xE0, kApp1 = 0xE1, kApp12 = 0xEC, kApp13 = 0xED, kApp14 = 0xEE, kCom = 0xFE;

// TIFF field types and the tags used here.
enum : std::uint16_t { kAscii = 2, kShort = 3, kLong = 4, kUndefined = 7 };
enum : std::uint16_t {
    kMake = 0x010F, kModel = 0x0110, kOrientation = 0x0112, kDateTime = 0x0132, kExifIfd = 0x8769,
    kThumbnailOffset = 0x0201, kThumbnailLength = 0x0202, kDateTimeOriginal = 0x9003,
    kPixelX = 0xA002, kPixelY = 0xA003, kMakerNote = 0x927C,
};

void Le16(Bytes& bytes, std::uint32_t value)
{
    bytes.insert(bytes.end(), {static_cast<unsigned char>(value), static_cast<unsigned char>(value >> 8)});
}

void Le32(Bytes& bytes, std::uint32_t value)
{
    Le16(bytes, value & 0xFFFF);
    Le16(bytes, value >> 16);
}

void Be16(Bytes& bytes, std::uint32_t value)
{
    bytes.insert(bytes.end(), {static_cast<unsigned char>(value >> 8), static_cast<unsigned char>(value)});
}

void Be32(Bytes& bytes, std::uint32_t value)
{
    Be16(bytes, value >> 16);
    Be16(bytes, value & 0xFFFF);
}

Bytes Text(const std::string& text, bool nul = false)
{
    Bytes bytes(text.begin(), text.end());
    if (nul)
        bytes.push_back(0);
    return bytes;
}

Bytes Joined(Bytes first, const Bytes& second)
{
    first.insert(first.end(), second.begin(), second.end());
    return first;
}

// One IFD entry; data longer than four bytes goes to the data area, whose
// offset (from the TIFF header) is dataAt.
struct Entry {
    std::uint16_t tag;
    std::uint16_t type;
    std::uint32_t count;
    std::uint32_t value;   // inline value or offset, used when data is empty
    Bytes data;
};

// IFDs laid out one after another from offset 8, each followed by its data;
// next[i] is IFD i's next-IFD offset. Pointers to other IFDs are given as
// values computed by the caller from IfdSize.
struct Tiff {
    Bytes bytes = {'I', 'I', 0x2A, 0, 8, 0, 0, 0};

    static std::uint32_t IfdSize(const std::vector<Entry>& entries)
    {
        std::uint32_t size = 2 + 12 * static_cast<std::uint32_t>(entries.size()) + 4;
        for (const Entry& entry : entries)
            size += entry.data.size() > 4 ? static_cast<std::uint32_t>(entry.data.size()) : 0;
        return size;
    }

    void Ifd(const std::vector<Entry>& entries, std::uint32_t next, std::uint16_t count = 0)
    {
        std::uint32_t dataAt = static_cast<std::uint32_t>(bytes.size()) + 2 + 12 * static_cast<std::uint32_t>(entries.size()) + 4;
        Bytes data;
        Le16(bytes, count != 0 ? count : static_cast<std::uint32_t>(entries.size()));
        for (const Entry& entry : entries) {
            Le16(bytes, entry.tag);
            Le16(bytes, entry.type);
            Le32(bytes, entry.count);
            if (entry.data.size() > 4) {
                Le32(bytes, dataAt + static_cast<std::uint32_t>(data.size()));
                data.insert(data.end(), entry.data.begin(), entry.data.end());
            } else if (!entry.data.empty()) {
                Bytes inline4 = entry.data;
                inline4.resize(4, 0);
                bytes.insert(bytes.end(), inline4.begin(), inline4.end());
            } else {
                Le32(bytes, entry.value);
            }
        }
        Le32(bytes, next);
        bytes.insert(bytes.end(), data.begin(), data.end());
    }

    MarkerSegment Segment() const { return {kApp1, Joined(Text("Exif", true), Joined({0}, bytes))}; }
};

Entry Ascii(std::uint16_t tag, const std::string& text)
{
    return {tag, kAscii, static_cast<std::uint32_t>(text.size() + 1), 0, Text(text, true)};
}

Entry Number(std::uint16_t tag, std::uint16_t type, std::uint32_t value)
{
    return {tag, type, 1, value, {}};
}

MarkerSegment WellFormedExif()
{
    const std::vector<Entry> exif = {Ascii(kDateTimeOriginal, "2015:11:20 05:20:30"),
                                     {kMakerNote, kUndefined, 37, 0, Bytes(37, 0x4D)},
                                     Number(kPixelX, kLong, 3648), Number(kPixelY, kShort, 2736)};
    std::vector<Entry> ifd0 = {Ascii(kMake, "Caf\xE9"), Ascii(kModel, "Caf\xC3\xA9 Model  "),
                               Number(kOrientation, kShort, 6), Ascii(kDateTime, "2016:01:02 03:04:05"),
                               Number(kExifIfd, kLong, 0)};
    const std::uint32_t exifAt = 8 + Tiff::IfdSize(ifd0);
    ifd0.back().value = exifAt;
    const std::uint32_t ifd1At = exifAt + Tiff::IfdSize(exif);
    const Bytes thumbnail = BaselineStream();
    const std::uint32_t thumbnailAt = ifd1At + Tiff::IfdSize({{}, {}});
    Tiff tiff;
    tiff.Ifd(ifd0, ifd1At);
    tiff.Ifd(exif, 0);
    tiff.Ifd({Number(kThumbnailOffset, kLong, thumbnailAt),
              Number(kThumbnailLength, kLong, static_cast<std::uint32_t>(thumbnail.size()))}, 0);
    tiff.bytes.insert(tiff.bytes.end(), thumbnail.begin(), thumbnail.end());
    return tiff.Segment();
}

// One image resource block: "8BIM", ID, Pascal name padded to even, size, data padded.
Bytes Resource(std::uint16_t id, const std::string& name, const Bytes& data, std::uint32_t size)
{
    Bytes bytes = Text("8BIM");
    Be16(bytes, id);
    bytes.push_back(static_cast<unsigned char>(name.size()));
    bytes.insert(bytes.end(), name.begin(), name.end());
    if (name.size() % 2 == 0)
        bytes.push_back(0);
    Be32(bytes, size);
    bytes.insert(bytes.end(), data.begin(), data.end());
    if (data.size() % 2 != 0)
        bytes.push_back(0);
    return bytes;
}

MarkerSegment Photoshop(const Bytes& resources)
{
    return {kApp13, Joined(Text("Photoshop 3.0", true), resources)};
}

Bytes QualityData(int quality, std::uint16_t format, std::uint16_t scans)
{
    Bytes data;
    Be16(data, static_cast<std::uint16_t>(quality - 4));
    Be16(data, format);
    Be16(data, scans);
    return data;
}

MarkerSegment Ducky(std::uint16_t length, std::uint32_t quality)
{
    Bytes bytes = Text("Ducky");
    Be16(bytes, 1);
    Be16(bytes, length);
    Be32(bytes, quality);
    Be16(bytes, 0);
    return {kApp12, bytes};
}

MarkerSegment Xmp(const std::string& packet)
{
    return {kApp1, Joined(Text("http://ns.adobe.com/xap/1.0/", true), Text(packet))};
}

const char kWellFormedXmp[] =
    "<?xpacket begin='' id='W5M0MpCehiHzreSzNTczkc9d'?>"
    "<x:xmpmeta xmlns:x='adobe:ns:meta/'><rdf:RDF xmlns:rdf='http://www.w3.org/1999/02/22-rdf-syntax-ns#'>"
    "<rdf:Description xmlns:xmp='http://ns.adobe.com/xap/1.0/' xmlns:mm='http://ns.adobe.com/xap/1.0/mm/'"
    " xmlns:evt='http://ns.adobe.com/xap/1.0/sType/ResourceEvent#'>"
    "<xmp:CreatorTool>Adobe Photoshop 21.0 (Macintosh)</xmp:CreatorTool>"
    "<mm:History><rdf:Seq>"
    "<rdf:li evt:action='created' evt:softwareAgent='Adobe Photoshop 21.0 (Macintosh)'/>"
    "<rdf:li rdf:parseType='Resource'><evt:softwareAgent>GIMP 2.10</evt:softwareAgent></rdf:li>"
    "<rdf:li><rdf:Description evt:softwareAgent='Adobe Photoshop 22.1 (Windows)'/></rdf:li>"
    "</rdf:Seq></mm:History></rdf:Description></rdf:RDF></x:xmpmeta><?xpacket end='w'?>";

std::vector<HostileSegment> MakeHostileSegments()
{
    // An Exif IFD whose own Exif IFD pointer leads back to itself.
    Tiff loop;
    loop.Ifd({Ascii(kMake, "Canon"), Number(kExifIfd, kLong, 8 + 2 + 24 + 4 + 6)}, 0);
    loop.Ifd({Number(kExifIfd, kLong, static_cast<std::uint32_t>(loop.bytes.size()))}, 0);
    Tiff countPastEnd;
    countPastEnd.Ifd({{kMake, kAscii, 5000, 26, {}}}, 0);
    Tiff entriesPastEnd;
    entriesPastEnd.Ifd({Ascii(kModel, "X")}, 0, 40);
    Tiff truncated;
    truncated.bytes.resize(6);
    Tiff thumbnailOutside;
    thumbnailOutside.Ifd({Ascii(kModel, "X")}, 26);
    thumbnailOutside.Ifd({Number(kThumbnailOffset, kLong, 60), Number(kThumbnailLength, kLong, 4000)}, 0);
    Tiff thumbnailNoJpeg;
    thumbnailNoJpeg.Ifd({Ascii(kModel, "X")}, 26);
    thumbnailNoJpeg.Ifd({Number(kThumbnailOffset, kLong, 56), Number(kThumbnailLength, kLong, 8)}, 0);
    thumbnailNoJpeg.bytes.insert(thumbnailNoJpeg.bytes.end(), {0xFF, 0xD8, 'n', 'o', 't', 'J', 'P', 'G'});
    std::string laughs = "<?xml version='1.0'?><!DOCTYPE x [<!ENTITY a 'aaaaaaaaaa'>";
    for (char name = 'b'; name <= 'k'; ++name)
        laughs += std::string("<!ENTITY ") + name + " '" + std::string(10, '&') + "'>";
    laughs += "]><x>&k;</x>";
    return {
        {"exif-ifd-loop", "exif", loop.Segment()},
        {"exif-count-past-end", "exif", countPastEnd.Segment()},
        {"exif-entries-past-end", "exif", entriesPastEnd.Segment()},
        {"exif-truncated", "exif", truncated.Segment()},
        {"exif-thumbnail-outside", "thumbnail", thumbnailOutside.Segment()},
        {"exif-thumbnail-not-jpeg", "thumbnail", thumbnailNoJpeg.Segment()},
        {"photoshop-resource-past-end", "photoshop",
         Photoshop(Resource(0x0404, "", Bytes(10, 0), 5000))},
        {"photoshop-quality-cut", "photoshop", Photoshop(Resource(0x0406, "", {0}, 1))},
        {"photoshop-quality-out-of-range", "photoshop", Photoshop(Resource(0x0406, "", QualityData(40, 0, 1), 6))},
        {"ducky-field-past-end", "saveForWeb", Ducky(200, 60)},
        {"ducky-quality-above-100", "saveForWeb", Ducky(4, 1000)},
        {"xmp-not-well-formed", "xmp", Xmp("<x:xmpmeta xmlns:x='adobe:ns:meta/'><rdf:RDF>")},
        {"xmp-entity-expansion", "xmp", Xmp(laughs)},
        {"jfif-short", "jfif", {kApp0, {'J', 'F', 'I', 'F', 0, 1}}},
        {"adobe-short", "adobe", {kApp14, Text("Adobe", true)}},
    };
}

} // namespace

std::vector<MarkerSegment> WellFormedMakerSegments()
{
    Bytes comment(300, 'c');
    comment[10] = 0xFF;
    const Bytes resources = Joined(Resource(0x0404, "iptc", Bytes(5, 1), 5),
                                   Resource(0x0406, "", QualityData(10, 0x0101, 2), 6));
    return {WellFormedExif(),
            Photoshop(resources),
            Ducky(4, 60),
            Xmp(kWellFormedXmp),
            {kCom, comment},
            {kCom, Text("CREATOR: gd-jpeg v1.0 (using IJG JPEG v62), quality = 75\n", true)}};
}

const std::vector<HostileSegment>& HostileMakerSegments()
{
    static const std::vector<HostileSegment> segments = MakeHostileSegments();
    return segments;
}

std::vector<unsigned char> MakerSegmentsStream()
{
    return BaselineWithSegments(WellFormedMakerSegments());
}

std::vector<unsigned char> HostileMakerSegmentsStream()
{
    std::vector<MarkerSegment> segments;
    for (const HostileSegment& hostile : HostileMakerSegments())
        segments.push_back(hostile.segment);
    return BaselineWithSegments(segments);
}
