// The SDK's growing array, as descriptors use it (NxActorDesc::shapes).
#pragma once

#include "NxSimpleTypes.h"

#include <vector>

template <class T> class NxArray
{
public:
    void pushBack(const T& value) { items_.push_back(value); }
    void clear() { items_.clear(); }
    NxU32 size() const { return static_cast<NxU32>(items_.size()); }
    bool isEmpty() const { return items_.empty(); }
    T& operator[](NxU32 i) { return items_[i]; }
    const T& operator[](NxU32 i) const { return items_[i]; }
    const T* begin() const { return items_.data(); }
    const T* end() const { return items_.data() + items_.size(); }

private:
    std::vector<T> items_;
};
