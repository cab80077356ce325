// The process-wide ring of recorded calls behind RecordedCalls(), and its
// limit.
#pragma once

#include <compat/d3d9.h>

namespace compat::d3d9
{

void AppendRecordedCall(const RecordedCall& call);
// Back to the default limit, emptying the list.
void ResetRecordLimit();

} // namespace compat::d3d9
