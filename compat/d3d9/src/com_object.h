// The reference counting every object of the stand-in shares: created with
// one reference, deleted when Release brings the count to zero. Each AddRef
// and Release the program makes is reported to Traced() so that the
// recording backend can keep it with the other calls.
#pragma once

#include <windows.h>

#include <string_view>

namespace compat::d3d9
{

template <class Interface> class ComObject : public Interface
{
public:
    ComObject() = default;
    ComObject(const ComObject&) = delete;
    ComObject& operator=(const ComObject&) = delete;
    virtual ~ComObject() = default;

    // No interface can be asked for: the program never does.
    HRESULT QueryInterface(REFIID, void** object) override
    {
        if (object == nullptr)
            return E_POINTER;
        *object = nullptr;
        return E_NOINTERFACE;
    }

    ULONG AddRef() override
    {
        ++references_;
        Traced("AddRef", references_);
        return references_;
    }

    ULONG Release() override
    {
        const ULONG left = --references_;
        Traced("Release", left);
        if (left == 0)
            delete this;
        return left;
    }

    // The references the stand-in's own objects hold on each other (a device
    // on its Direct3D object, a buffer or font on its device): counted, but
    // not recorded, as the program did not make these calls.
    void Hold() { ++references_; }
    void Unhold()
    {
        if (--references_ == 0)
            delete this;
    }

    ULONG References() const { return references_; }

protected:
    // Called after every change of the count, before a final delete.
    virtual void Traced(std::string_view method, ULONG references) = 0;

private:
    ULONG references_ = 1;
};

} // namespace compat::d3d9
