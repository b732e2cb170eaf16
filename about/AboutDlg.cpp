#include "about/AboutDlg.h"

#include "res/AboutInfo.h"
#include "res/resource.h"

CAboutDlg::CAboutDlg()
    : CDialog(IDD_ABOUT)
{
}

BOOL CAboutDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_linkEmail.SubclassDlgItem(IDC_ABOUT_EMAIL, this);
    m_linkEmail.SetLinkTarget(L"mailto:" ABOUT_EMAIL);
    m_linkHomePage.SubclassDlgItem(IDC_ABOUT_HOMEPAGE, this);
    m_linkHomePage.SetLinkTarget(L"" ABOUT_HOMEPAGE_URL);
    // Set before attaching: an inert icon gets no hand cursor.
    m_iconLogo.m_nMode = CHelpIcon::ModeInert;
    m_iconLogo.SubclassDlgItem(IDC_ABOUT_LOGO, this);
    m_iconLogo.SetIconImage(IDI_MAIN, 48);
    return TRUE;
}
