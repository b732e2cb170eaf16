#pragma once

#include "cli/IjgMatch.h"
#include "encoders/EncoderCatalogue.h"
#include "inspect/InspectionRun.h"
#include "provenance/ProvenanceJudge.h"
#include "statements/FileStatements.h"
#include "traces/TraceVerdict.h"

#include <optional>
#include <string>
#include <vector>

// Everything quantlens-report says about one path.
struct FileReport
{
    std::wstring path;               // as named or found by the walk
    InspectionOutcome outcome;
    std::vector<IjgMatches> ijgMatch;  // one list per found table, when the outcome is Ok
    std::vector<EncoderMatches> encoders;  // likewise
    std::optional<FileStatements> statements;  // what the file says of its maker, when the outcome is Ok
    std::optional<ProvenanceVerdict> provenance;  // camera original or saved again, likewise
    std::optional<TraceVerdict> traces;    // only when asked for (--traces) and the outcome is Ok
};

// Inspects path as the Start command does and adds the exact IJG matches,
// what the catalogue knows of each table and the file's statements about its
// maker (read on the same pass), and, given a judge, the provenance verdict;
// with traces, also the traces of an earlier compression, read through the
// same open (a found trace joins the provenance evidence).
FileReport InspectFile(const std::wstring& path, const IjgMatchFinder& finder, const EncoderCatalogue& catalogue,
                       const ProvenanceJudge* judge = nullptr, bool traces = false);

// The report of a folder the walk could not read: an error with its message.
FileReport UnreadableFolderReport(const std::wstring& path);

bool Succeeded(const FileReport& report);
