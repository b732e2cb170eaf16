// What the About box and the version resource say about Quantlens and its
// makers. Narrow UTF-8 string literals, so that both the resource script and
// C++ can use them; C++ makes wide strings by concatenation:
//     L"mailto:" ABOUT_EMAIL
#pragma once

#define QUANTLENS_VERSION   "1.00"

#define ABOUT_COMPANY       "Quantlens 开发组"
// The About box gives the author a field two Chinese characters wide; the
// usage terms name the group in full.
#define ABOUT_AUTHOR        "团队"
#define ABOUT_EMAIL         "quantlens@example.com"
#define ABOUT_HOMEPAGE_TITLE "Quantlens 主页"
#define ABOUT_HOMEPAGE_URL  "https://quantlens.example.com/"
#define ABOUT_TERMS         "本软件由 " ABOUT_COMPANY "编写，可免费使用和分发；它只读取所选文件，从不修改。"
#define ABOUT_COPYRIGHT     "版权所有 (C) " ABOUT_COMPANY
