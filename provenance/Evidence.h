#pragma once

#include "encoders/MakerSetting.h"

#include <cstdint>
#include <string>

// One thing a file's headers show about whether a camera wrote it as it is.
enum class EvidenceCode
{
    // Hard: the file was edited or saved again by software.
    EditorNamed,        // Software, XMP CreatorTool or history names an editor (subject: where; text: what)
    PhotoshopQuality,   // Photoshop's saved quality (numbers[0])
    SaveForWeb,         // an APP12 Ducky segment's Save for Web quality (numbers[0])
    LibraryComment,     // a comment an encoding library or program writes (text)
    SoftwareTables,     // a camera named, a program's tables: settings, or Photoshop level numbers[0] (text: version)
    SizeDiffers,        // frame numbers[0] x numbers[1], EXIF size numbers[2] x numbers[3]
    // Soft: signs of a save by software that some camera might also show.
    SizeTurned,         // the frame is the EXIF size turned a quarter (numbers as SizeDiffers)
    Progressive,        // a progressive frame under a camera's name
    OptimizedHuffman,   // optimized Huffman tables, which the maker's originals seldom have (subject: maker)
    JfifSegment,        // a JFIF segment, which the maker's originals seldom have (subject: maker)
    ModifiedLater,      // DateTime (text) numbers[0] seconds after DateTimeOriginal (subject)
    MakerNoteMissing,   // no maker note, which the model's originals carry (subject: model)
    EarlierCompression, // the coefficients show an earlier compression (numbers[0]: its IJG quality, 0 when withheld)
    // Supporting: what agrees with a camera original.
    TablesOfModel,      // the model's originals showed these tables (subject: model; numbers[0]: files)
    TablesOfMaker,      // the maker's originals did, not the model's (subject: maker; text: models joined by "、", numbers[0] of them)
    TablesUnseen,       // the maker's originals are known, these tables not among them (subject: maker)
    MakerUnknown,       // no table of this maker is known (subject: maker)
    MakerNotePresent,   // a maker note of numbers[0] bytes
    FirmwareSoftware,   // Software is a firmware version (text)
};

enum class EvidenceWeight { Hard, Soft, Support };

struct Evidence
{
    EvidenceCode code;
    std::wstring subject;
    std::wstring text;
    std::int64_t numbers[4];
    MakerSettings settings;
};

EvidenceWeight WeightOf(EvidenceCode code);

// The code's name in the JSON and CSV output: "editor-named" and the like.
const char* EvidenceId(EvidenceCode code);
