#pragma once

#include "encoders/EncoderCatalogue.h"
#include "inspect/JpegFacts.h"
#include "provenance/CameraCatalogue.h"
#include "provenance/MakerNames.h"
#include "provenance/ProgramNames.h"
#include "provenance/ProvenanceVerdict.h"
#include "statements/FileStatements.h"
#include "traces/TraceVerdict.h"

#include <vector>

// Camera original or saved again: weighs a file's headers and its own
// statements against what camera originals and programs were seen to write.
// It reads headers only; a careful editor can copy every table and tag.
// Made once per run; Judge may be called from several threads.
class ProvenanceJudge
{
public:
    ProvenanceJudge();

    // encoders: the catalogue's matches of each found table (EncoderCatalogue::FindAll);
    // traces: what the coefficients showed, when they were read.
    ProvenanceVerdict Judge(const JpegFacts& facts, const std::vector<EncoderMatches>& encoders,
                            const FileStatements& statements, const TraceVerdict* traces = nullptr) const;

private:
    ProgramNames m_programs;
    MakerNames m_makers;
    CameraCatalogue m_cameras;
};
