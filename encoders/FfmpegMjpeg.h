#pragma once

#include "inspect/QuantTable.h"

// ffmpeg's MJPEG encoder: one table for all components at -q:v 2..31 (it
// raises 1 to 2).
const int kFfmpegMinQscale = 2;
const int kFfmpegMaxQscale = 31;

// The table ffmpeg writes at qscale: the MPEG-1 default intra matrix times
// qscale / 8, rounded down and clamped to 255, with the DC entry fixed at 8.
QuantTable FfmpegMjpegTable(int qscale);

// The MPEG-1 default intra matrix (natural order), the table written at -q:v 8.
const QuantTable& Mpeg1IntraMatrix();
