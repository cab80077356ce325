// The one rule by which the program releases what it owns: if the pointer
// is not null, destroy the object and set the pointer to null.
#pragma once

template <typename T> void SafeDelete(T*& object)
{
    if (object)
    {
        delete object;
        object = nullptr;
    }
}
