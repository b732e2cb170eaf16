#include "provenance/ProvenanceVerdict.h"

const char* VerdictId(Verdict verdict)
{
    switch (verdict) {
    case Verdict::Edited: return "edited";
    case Verdict::LikelyEdited: return "likely-edited";
    case Verdict::ConsistentWithCamera: return "consistent-with-camera";
    case Verdict::NoCameraStatement: break;
    }
    return "no-camera-statement";
}
