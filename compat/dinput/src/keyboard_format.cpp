// c_dfDIKeyboard: the standard keyboard format, one optional button per scan
// code, each at its own byte.
#include <dinput.h>

#include <array>

namespace
{

constexpr auto kKeyObjects = []
{
    std::array<DIOBJECTDATAFORMAT, 256> objects{};
    for (DWORD code = 0; code < objects.size(); ++code)
        objects[code] = {
            &GUID_Key, code,
            DIDFT_OPTIONAL | DIDFT_BUTTON | static_cast<DWORD>(DIDFT_MAKEINSTANCE(code)), 0};
    return objects;
}();

} // namespace

extern const DIDATAFORMAT c_dfDIKeyboard = {
    sizeof(DIDATAFORMAT), sizeof(DIOBJECTDATAFORMAT), DIDF_RELAXIS, 256, 256,
    // The format names the table read-only in practice; the type is the real one.
    const_cast<DIOBJECTDATAFORMAT*>(kKeyObjects.data())};
