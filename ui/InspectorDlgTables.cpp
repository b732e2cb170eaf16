// The file's table text and the IJG reference pane.
#include "ui/InspectorDlg.h"

#include "res/resource.h"
#include "ui/QuantTableText.h"

void CInspectorDlg::ShowFileTables(const JpegFacts& facts)
{
    SetDlgItemText(IDC_TABLES, FileTablesText(facts).c_str());
    UpdateData(TRUE);
    m_nLumaQuality = facts.estimates[0].quality;
    m_nChromaQuality = facts.estimates[1].quality;
    m_bBaseline = facts.sixteenBit == 0 ? 1 : 0;
    UpdateData(FALSE);
    PostCommand(IDC_REFRESH);
}

void CInspectorDlg::OnRefreshQT()
{
    UpdateData(TRUE);
    if (m_nChromaQuality < 0) {
        // The chrominance list follows the luminance list until chosen.
        m_nChromaQuality = m_nLumaQuality;
        UpdateData(FALSE);
    }
    const ReferenceTexts texts = BuildReferenceTexts(m_nLumaQuality, m_nChromaQuality, m_bBaseline != 0);
    SetDlgItemText(IDC_LUMA_TABLE, texts.luminance.c_str());
    SetDlgItemText(IDC_CHROMA_TABLE, texts.chrominance.c_str());
}

void CInspectorDlg::OnReferenceChanged()
{
    PostCommand(IDC_REFRESH);
}

void CInspectorDlg::OnSync()
{
    UpdateData(TRUE);
    m_nChromaQuality = m_nLumaQuality;
    UpdateData(FALSE);
    PostCommand(IDC_REFRESH);
}
