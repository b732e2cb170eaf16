#include "cli/ReportFields.h"

const ReportField kReportFields[13] = {
    {"width", L"像素宽度:", L"", &InspectionReport::width},
    {"height", L"像素高度:", L"", &InspectionReport::height},
    {"colorSpace", L"色彩空间:", L"", &InspectionReport::colorSpace},
    {"components", L"通道数:", L"", &InspectionReport::components},
    {"sampling", L"采样:", L"", &InspectionReport::sampling},
    {"precision", L"数据精度:", L" 位", &InspectionReport::precision},
    {"progressive", L"是否渐进式JPEG:", L"", &InspectionReport::progressive},
    {"optimized", L"是否优化编码:", L"", &InspectionReport::optimized},
    {"tableCount", L"量化表数:", L"", &InspectionReport::tableCount},
    {"sixteenBit", L"是否16位量化表:", L"", &InspectionReport::sixteenBit},
    {"quality", L"由量化表反推压缩时的质量系数:", L" (1～100)", &InspectionReport::quality},
    {"variance", L"方差：", L"", &InspectionReport::variance},
    {"identity", L"是否一样:", L"", &InspectionReport::identity},
};
