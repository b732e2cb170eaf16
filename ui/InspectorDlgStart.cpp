// The Start command: check the source file, read its headers, write the report.
#include "ui/InspectorDlg.h"

#include "framework/MessageBox.h"
#include "inspect/InspectionReport.h"
#include "inspect/InspectionRun.h"
#include "inspect/JpegHeaderReader.h"
#include "res/resource.h"

void CInspectorDlg::OnOK()
{
    UpdateData(TRUE);
    if (!CheckSourceFile(m_strSource))
        return;
    JpegFacts facts{};
    // A library error leaves here as CJPEGException*, before any field is
    // written; the framework's command dispatch shows and deletes it.
    if (ReadJpegFacts(m_strSource.c_str(), facts) == 0) {
        AfxMessageBox(kSourceReadFailedMessage);
        return;
    }
    ShowReport(facts);
    ShowFileTables(facts);
}

void CInspectorDlg::ShowReport(const JpegFacts& facts)
{
    const InspectionReport report = BuildInspectionReport(facts);
    SetDlgItemText(IDC_WIDTH, report.width.c_str());
    SetDlgItemText(IDC_HEIGHT, report.height.c_str());
    SetDlgItemText(IDC_COLORSPACE, report.colorSpace.c_str());
    SetDlgItemText(IDC_COMPONENTS, report.components.c_str());
    SetDlgItemText(IDC_SAMPLING, report.sampling.c_str());
    SetDlgItemText(IDC_PRECISION, report.precision.c_str());
    SetDlgItemText(IDC_PROGRESSIVE, report.progressive.c_str());
    SetDlgItemText(IDC_OPTIMIZED, report.optimized.c_str());
    SetDlgItemText(IDC_TABLE_COUNT, report.tableCount.c_str());
    SetDlgItemText(IDC_SIXTEEN_BIT, report.sixteenBit.c_str());
    // The flag first, so that the new quality text is drawn in its colour.
    m_bQualityMismatch = report.qualityMismatch ? 1 : 0;
    SetDlgItemText(IDC_QUALITY, report.quality.c_str());
    SetDlgItemText(IDC_VARIANCE, report.variance.c_str());
    SetDlgItemText(IDC_SAME, report.identity.c_str());
}
