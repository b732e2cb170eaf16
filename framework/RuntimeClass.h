#pragma once

// Run-time class information in the application framework's shape: each class
// that declares it can be asked for its name and tested against a base.
struct CRuntimeClass
{
    const char* m_lpszClassName;
    const CRuntimeClass* m_pBaseClass;

    bool IsDerivedFrom(const CRuntimeClass* base) const
    {
        for (const CRuntimeClass* c = this; c != nullptr; c = c->m_pBaseClass)
            if (c == base)
                return true;
        return false;
    }
};

#define RUNTIME_CLASS(class_name) (&class_name::classInfo)

#define DECLARE_RUNTIME_CLASS(class_name)                          \
public:                                                            \
    static const CRuntimeClass classInfo;                          \
    const CRuntimeClass* GetRuntimeClass() const override;

#define IMPLEMENT_RUNTIME_CLASS(class_name, base_name)             \
    const CRuntimeClass class_name::classInfo = {#class_name, RUNTIME_CLASS(base_name)}; \
    const CRuntimeClass* class_name::GetRuntimeClass() const { return &classInfo; }
