// How the verdict, its evidence and the makers seen are written: text, JSON, CSV.
#include "cli/JsonWriter.h"
#include "cli/ProvenanceJson.h"
#include "cli/ProvenanceText.h"
#include "framework/TextEncoding.h"

#include <gtest/gtest.h>

namespace {

ProvenanceVerdict SampleVerdict()
{
    ProvenanceVerdict verdict{Verdict::Edited, {}, {}, {}};
    verdict.evidence.push_back({EvidenceCode::EditorNamed, L"Software", L"GIMP 2.4.5", {}, {}});
    verdict.evidence.push_back(
        {EvidenceCode::SoftwareTables, L"Canon", L"", {}, {{Encoder::Mozjpeg, 3, 80, true}}});
    verdict.evidence.push_back({EvidenceCode::SizeTurned, L"", L"", {2336, 3504, 3504, 2336}, {}});
    verdict.evidence.push_back({EvidenceCode::ModifiedLater, L"2008:05:30 15:56:01", L"2008:05:30 17:56:01",
                                {7200}, {}});
    verdict.evidence.push_back({EvidenceCode::EarlierCompression, L"", L"", {75}, {}});
    verdict.evidence.push_back({EvidenceCode::TablesUnseen, L"Canon", L"", {}, {}});
    return verdict;
}

TEST(ProvenanceOutput, TextBlockHasTheVerdictThenEachItemIndented)
{
    EXPECT_EQ(WideToUtf8(ProvenanceBlockText(SampleVerdict())),
              "出处: 经软件编辑或重存\n"
              "  文件写明经编辑软件处理（Software: GIMP 2.4.5）\n"
              "  EXIF 称由 Canon 相机拍摄，量化表却与 mozjpeg 表方案 3 质量 80（基线）相同，Canon 相机原图中未见\n"
              "  画面 2336x3504 是 EXIF 所记 3504x2336 转过 90 度（经软件旋转）\n"
              "  修改时间 2008:05:30 17:56:01 比拍摄时间 2008:05:30 15:56:01 晚 2 小时\n"
              "  更早的一次压缩（约为 IJG 质量 75）\n"
              "  Canon 相机原图中未见此量化表\n");
    const Evidence maker{EvidenceCode::TablesOfMaker, L"Canon", L"Canon EOS 20D、Canon EOS 30D、Canon EOS 40D", {3}, {}};
    EXPECT_EQ(WideToUtf8(EvidenceText(maker)), "量化表与 Canon 相机原图相同（Canon EOS 20D、Canon EOS 30D 等 3 个型号），此型号未见");
}

TEST(ProvenanceOutput, EncoderLinesNameCamerasAfterTheRules)
{
    CameraMatch canon{L"Canon", {L"Canon EOS 20D", L"Canon EOS 30D", L"Canon EOS 350D DIGITAL"}, 4};
    const PhotoshopLevelMatch level8{8, L"", 2};
    ProvenanceVerdict verdict{Verdict::ConsistentWithCamera, {}, {&canon}, {&level8}};
    const EncoderMatches ijg{{{Encoder::Ijg, 0, 90, true}}, {}};
    EXPECT_EQ(WideToUtf8(EncoderLineText(ijg, verdict)),
              "与 IJG 质量 90（基线）相同；与 Photoshop 存储为 品质 8 相同（2 个文件所记）；"
              "与 Canon 相机原图所用相同（Canon EOS 20D、Canon EOS 30D 等 3 个型号）");
    canon.models.pop_back();
    verdict.photoshop.clear();
    EXPECT_EQ(WideToUtf8(EncoderLineText({}, verdict)), "与 Canon 相机原图所用相同（Canon EOS 20D、Canon EOS 30D）");
    // A Photoshop level a Pillow preset already names is not named twice.
    verdict.photoshop.push_back(&level8);
    const EncoderMatches high{{{Encoder::Pillow, 7, 0, false}}, {}};
    EXPECT_EQ(NewPhotoshopLevels(high, verdict).size(), 0u);
}

TEST(ProvenanceOutput, JsonAndCsvCarryTheCodes)
{
    const ProvenanceVerdict verdict = SampleVerdict();
    JsonWriter json;
    json.BeginObject();
    WriteProvenance(json, verdict);
    json.EndObject();
    EXPECT_EQ(json.TakeText(),
              "{\"provenance\":{\"verdict\":\"edited\",\"evidence\":["
              "{\"code\":\"editor-named\",\"detail\":\"Software: GIMP 2.4.5\"},"
              "{\"code\":\"software-tables\",\"detail\":\"mozjpeg table 3 quality 80 baseline\"},"
              "{\"code\":\"size-turned\",\"detail\":\"2336x3504 exif 3504x2336\"},"
              "{\"code\":\"modified-later\",\"detail\":\"2008:05:30 15:56:01 -> 2008:05:30 17:56:01\"},"
              "{\"code\":\"earlier-compression\",\"detail\":\"75\"},"
              "{\"code\":\"tables-unseen\",\"detail\":\"Canon\"}]}}");
    EXPECT_EQ(ProvenanceSummary(verdict), "edited: editor-named software-tables size-turned modified-later earlier-compression tables-unseen");

    const CameraMatch canon{L"Canon", {L"Canon EOS 20D"}, 2};
    const PhotoshopLevelMatch level9{9, L"Adobe Photoshop 7.0", 6};
    const ProvenanceVerdict seen{Verdict::ConsistentWithCamera, {}, {&canon}, {&level9}};
    JsonWriter list;
    list.BeginArray();
    WriteObservedMakers(list, {}, seen);
    list.EndArray();
    EXPECT_EQ(list.TakeText(),
              "[{\"encoder\":\"photoshop\",\"quality\":9,\"version\":\"Adobe Photoshop 7.0\",\"files\":6},"
              "{\"encoder\":\"camera\",\"make\":\"Canon\",\"models\":[\"Canon EOS 20D\"],\"files\":2}]");
}

} // namespace
