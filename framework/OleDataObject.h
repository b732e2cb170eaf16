#pragma once

#include <windows.h>
#include <ole2.h>

// A data object from the OLE clipboard. Needs OLE to be initialised, which
// the framework's start-up does.
class COleDataObject
{
public:
    COleDataObject() = default;
    COleDataObject(const COleDataObject&) = delete;
    COleDataObject& operator=(const COleDataObject&) = delete;
    ~COleDataObject() { Release(); }

    // Takes the clipboard's current data object; FALSE when there is none.
    BOOL AttachClipboard();
    // Asks for the data in cfFormat. lpFormatEtc, if given, describes the
    // wanted medium (its format field is set to cfFormat); without it any
    // medium will do. On success the caller releases *lpStgMedium
    // (ReleaseStgMedium).
    BOOL GetData(CLIPFORMAT cfFormat, LPSTGMEDIUM lpStgMedium, LPFORMATETC lpFormatEtc = nullptr);
    void Release();

    LPDATAOBJECT m_lpDataObject = nullptr;
};
