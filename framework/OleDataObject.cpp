#include "framework/OleDataObject.h"

BOOL COleDataObject::AttachClipboard()
{
    Release();
    return SUCCEEDED(OleGetClipboard(&m_lpDataObject)) && m_lpDataObject != nullptr;
}

BOOL COleDataObject::GetData(CLIPFORMAT cfFormat, LPSTGMEDIUM lpStgMedium, LPFORMATETC lpFormatEtc)
{
    if (m_lpDataObject == nullptr)
        return FALSE;
    const DWORD anyMedium = TYMED_HGLOBAL | TYMED_FILE | TYMED_ISTREAM | TYMED_ISTORAGE
                            | TYMED_GDI | TYMED_MFPICT | TYMED_ENHMF;
    FORMATETC format = {cfFormat, nullptr, DVASPECT_CONTENT, -1, anyMedium};
    if (lpFormatEtc != nullptr) {
        format = *lpFormatEtc;
        format.cfFormat = cfFormat;
    }
    return SUCCEEDED(m_lpDataObject->GetData(&format, lpStgMedium));
}

void COleDataObject::Release()
{
    if (m_lpDataObject != nullptr)
        m_lpDataObject->Release();
    m_lpDataObject = nullptr;
}
