#include "provenance/StatementEvidence.h"

#include <algorithm>

namespace {

void AddEditor(const ProgramNames& programs, const wchar_t* where, const std::wstring& statement,
               std::vector<Evidence>& evidence)
{
    if (!programs.Find(ProgramKind::Editor, statement).empty())
        evidence.push_back({EvidenceCode::EditorNamed, where, statement, {}, {}});
}

void AddEditors(const FileStatements& statements, const ProgramNames& programs, std::vector<Evidence>& evidence)
{
    if (statements.software)
        AddEditor(programs, L"Software", *statements.software, evidence);
    if (statements.xmpCreatorTool)
        AddEditor(programs, L"XMP CreatorTool", *statements.xmpCreatorTool, evidence);
    std::vector<std::wstring> agents;   // each agent once
    for (const std::wstring& agent : statements.xmpHistoryAgents)
        if (std::find(agents.begin(), agents.end(), agent) == agents.end())
            agents.push_back(agent);
    for (const std::wstring& agent : agents)
        AddEditor(programs, L"XMP History", agent, evidence);
}

bool HasDigit(const std::wstring& text)
{
    return std::any_of(text.begin(), text.end(), [](wchar_t c) { return c >= L'0' && c <= L'9'; });
}

// A Software that names no program and holds a version number, as camera firmware writes it.
bool IsFirmware(const std::wstring& software, const ProgramNames& programs)
{
    return HasDigit(software) && programs.Find(ProgramKind::Editor, software).empty() &&
           programs.Find(ProgramKind::Tool, software).empty();
}

} // namespace

void AddStatementEvidence(const FileClaims& claims, const ProgramNames& programs, std::vector<Evidence>& evidence)
{
    const FileStatements& statements = claims.statements;
    AddEditors(statements, programs, evidence);
    if (statements.photoshop)
        evidence.push_back({EvidenceCode::PhotoshopQuality, L"", L"", {statements.photoshop->quality}, {}});
    if (statements.saveForWebQuality)
        evidence.push_back({EvidenceCode::SaveForWeb, L"", L"", {*statements.saveForWebQuality}, {}});
    for (const std::wstring& comment : statements.comments)
        if (!programs.Find(ProgramKind::Comment, comment).empty())
            evidence.push_back({EvidenceCode::LibraryComment, L"", comment, {}, {}});
    if (statements.makerNoteBytes)
        evidence.push_back({EvidenceCode::MakerNotePresent, L"", L"", {*statements.makerNoteBytes}, {}});
    if (!claims.maker.empty() && statements.software && IsFirmware(*statements.software, programs))
        evidence.push_back({EvidenceCode::FirmwareSoftware, L"", *statements.software, {}, {}});
}
