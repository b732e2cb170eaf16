#pragma once

#include "encoders/EncoderCatalogue.h"

#include <string>
#include <vector>

// The encoder line of one table: "与 mozjpeg 表方案 3 质量 75（基线）相同",
// "与 ffmpeg MJPEG -q:v 2 相同", "与 Photoshop 存储为 Web 所用格式 品质 60
// 相同（Pillow 预设 web_high）" (several encoders joined by "；"), a scaling
// such as "标准亮度表按 37.0%～37.2% 缩放、向下取整", or "无已知编码器".
std::wstring EncoderMatchText(const EncoderMatches& matches);

// What follows "编码器: " for a file whose tables share settings of one
// encoder (FileMakerSettings), e.g. "mozjpeg 表方案 3 质量 75（基线）"; empty
// when settings is.
std::wstring EncoderFileText(const MakerSettings& settings);

// The lines of all found tables joined by "/".
std::wstring EncoderMatchSummary(const std::vector<EncoderMatches>& perTable);

// A scale factor in tenths of a percent, as the report shows it.
long long PercentTenths(double percent);
