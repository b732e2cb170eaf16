// The main dialog's template, control by control, and the window it creates.

#include "tests/resources/DialogTemplate.h"
#include "tests/resources/DialogWindow.h"
#include "tests/resources/ResourceModule.h"

#include "res/resource.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <iterator>
#include <vector>

namespace {

// The ids that the C++ code takes from resource.h are the ones the template uses.
static_assert(IDD_MAIN == 102 && IDI_MAIN == 128 && IDI_SELECT == 129 && IDI_HELP == 131
              && IDI_OPEN == 132 && IDR_HAND_CURSOR == 109);
static_assert(IDS_SELECT_TIP == 1010 && IDS_OPEN_TIP == 1012);
static_assert(IDC_WIDTH == 1000 && IDC_HEIGHT == 1001 && IDC_COMPONENTS == 1002
              && IDC_COLORSPACE == 1003 && IDC_PRECISION == 1004 && IDC_SAMPLING == 1005
              && IDC_PROGRESSIVE == 1006 && IDC_OPTIMIZED == 1007 && IDC_TABLE_COUNT == 1008
              && IDC_SIXTEEN_BIT == 1009 && IDC_SELECT == 1010 && IDC_QUALITY == 1011
              && IDC_OPEN == 1012 && IDC_VARIANCE == 1013 && IDC_TABLES == 1014
              && IDC_LUMA_QUALITY == 1015 && IDC_BASELINE == 1016 && IDC_REFRESH == 1017
              && IDC_LUMA_TABLE == 1018 && IDC_ABOUT_ICON == 1019 && IDC_HELP_ICON == 1020
              && IDC_CHROMA_QUALITY == 1021 && IDC_CHROMA_TABLE == 1022 && IDC_SYNC == 1023
              && IDC_SAME == 1024 && IDC_PATH == 1066);

constexpr uint16_t Button = 0x0080;
constexpr uint16_t Edit = 0x0081;
constexpr uint16_t Static = 0x0082;
constexpr uint16_t ComboBox = 0x0085;

constexpr uint32_t Child = WS_CHILD | WS_VISIBLE;
constexpr uint32_t Label = Child | SS_LEFT | WS_GROUP;
constexpr uint32_t Value = Child | SS_CENTER | WS_GROUP;
constexpr uint32_t IconPicture = Child | SS_ICON | SS_NOTIFY;
constexpr uint32_t IconButton = Child | BS_PUSHBUTTON | BS_ICON | WS_TABSTOP;
// Editable, scrolling, and without ES_WANTRETURN: Enter runs the Start command.
constexpr uint32_t TableBox = Child | ES_MULTILINE | ES_AUTOVSCROLL | WS_VSCROLL | WS_TABSTOP;
constexpr uint32_t QualityList = Child | CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP;
constexpr uint32_t Edge = WS_EX_STATICEDGE;

struct ExpectedControl {
    const char* name;
    int id;
    uint16_t windowClass;
    const wchar_t* text;
    uint32_t style;
    uint32_t exStyle;
    int16_t x, y, cx, cy;
};

const ExpectedControl kControls[] = {
    {"IDOK", 1, Button, L"2、开始", Child | BS_DEFPUSHBUTTON | WS_TABSTOP, 0, 382, 7, 50, 14},
    {"IDC_ABOUT_ICON", 1019, Static, L"#128", IconPicture, 0, 390, 24, 20, 20},
    {"IDC_HELP_ICON", 1020, Static, L"#131", IconPicture, 0, 390, 59, 20, 20},
    {"IDC_PATH", 1066, Edit, L"", Child | ES_LEFT | ES_AUTOHSCROLL | WS_TABSTOP, Edge, 7, 18, 325, 12},
    {"IDC_SELECT", 1010, Button, L"", IconButton, 0, 336, 14, 19, 16},
    {"IDC_OPEN", 1012, Button, L"", IconButton, 0, 359, 14, 19, 16},
    {"group box", -1, Button, L"基本信息", Child | BS_GROUPBOX, 0, 7, 34, 371, 56},
    {"path label", -1, Static, L"1、选择图像文件，或从资源管理器拖拽、粘贴过来:", Label, 0, 7, 7, 185, 8},
    {"width label", -1, Static, L"像素宽度:", Label, 0, 13, 45, 37, 8},
    {"IDC_WIDTH", 1000, Static, L"", Value, Edge, 52, 45, 29, 10},
    {"height label", -1, Static, L"像素高度:", Label, 0, 86, 45, 37, 8},
    {"IDC_HEIGHT", 1001, Static, L"", Value, Edge, 124, 45, 29, 10},
    {"channels label", -1, Static, L"通道数:", Label, 0, 229, 45, 29, 8},
    {"IDC_COMPONENTS", 1002, Static, L"", Value, Edge, 259, 45, 14, 10},
    {"colour space label", -1, Static, L"色彩空间:", Label, 0, 157, 45, 37, 8},
    {"IDC_COLORSPACE", 1003, Static, L"", Value, Edge, 195, 45, 29, 10},
    {"precision label", -1, Static, L"数据精度:", Label, 0, 13, 59, 37, 8},
    {"IDC_PRECISION", 1004, Static, L"", Value, Edge, 52, 59, 14, 10},
    {"bits label", -1, Static, L"位", Label, 0, 70, 59, 8, 8},
    {"sampling label", -1, Static, L"采样:", Label, 0, 278, 45, 21, 8},
    {"IDC_SAMPLING", 1005, Static, L"", Value, Edge, 300, 45, 71, 10},
    {"progressive label", -1, Static, L"是否渐进式JPEG:", Label, 0, 88, 59, 58, 8},
    {"IDC_PROGRESSIVE", 1006, Static, L"", Value, Edge, 148, 59, 14, 10},
    {"optimized label", -1, Static, L"是否优化编码:", Label, 0, 167, 59, 49, 8},
    {"IDC_OPTIMIZED", 1007, Static, L"", Value, Edge, 219, 59, 14, 10},
    {"table count label", -1, Static, L"量化表数:", Label, 0, 238, 59, 34, 8},
    {"IDC_TABLE_COUNT", 1008, Static, L"", Value, Edge, 277, 59, 14, 10},
    {"16-bit label", -1, Static, L"是否16位量化表:", Label, 0, 295, 59, 57, 8},
    {"IDC_SIXTEEN_BIT", 1009, Static, L"", Value, Edge, 356, 59, 14, 10},
    {"quality label", -1, Static, L"由量化表反推压缩时的质量系数:", Label, 0, 13, 74, 110, 8},
    {"IDC_QUALITY", 1011, Static, L"", Value, Edge, 124, 72, 27, 10},
    {"range label", -1, Static, L"(1～100)", Label, 0, 154, 74, 33, 8},
    {"variance label", -1, Static, L"方差：", Label, 0, 196, 74, 23, 8},
    {"IDC_VARIANCE", 1013, Static, L"", Value, Edge, 219, 72, 72, 10},
    {"tables label", -1, Static, L"量化表:(值越大，尤其是左上角值越大越有损)", Label, 0, 7, 92, 154, 8},
    {"IDC_TABLES", 1014, Edit, L"", TableBox, Edge, 7, 105, 211, 184},
    {"luminance label", -1, Static, L"IJG亮度量化表:", Label, 0, 221, 94, 54, 8},
    {"luminance quality label", -1, Static, L"质量:", Label, 0, 290, 93, 20, 8},
    {"IDC_LUMA_QUALITY", 1015, ComboBox, L"", QualityList, 0, 312, 91, 28, 189},
    {"IDC_BASELINE", 1016, Button, L"基线（强制使用8位）", Child | BS_AUTOCHECKBOX | WS_TABSTOP, 0, 343, 92, 87, 10},
    {"IDC_LUMA_TABLE", 1018, Edit, L"", TableBox, Edge, 221, 105, 211, 83},
    {"chrominance label", -1, Static, L"IJG色度量化表:", Label, 0, 222, 193, 54, 8},
    {"chrominance quality label", -1, Static, L"质量:", Label, 0, 291, 193, 20, 8},
    {"IDC_CHROMA_QUALITY", 1021, ComboBox, L"", QualityList, 0, 313, 191, 28, 189},
    {"IDC_CHROMA_TABLE", 1022, Edit, L"", TableBox, Edge, 221, 206, 211, 83},
    {"IDC_REFRESH", 1017, Button, L"Refresh QT", WS_CHILD | BS_PUSHBUTTON | WS_DISABLED, 0, 417, 80, 15, 14},
    {"IDC_SYNC", 1023, Button, L"同步", Child | BS_PUSHBUTTON | WS_TABSTOP, 0, 382, 190, 50, 14},
    {"identical label", -1, Static, L"是否一样:", Label, 0, 297, 74, 35, 8},
    {"IDC_SAME", 1024, Static, L"", Value, Edge, 333, 72, 26, 10},
};

DialogTemplate MainTemplate()
{
    return ParseDialogTemplate(Program().Bytes(RT_DIALOG, 102));
}

TEST(MainDialogTemplate, IsAnExtendedTemplateWithCaptionSizeAndStyles)
{
    DialogTemplate dialog = MainTemplate();
    EXPECT_EQ(dialog.version, 1);
    EXPECT_EQ(dialog.signature, 0xFFFF);
    EXPECT_EQ(dialog.style, static_cast<uint32_t>(WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU
                                                  | WS_MINIMIZEBOX | DS_MODALFRAME | DS_SETFONT));
    EXPECT_EQ(dialog.exStyle, static_cast<uint32_t>(WS_EX_APPWINDOW | WS_EX_ACCEPTFILES));
    EXPECT_EQ(dialog.cx, 439);
    EXPECT_EQ(dialog.cy, 296);
    EXPECT_EQ(dialog.menu, NameOrOrdinal::Text(L""));
    EXPECT_EQ(dialog.windowClass, NameOrOrdinal::Text(L""));
    EXPECT_EQ(dialog.title, L"Quantlens");
}

TEST(MainDialogTemplate, UsesSongTiAtTenPointsNormalUprightDefaultCharset)
{
    DialogTemplate dialog = MainTemplate();
    EXPECT_EQ(dialog.typeface, L"宋体");
    EXPECT_EQ(dialog.pointSize, 10);
    EXPECT_EQ(dialog.weight, 0);
    EXPECT_EQ(dialog.italic, 0);
    EXPECT_EQ(dialog.charset, DEFAULT_CHARSET);
}

TEST(MainDialogTemplate, HoldsEveryControlInTemplateOrder)
{
    DialogTemplate dialog = MainTemplate();
    ASSERT_EQ(dialog.items.size(), std::size(kControls));
    for (size_t i = 0; i < dialog.items.size(); ++i) {
        const DialogItem& item = dialog.items[i];
        const ExpectedControl& expected = kControls[i];
        SCOPED_TRACE(testing::Message() << "control " << i + 1 << ", " << expected.name);
        EXPECT_EQ(item.id, expected.id);
        EXPECT_EQ(item.windowClass, NameOrOrdinal::Ordinal(expected.windowClass));
        EXPECT_EQ(item.title, NameOrOrdinal::Text(expected.text));
        EXPECT_EQ(item.style, expected.style)
            << std::hex << "style 0x" << item.style << ", expected 0x" << expected.style;
        EXPECT_EQ(item.exStyle, expected.exStyle)
            << std::hex << "ex style 0x" << item.exStyle << ", expected 0x" << expected.exStyle;
        EXPECT_EQ(item.x, expected.x);
        EXPECT_EQ(item.y, expected.y);
        EXPECT_EQ(item.cx, expected.cx);
        EXPECT_EQ(item.cy, expected.cy);
        EXPECT_EQ(item.helpId, 0u);
        EXPECT_EQ(item.extraCount, 0);
    }
}

TEST(MainDialogTemplate, TabKeyVisitsElevenControlsInOrder)
{
    std::vector<int> tabStops;
    for (const DialogItem& item : MainTemplate().items) {
        if (item.style & WS_TABSTOP)
            tabStops.push_back(item.id);
    }
    EXPECT_EQ(tabStops, (std::vector<int>{IDOK, 1066, 1010, 1012, 1014, 1015, 1016, 1018, 1021,
                                          1022, 1023}));
}

class MainDialogWindow : public DialogWindow {
protected:
    static void SetUpTestSuite() { CreateFromTemplate(102); }
};

TEST_F(MainDialogWindow, CreatesAllFortyNineControls)
{
    int count = 0;
    for (HWND child = GetWindow(s_dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        ++count;
    EXPECT_EQ(count, 49);
}

TEST_F(MainDialogWindow, IconControlsShowTheirIcons)
{
    EXPECT_NE(SendDlgItemMessageW(s_dialog, 1019, STM_GETICON, 0, 0), 0);
    EXPECT_NE(SendDlgItemMessageW(s_dialog, 1020, STM_GETICON, 0, 0), 0);
}

TEST_F(MainDialogWindow, RefreshButtonIsNeitherVisibleNorEnabled)
{
    HWND refresh = GetDlgItem(s_dialog, 1017);
    ASSERT_NE(refresh, nullptr);
    EXPECT_FALSE(IsWindowVisible(refresh));
    EXPECT_FALSE(IsWindowEnabled(refresh));
}

}  // namespace
