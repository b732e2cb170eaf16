#include "provenance/Evidence.h"

EvidenceWeight WeightOf(EvidenceCode code)
{
    if (code <= EvidenceCode::SizeDiffers)
        return EvidenceWeight::Hard;
    return code <= EvidenceCode::EarlierCompression ? EvidenceWeight::Soft : EvidenceWeight::Support;
}

const char* EvidenceId(EvidenceCode code)
{
    switch (code) {
    case EvidenceCode::EditorNamed: return "editor-named";
    case EvidenceCode::PhotoshopQuality: return "photoshop-quality";
    case EvidenceCode::SaveForWeb: return "save-for-web";
    case EvidenceCode::LibraryComment: return "library-comment";
    case EvidenceCode::SoftwareTables: return "software-tables";
    case EvidenceCode::SizeDiffers: return "size-differs";
    case EvidenceCode::SizeTurned: return "size-turned";
    case EvidenceCode::Progressive: return "progressive";
    case EvidenceCode::OptimizedHuffman: return "optimized-huffman";
    case EvidenceCode::JfifSegment: return "jfif-segment";
    case EvidenceCode::ModifiedLater: return "modified-later";
    case EvidenceCode::MakerNoteMissing: return "maker-note-missing";
    case EvidenceCode::EarlierCompression: return "earlier-compression";
    case EvidenceCode::TablesOfModel: return "tables-of-model";
    case EvidenceCode::TablesOfMaker: return "tables-of-maker";
    case EvidenceCode::TablesUnseen: return "tables-unseen";
    case EvidenceCode::MakerUnknown: return "maker-unknown";
    case EvidenceCode::MakerNotePresent: return "maker-note";
    case EvidenceCode::FirmwareSoftware: break;
    }
    return "firmware";
}
