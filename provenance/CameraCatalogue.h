#pragma once

#include "inspect/JpegFacts.h"
#include "provenance/ObservedMakers.h"

#include <map>
#include <set>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

// What camera originals and Photoshop's levels were seen to write
// (provenance/data), made once per run and looked up by table set.
class CameraCatalogue
{
public:
    CameraCatalogue();

    // The makers whose originals showed exactly these tables with this sampling, ascending.
    const std::vector<CameraMatch>& Cameras(const std::string& tableSetKey) const;
    // The maker's entry among them; nullptr when its originals never showed the set.
    const CameraMatch* MakerMatch(const std::string& tableSetKey, const std::wstring& maker) const;
    // The Photoshop levels whose tables these are (sampling aside).
    const std::vector<PhotoshopLevelMatch>& PhotoshopLevels(const std::string& tablesKey) const;
    // The maker's habits; nullptr when no original of the maker is known.
    const MakerHabits* Habits(const std::wstring& maker) const;
    // Whether an original of this model carried a maker note.
    bool ModelCarriesMakerNote(const std::wstring& maker, const std::wstring& model) const;

private:
    void AddCameraRows();
    void AddMakerRows();
    void AddPhotoshopRows();

    std::unordered_map<std::string, std::vector<CameraMatch>> m_cameras;
    std::unordered_map<std::string, std::vector<PhotoshopLevelMatch>> m_photoshop;
    std::map<std::wstring, MakerHabits> m_habits;
    std::set<std::pair<std::wstring, std::wstring>> m_modelsWithMakerNote;
};
