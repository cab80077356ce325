#include "call_log.h"

#include <algorithm>
#include <type_traits>

namespace compat::d3d9
{
namespace
{

static_assert(std::is_trivially_copyable_v<RecordedCall>,
              "records are copied without running code");

constexpr std::size_t kDefaultLimit = 8192;

struct CallLog
{
    RecordedCallList calls;
    std::size_t limit = kDefaultLimit;
    std::size_t dropped = 0;
};

CallLog& Log()
{
    static CallLog log;
    return log;
}

} // namespace

bool RecordedCallList::Append(const RecordedCall& call)
{
    if (count_ < slots_.size())
    {
        slots_[(first_ + count_++) % slots_.size()] = call;
        return false;
    }
    slots_[first_] = call;
    first_ = (first_ + 1) % slots_.size();
    return true;
}

void RecordedCallList::Resize(std::size_t limit)
{
    slots_.assign(limit, RecordedCall{});
    Clear();
}

void AppendRecordedCall(const RecordedCall& call)
{
    CallLog& log = Log();
    if (log.calls.capacity() != log.limit)
        log.calls.Resize(log.limit);
    if (log.calls.Append(call))
        ++log.dropped;
}

const RecordedCallList& RecordedCalls()
{
    return Log().calls;
}

void ClearRecordedCalls()
{
    Log().calls.Clear();
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
