#pragma once

#include "framework/RuntimeClass.h"

// Base of every exception the program throws. Exceptions are created with new,
// thrown as a pointer and deleted by whoever catches them (Delete), as in the
// application framework this layer imitates.
class CException
{
public:
    static const CRuntimeClass classInfo;

    virtual ~CException() = default;
    virtual const CRuntimeClass* GetRuntimeClass() const;
    bool IsKindOf(const CRuntimeClass* cls) const { return GetRuntimeClass()->IsDerivedFrom(cls); }

    // Copies the message into buffer (at most maxChars - 1 characters, always
    // terminated). Returns false when there is no message to give.
    virtual bool GetErrorMessage(wchar_t* buffer, unsigned maxChars,
                                 unsigned* helpContext = nullptr) const;

    void Delete() { delete this; }

protected:
    // Copies text into buffer under the GetErrorMessage contract.
    static void CopyMessage(const wchar_t* text, wchar_t* buffer, unsigned maxChars);
};
