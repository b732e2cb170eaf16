#include "tests/winsupport/TestApp.h"

namespace {

CTestApp theApp;

} // namespace

BEGIN_MESSAGE_MAP(CTestApp, CWinApp)
    ON_COMMAND(kAppCommand, OnAppCommand)
END_MESSAGE_MAP()

CTestApp& TestApp()
{
    return theApp;
}
