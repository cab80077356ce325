// The time spent inside the stand-ins' calls, totalled by kind of call, for
// the benchmarks that split the program's start-up or frame by what it asked
// of each API. One registry serves the three stand-ins (windows, Direct3D,
// the physics): a timed call begins with a TimedCall naming its kind. While
// measuring is off a call pays one test of a flag and reads no clock;
// measuring never allocates.
#pragma once

#include <array>
#include <chrono>
#include <cstddef>
#include <initializer_list>

namespace compat::timing
{

// The kinds of call that are timed. The other calls (transforms, states,
// lights, streams, poses, forces, messages) only keep state for a later call
// or are too small to split out: their time stays with the caller's.
enum class Call : unsigned char
{
    windows,         // CreateWindowExW, with the start of SDL video for the first window
    devices,         // Direct3DCreate9, the adapter queries, CreateDevice, Reset
    buffers,         // CreateVertexBuffer, CreateIndexBuffer, Lock, Unlock
    fonts,           // D3DXCreateFontW
    clear,           // Clear
    text,            // ID3DXFont::DrawTextA
    draws,           // DrawPrimitive, DrawIndexedPrimitive
    present,         // Present
    physicsCreation, // NxCreatePhysicsSDK, createScene, createMaterial, createActor, createJoint
    physicsStep,     // simulate and fetchResults: the scene's steps
};
inline constexpr std::size_t kCallKinds = std::size_t(Call::physicsStep) + 1;

// Milliseconds inside the calls of one kind and, when measuring waits for
// the GPU, the milliseconds then spent waiting for the drawing they queued.
struct Time
{
    double call = 0;
    double gpu = 0;

    double Total() const { return call + gpu; }
};

struct Times
{
    std::array<Time, kCallKinds> byCall{};

    const Time& operator[](Call kind) const { return byCall[std::size_t(kind)]; }
    Time& operator[](Call kind) { return byCall[std::size_t(kind)]; }
    // The kinds added together.
    Time Sum(std::initializer_list<Call> kinds) const;
};

// What a call's GPU time is waited on: a drawing backend, which returns once
// the work handed to it so far is done.
class GpuQueue
{
public:
    virtual void WaitForGpu() = 0;

protected:
    ~GpuQueue() = default;
};

// Starts totalling from zero, or stops. With waitForGpu, each timed call
// that names a GpuQueue ends by waiting for it, so that the drawing it queued
// is counted as its kind's `gpu` time; the frame is then drawn call by call
// rather than in one go, which costs a little more.
void Measure(bool on, bool waitForGpu = false);
// The totals since measuring started or since the last take, which starts
// them again from zero.
Times Take();

namespace detail
{
struct Registry
{
    bool on = false;
    bool waitForGpu = false;
    Times totals;
};
inline Registry registry;
} // namespace detail

// Made first in a timed call: adds the time from then to the end of the call
// to its kind, then waits for `queue` when measuring asks for that.
class TimedCall
{
public:
    using Clock = std::chrono::steady_clock;

    explicit TimedCall(Call kind, GpuQueue* queue = nullptr)
    {
        if (detail::registry.on) [[unlikely]]
        {
            total_ = &detail::registry.totals[kind];
            queue_ = queue;
            start_ = Clock::now();
        }
    }
    ~TimedCall()
    {
        if (total_ != nullptr) [[unlikely]]
            Finish();
    }
    TimedCall(const TimedCall&) = delete;
    TimedCall& operator=(const TimedCall&) = delete;

private:
    void Finish();

    Time* total_ = nullptr;
    GpuQueue* queue_ = nullptr;
    Clock::time_point start_;
};

} // namespace compat::timing
