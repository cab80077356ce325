// The list of recorded calls behind RecordedCalls(): a vector of fixed-size
// records that takes room for its whole limit once, so that appending never
// allocates; when full, the oldest half is dropped.
#pragma once

#include <compat/d3d9.h>

namespace compat::d3d9
{

void AppendRecordedCall(const RecordedCall& call);
// Back to the default limit, emptying the list.
void ResetRecordLimit();

} // namespace compat::d3d9
