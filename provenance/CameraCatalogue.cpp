#include "provenance/CameraCatalogue.h"

#include "framework/TextEncoding.h"
#include "provenance/ProvenanceData.h"
#include "provenance/TableSetKey.h"
#include "provenance/TsvRows.h"

#include <algorithm>
#include <cstdlib>

namespace {

int Count(const TsvRows& rows, size_t row, const char* column)
{
    return std::atoi(rows.Field(row, column).c_str());
}

// The maker's entry in a key's list, added when missing.
CameraMatch& EntryOf(std::vector<CameraMatch>& makers, const std::wstring& maker)
{
    for (CameraMatch& match : makers)
        if (match.maker == maker)
            return match;
    makers.push_back({maker, {}, 0});
    return makers.back();
}

} // namespace

CameraCatalogue::CameraCatalogue()
{
    AddCameraRows();
    AddMakerRows();
    AddPhotoshopRows();
}

void CameraCatalogue::AddCameraRows()
{
    const TsvRows rows(k_camera_tables_tsv);
    for (size_t r = 0; r < rows.Size(); ++r) {
        const std::wstring maker = Utf8ToWide(rows.Field(r, "make"));
        const std::wstring model = Utf8ToWide(rows.Field(r, "model"));
        const std::string key = TableSetKey(rows.Field(r, "sampling"), ParseTables(rows.Field(r, "tables")));
        CameraMatch& match = EntryOf(m_cameras[key], maker);
        match.files += Count(rows, r, "files");
        if (model != L"-" && std::find(match.models.begin(), match.models.end(), model) == match.models.end())
            match.models.insert(std::upper_bound(match.models.begin(), match.models.end(), model), model);
        if (Count(rows, r, "makerNote") > 0)
            m_modelsWithMakerNote.insert({maker, model});
    }
    for (auto& [key, makers] : m_cameras)
        std::sort(makers.begin(), makers.end(),
                  [](const CameraMatch& a, const CameraMatch& b) { return a.maker < b.maker; });
}

void CameraCatalogue::AddMakerRows()
{
    const TsvRows rows(k_camera_makers_tsv);
    for (size_t r = 0; r < rows.Size(); ++r)
        m_habits[Utf8ToWide(rows.Field(r, "make"))] = {Count(rows, r, "originals"), Count(rows, r, "makerNote"),
                                                       Count(rows, r, "jfif"), Count(rows, r, "optimized"),
                                                       Count(rows, r, "progressive")};
}

void CameraCatalogue::AddPhotoshopRows()
{
    const TsvRows rows(k_photoshop_tables_tsv);
    for (size_t r = 0; r < rows.Size(); ++r) {
        const std::string version = rows.Field(r, "version");
        m_photoshop[TableSetKey(std::string(), ParseTables(rows.Field(r, "tables")))].push_back(
            {Count(rows, r, "level"), version == "-" ? std::wstring() : Utf8ToWide(version),
             Count(rows, r, "files")});
    }
}

const std::vector<CameraMatch>& CameraCatalogue::Cameras(const std::string& tableSetKey) const
{
    static const std::vector<CameraMatch> kNone;
    const auto found = m_cameras.find(tableSetKey);
    return found == m_cameras.end() ? kNone : found->second;
}

const CameraMatch* CameraCatalogue::MakerMatch(const std::string& tableSetKey, const std::wstring& maker) const
{
    for (const CameraMatch& match : Cameras(tableSetKey))
        if (match.maker == maker)
            return &match;
    return nullptr;
}

const std::vector<PhotoshopLevelMatch>& CameraCatalogue::PhotoshopLevels(const std::string& tablesKey) const
{
    static const std::vector<PhotoshopLevelMatch> kNone;
    const auto found = m_photoshop.find(tablesKey);
    return found == m_photoshop.end() ? kNone : found->second;
}

const MakerHabits* CameraCatalogue::Habits(const std::wstring& maker) const
{
    const auto found = m_habits.find(maker);
    return found == m_habits.end() ? nullptr : &found->second;
}

bool CameraCatalogue::ModelCarriesMakerNote(const std::wstring& maker, const std::wstring& model) const
{
    return m_modelsWithMakerNote.count({maker, model}) > 0;
}
