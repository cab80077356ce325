#include "message_queue.h"

#include <SDL.h>

#include <array>

namespace compat::win32
{
namespace
{

class MessageRing
{
public:
    bool Push(const MSG& message)
    {
        if (count_ == slots_.size())
            return false;
        Slot(count_) = message;
        ++count_;
        return true;
    }

    // Index of the first message (counted from the oldest) that `pass`
    // accepts, or Size() when none does.
    template <typename Predicate> std::size_t Find(Predicate pass) const
    {
        std::size_t i = 0;
        while (i < count_ && !pass(At(i)))
            ++i;
        return i;
    }

    const MSG& At(std::size_t i) const { return slots_[(head_ + i) % slots_.size()]; }
    std::size_t Size() const { return count_; }

    void Remove(std::size_t i)
    {
        if (i == 0)
        {
            head_ = (head_ + 1) % slots_.size();
            --count_;
            return;
        }
        for (; i + 1 < count_; ++i)
            Slot(i) = Slot(i + 1);
        --count_;
    }

    template <typename Predicate> void RemoveIf(Predicate drop)
    {
        std::size_t kept = 0;
        for (std::size_t i = 0; i < count_; ++i)
            if (!drop(At(i)))
                Slot(kept++) = Slot(i);
        count_ = kept;
    }

    void Clear() { head_ = count_ = 0; }

private:
    MSG& Slot(std::size_t i) { return slots_[(head_ + i) % slots_.size()]; }

    std::array<MSG, kMessageQueueCapacity> slots_{};
    std::size_t head_ = 0;
    std::size_t count_ = 0;
};

struct Queue
{
    MessageRing posted;
    bool quitRequested = false;
    int exitCode = 0;
};

Queue& TheQueue()
{
    static Queue queue;
    return queue;
}

MSG Make(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    return {window, message, wParam, lParam, SDL_GetTicks(), {0, 0}};
}

} // namespace

bool Enqueue(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    return TheQueue().posted.Push(Make(window, message, wParam, lParam));
}

bool IsQueued(HWND window, UINT message)
{
    const MessageRing& posted = TheQueue().posted;
    return posted.Find([&](const MSG& m) { return m.hwnd == window && m.message == message; }) <
           posted.Size();
}

bool TakeMessage(MSG& out, HWND window, UINT first, UINT last, bool remove)
{
    Queue& queue = TheQueue();
    const bool anyMessage = first == 0 && last == 0;
    const std::size_t found = queue.posted.Find(
        [&](const MSG& m)
        {
            return (window == nullptr || m.hwnd == window) &&
                   (anyMessage || (m.message >= first && m.message <= last));
        });
    if (found < queue.posted.Size())
    {
        out = queue.posted.At(found);
        if (remove)
            queue.posted.Remove(found);
        return true;
    }
    if (!queue.quitRequested)
        return false;
    out = Make(nullptr, WM_QUIT, static_cast<WPARAM>(queue.exitCode), 0);
    if (remove)
        queue.quitRequested = false;
    return true;
}

void RequestQuit(int exitCode)
{
    Queue& queue = TheQueue();
    queue.quitRequested = true;
    queue.exitCode = exitCode;
}

void DiscardMessagesFor(HWND window)
{
    TheQueue().posted.RemoveIf([window](const MSG& m) { return m.hwnd == window; });
}

void ClearMessageQueue()
{
    Queue& queue = TheQueue();
    queue.posted.Clear();
    queue.quitRequested = false;
    queue.exitCode = 0;
}

} // namespace compat::win32
