#pragma once

#include "provenance/Evidence.h"
#include "provenance/ObservedMakers.h"

#include <vector>

enum class Verdict
{
    Edited,                // 经软件编辑或重存: an editor named, or a hard disagreement
    LikelyEdited,          // 可能经软件重存: only soft signs
    ConsistentWithCamera,  // 与相机原图一致: a camera named and nothing against it
    NoCameraStatement,     // 无相机信息: no EXIF camera
};

// The provenance check's answer for one file, with what it rests on.
struct ProvenanceVerdict
{
    Verdict verdict;
    std::vector<Evidence> evidence;              // hard, then soft, then supporting
    // What the encoder lines name beside the encoders' rules, held by the
    // judge's catalogue (which lives as long as the judge). For a file that names
    // its maker, only that maker: tables shared with other makers' cameras are
    // no evidence against it.
    std::vector<const CameraMatch*> cameras;
    std::vector<const PhotoshopLevelMatch*> photoshop;
};

// "edited", "likely-edited", "consistent-with-camera", "no-camera-statement".
const char* VerdictId(Verdict verdict);
