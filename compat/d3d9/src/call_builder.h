// Fills one RecordedCall, argument by argument, in the order the call takes
// them. Arguments beyond a kind's room are not kept (every call of the
// stand-in fits).
#pragma once

#include <compat/d3d9.h>

#include <algorithm>
#include <cstring>

namespace compat::d3d9
{

class CallBuilder
{
public:
    CallBuilder(std::string_view method, const void* self)
    {
        call_.method = method;
        call_.self = self;
    }

    CallBuilder& Int(int64_t value)
    {
        if (call_.intCount < RecordedCall::kMaxInts)
            call_.ints[call_.intCount++] = value;
        return *this;
    }
    CallBuilder& Float(float value)
    {
        if (call_.floatCount < RecordedCall::kMaxFloats)
            call_.floats[call_.floatCount++] = value;
        return *this;
    }
    CallBuilder& Pointer(const void* value)
    {
        if (call_.pointerCount < RecordedCall::kMaxPointers)
            call_.pointers[call_.pointerCount++] = value;
        return *this;
    }
    CallBuilder& Matrix(const D3DMATRIX& value)
    {
        call_.matrix = value;
        call_.has |= RecordedCall::kMatrix;
        return *this;
    }
    CallBuilder& Light(const D3DLIGHT9& value)
    {
        call_.light = value;
        call_.has |= RecordedCall::kLight;
        return *this;
    }
    CallBuilder& Material(const D3DMATERIAL9& value)
    {
        call_.material = value;
        call_.has |= RecordedCall::kMaterial;
        return *this;
    }
    CallBuilder& Rect(const RECT& value)
    {
        call_.rect = value;
        call_.has |= RecordedCall::kRect;
        return *this;
    }
    CallBuilder& PresentParameters(const D3DPRESENT_PARAMETERS& value)
    {
        call_.presentParameters = value;
        call_.has |= RecordedCall::kPresentParameters;
        return *this;
    }
    CallBuilder& Text(std::string_view value)
    {
        const std::size_t stored = std::min(value.size(), RecordedCall::kMaxText - 1);
        if (stored > 0)
            std::memcpy(call_.text.data(), value.data(), stored);
        call_.text[stored] = '\0';
        call_.textLength = static_cast<uint32_t>(value.size());
        call_.has |= RecordedCall::kText;
        return *this;
    }
    CallBuilder& Result(int32_t value)
    {
        call_.result = value;
        return *this;
    }

    const RecordedCall& Get() const { return call_; }

private:
    RecordedCall call_;
};

} // namespace compat::d3d9
