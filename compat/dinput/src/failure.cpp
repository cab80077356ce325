#include "failure.h"

#include <compat/dinput.h>

namespace compat::dinput
{
namespace
{

thread_local const char* lastFailure = "";

} // namespace

HRESULT Fail(HRESULT result, const char* reason)
{
    lastFailure = reason;
    return result;
}

void ClearFailure()
{
    lastFailure = "";
}

const char* LastFailure()
{
    return lastFailure;
}

} // namespace compat::dinput
