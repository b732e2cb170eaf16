#pragma once

#include "encoders/EncoderCatalogue.h"
#include "provenance/ProvenanceVerdict.h"

#include <string>
#include <vector>

// "经软件编辑或重存", "可能经软件重存", "与相机原图一致", "无相机信息".
std::wstring VerdictText(Verdict verdict);

// One evidence item as a sentence, e.g. "文件写明经编辑软件处理（Software: GIMP 2.4.5）".
std::wstring EvidenceText(const Evidence& item);

// The block "出处: <verdict>\n" with each evidence item below it, indented two spaces.
std::wstring ProvenanceBlockText(const ProvenanceVerdict& provenance);

// A table's encoder line: the encoders' rules first, then the Photoshop levels
// and camera originals that showed the file's tables, e.g. "与 Canon 相机原图
// 所用相同（Canon EOS 20D、Canon EOS 30D 等 3 个型号）"; "无已知编码器" only when
// nothing is named. A Photoshop level a Pillow preset already names is left out.
std::wstring EncoderLineText(const EncoderMatches& matches, const ProvenanceVerdict& provenance);

// The lines of all found tables joined by "/".
std::wstring EncoderLineSummary(const std::vector<EncoderMatches>& perTable, const ProvenanceVerdict& provenance);

// The Photoshop levels of provenance that the table's rules do not already name.
std::vector<const PhotoshopLevelMatch*> NewPhotoshopLevels(const EncoderMatches& matches,
                                                    const ProvenanceVerdict& provenance);

// "verdict" or "verdict: code code …", for the CSV column.
std::string ProvenanceSummary(const ProvenanceVerdict& provenance);
