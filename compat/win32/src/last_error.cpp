#include "last_error.h"

#include <cstring>
#include <utility>

namespace compat::win32
{
namespace
{

struct LastError
{
    DWORD code = ERROR_SUCCESS;
    std::string reason; // empty when the code was set without one
};

thread_local LastError last;

// The generic text for a code recorded without a reason (SetLastError).
const char* GenericText(DWORD code)
{
    switch (code)
    {
    case ERROR_SUCCESS:
        return "the operation completed successfully";
    case ERROR_NOT_SUPPORTED:
        return "the request is not supported";
    case ERROR_INVALID_PARAMETER:
        return "the parameter is incorrect";
    case ERROR_INSUFFICIENT_BUFFER:
        return "the data area passed is too small";
    case ERROR_INVALID_FLAGS:
        return "invalid flags";
    case ERROR_INVALID_WINDOW_HANDLE:
        return "invalid window handle";
    case ERROR_CANNOT_FIND_WND_CLASS:
        return "cannot find window class";
    case ERROR_CLASS_ALREADY_EXISTS:
        return "class already exists";
    case ERROR_CLASS_DOES_NOT_EXIST:
        return "class does not exist";
    case ERROR_CLASS_HAS_WINDOWS:
        return "class still has open windows";
    case ERROR_NOT_ENOUGH_QUOTA:
        return "not enough quota is available to process this command";
    case ERROR_DEVICE_NOT_AVAILABLE:
        return "the device is not available";
    default:
        return nullptr;
    }
}

} // namespace

void Fail(DWORD code, std::string reason)
{
    last.code = code;
    last.reason = std::move(reason);
}

void ClearLastError()
{
    last = LastError{};
}

} // namespace compat::win32

using namespace compat::win32;

DWORD WINAPI GetLastError()
{
    return last.code;
}

void WINAPI SetLastError(DWORD dwErrCode)
{
    last.code = dwErrCode;
    last.reason.clear();
}

DWORD WINAPI FormatMessageA(DWORD dwFlags, LPCVOID lpSource, DWORD dwMessageId, DWORD dwLanguageId,
                            LPSTR lpBuffer, DWORD nSize, va_list* Arguments)
{
    (void)lpSource;
    (void)dwLanguageId;
    (void)Arguments;
    // Only system messages written into the caller's buffer; the texts have
    // no inserts, so FORMAT_MESSAGE_IGNORE_INSERTS changes nothing.
    if ((dwFlags & FORMAT_MESSAGE_FROM_SYSTEM) == 0 ||
        (dwFlags & ~(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS)) != 0)
    {
        Fail(ERROR_INVALID_FLAGS, "FormatMessageA supports only FORMAT_MESSAGE_FROM_SYSTEM with "
                                  "FORMAT_MESSAGE_IGNORE_INSERTS");
        return 0;
    }
    if (lpBuffer == nullptr || nSize == 0)
    {
        Fail(ERROR_INVALID_PARAMETER, "FormatMessageA needs a buffer and its size");
        return 0;
    }
    std::string text;
    if (dwMessageId == last.code && !last.reason.empty())
        text = last.reason;
    else if (const char* generic = GenericText(dwMessageId))
        text = generic;
    else
    {
        Fail(ERROR_MR_MID_NOT_FOUND,
             "no message text is known for error " + std::to_string(dwMessageId));
        return 0;
    }
    if (text.size() >= nSize)
    {
        Fail(ERROR_INSUFFICIENT_BUFFER, "FormatMessageA's buffer of " + std::to_string(nSize) +
                                            " bytes cannot hold " +
                                            std::to_string(text.size() + 1));
        return 0;
    }
    std::memcpy(lpBuffer, text.c_str(), text.size() + 1);
    return static_cast<DWORD>(text.size());
}
