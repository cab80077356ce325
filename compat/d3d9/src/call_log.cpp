#include "call_log.h"

#include <algorithm>
#include <type_traits>

namespace compat::d3d9
{
namespace
{

static_assert(std::is_trivially_copyable_v<RecordedCall>,
              "records are copied and dropped in bulk without running code");

constexpr std::size_t kDefaultLimit = 8192;

struct CallLog
{
    std::vector<RecordedCall> calls;
    std::size_t limit = kDefaultLimit;
    std::size_t dropped = 0;
};

CallLog& Log()
{
    static CallLog log;
    return log;
}

} // namespace

void AppendRecordedCall(const RecordedCall& call)
{
    CallLog& log = Log();
    if (log.calls.capacity() < log.limit)
        log.calls.reserve(log.limit);
    if (log.calls.size() >= log.limit)
    {
        const std::size_t drop = log.calls.size() - log.limit / 2;
        log.calls.erase(log.calls.begin(), log.calls.begin() + static_cast<std::ptrdiff_t>(drop));
        log.dropped += drop;
    }
    log.calls.push_back(call);
}

const std::vector<RecordedCall>& RecordedCalls()
{
    return Log().calls;
}

void ClearRecordedCalls()
{
    Log().calls.clear();
    Log().dropped = 0;
}

std::size_t DroppedCallCount()
{
    return Log().dropped;
}

void SetRecordLimit(std::size_t maxCalls)
{
    Log().limit = std::max<std::size_t>(maxCalls, 2);
    ClearRecordedCalls();
}

std::size_t RecordLimit()
{
    return Log().limit;
}

void ResetRecordLimit()
{
    SetRecordLimit(kDefaultLimit);
}

std::string_view RecordedCall::Text() const
{
    const std::size_t stored = std::min<std::size_t>(textLength, kMaxText - 1);
    return std::string_view(text.data(), stored);
}

} // namespace compat::d3d9
