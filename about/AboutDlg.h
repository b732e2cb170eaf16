#pragma once

#include "about/HelpIcon.h"
#include "about/LinkLabel.h"
#include "framework/Dialog.h"

// The About box: the program's name and version, its makers' e-mail address
// and home page as links, and the program icon as a plain picture. It handles
// no messages of its own: OK, Escape and the close box are the dialog's.
class CAboutDlg : public CDialog
{
public:
    CAboutDlg();
    ~CAboutDlg() override = default;

    BOOL OnInitDialog() override;

private:
    CLinkLabel m_linkEmail;
    CLinkLabel m_linkHomePage;
    CHelpIcon m_iconLogo;
};
