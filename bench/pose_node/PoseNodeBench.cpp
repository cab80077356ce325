// World queries walk the parent chain anew on every call (the position query
// asks the parent for both its world orientation and its world position).
// This measures one position query of the last node of a chain of 1 to 5
// nodes; the aircraft's part tree is four nodes deep.
#include "scene/PoseNode.h"

#include <benchmark/benchmark.h>

#include <vector>

namespace
{
void BM_GetWorldPosition(benchmark::State& state)
{
    const auto depth = static_cast<std::size_t>(state.range(0));
    std::vector<CPoseNode> chain(depth);
    for (std::size_t i = 0; i < depth; ++i)
    {
        const float f = static_cast<float>(i + 1);
        chain[i].SetPosition(f, -2 * f, 15 / f);
        chain[i].Rotate(0, 1, 0, 30 * f);
        chain[i].Rotate(1, 0, 0, -20 * f);
        if (i > 0)
            chain[i].SetParent(&chain[i - 1]);
    }

    const CPoseNode* node = &chain.back();
    for (auto _ : state)
    {
        benchmark::DoNotOptimize(node);
        D3DXVECTOR3 position = node->GetWorldPosition(false);
        benchmark::DoNotOptimize(position);
    }
}
BENCHMARK(BM_GetWorldPosition)->ArgName("depth")->DenseRange(1, 5);
} // namespace
