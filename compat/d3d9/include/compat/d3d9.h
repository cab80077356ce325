// Controls of the Direct3D 9 stand-in that Direct3D itself does not have, for
// tests and tools: which backend new devices use, the calls the recording
// backend kept, faults for the device-creation ladder, the presented image,
// the time spent inside the calls. Single-threaded, like the program.
#pragma once

#include <d3d9.h>
#include <d3dx9.h>

#include <array>
#include <cstddef>
#include <cstdint>
#include <compare>
#include <functional>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

namespace compat::d3d9
{

// Where a device sends its work. Recording needs no GPU or display: it keeps
// every call in RecordedCalls() and draws nothing.
enum class Backend
{
    Recording,
    OpenGL,
};

// The backend for devices created from now on (existing devices keep theirs).
// Until this is called (or after ResetForTests) the backend follows the
// display: OpenGL when SDL video runs with a driver that can draw a window
// (a real one or the offscreen driver), Recording otherwise.
void SetBackend(Backend backend);
Backend CurrentBackend();

// One call made on a device, its buffers or a font, or on the Direct3D object
// while the Recording backend is chosen. Fixed size and trivially copyable,
// so that recording never allocates. Arguments are stored by kind, each kind
// in the order the call takes them; `has` tells which of the structured
// fields hold an argument.
struct RecordedCall
{
    enum Field : uint32_t
    {
        kMatrix = 1u << 0,
        kLight = 1u << 1,
        kMaterial = 1u << 2,
        kRect = 1u << 3,
        kPresentParameters = 1u << 4,
        kText = 1u << 5,
    };
    static constexpr std::size_t kMaxInts = 10;
    static constexpr std::size_t kMaxFloats = 4;
    static constexpr std::size_t kMaxPointers = 4;
    static constexpr std::size_t kMaxText = 256;

    // The method's name: "CreateDevice", "SetRenderState", "DrawTextA",
    // "D3DXCreateFontW", "Lock", "Release", ...
    std::string_view method;
    // The object the method was called on (the device, a buffer, the font,
    // the Direct3D object); null for the free functions.
    const void* self = nullptr;
    // What the call returned: its HRESULT, DrawTextA's height, or the new
    // reference count of AddRef and Release.
    int32_t result = 0;

    // Integer arguments (counts, flags, enum values, colours) in order.
    std::array<int64_t, kMaxInts> ints{};
    uint8_t intCount = 0;
    // Float arguments (Clear's z) in order.
    std::array<float, kMaxFloats> floats{};
    uint8_t floatCount = 0;
    // Object and pointer arguments (buffers, windows, the created object
    // written to an out-parameter) in order; null stays null.
    std::array<const void*, kMaxPointers> pointers{};
    uint8_t pointerCount = 0;

    uint32_t has = 0;
    D3DMATRIX matrix{};
    D3DLIGHT9 light{};
    D3DMATERIAL9 material{};
    // DrawTextA's rectangle (as given), Clear's first rectangle.
    RECT rect{};
    D3DPRESENT_PARAMETERS presentParameters{};
    // DrawTextA's text (UTF-8 face name for D3DXCreateFontW), cut to
    // kMaxText - 1 bytes; textLength is the length before the cut.
    std::array<char, kMaxText> text{};
    uint32_t textLength = 0;

    bool Has(Field field) const { return (has & field) != 0; }
    std::string_view Text() const;
};

// The calls kept so far, oldest first: a ring of RecordLimit() records. When
// it is full each new call takes the place of the oldest, so recording a call
// copies one record and moves none. Room for the limit is taken once, on the
// first call recorded, so recording never allocates afterwards.
class RecordedCallList
{
public:
    class Iterator
    {
    public:
        using iterator_category = std::random_access_iterator_tag;
        using value_type = RecordedCall;
        using difference_type = std::ptrdiff_t;
        using pointer = const RecordedCall*;
        using reference = const RecordedCall&;

        Iterator() = default;
        Iterator(const RecordedCallList* list, std::size_t at) : list_(list), at_(at) {}
        reference operator*() const { return (*list_)[at_]; }
        pointer operator->() const { return &(*list_)[at_]; }
        reference operator[](difference_type n) const { return (*list_)[at_ + n]; }
        Iterator& operator++() { return ++at_, *this; }
        Iterator operator++(int) { return {list_, at_++}; }
        Iterator& operator--() { return --at_, *this; }
        Iterator operator--(int) { return {list_, at_--}; }
        Iterator& operator+=(difference_type n) { return at_ += n, *this; }
        Iterator& operator-=(difference_type n) { return at_ -= n, *this; }
        Iterator operator+(difference_type n) const { return {list_, at_ + n}; }
        Iterator operator-(difference_type n) const { return {list_, at_ - n}; }
        friend Iterator operator+(difference_type n, Iterator i) { return i + n; }
        difference_type operator-(Iterator other) const
        {
            return static_cast<difference_type>(at_) - static_cast<difference_type>(other.at_);
        }
        bool operator==(const Iterator& other) const { return at_ == other.at_; }
        auto operator<=>(const Iterator& other) const { return at_ <=> other.at_; }

    private:
        const RecordedCallList* list_ = nullptr;
        std::size_t at_ = 0;
    };

    std::size_t size() const { return count_; }
    bool empty() const { return count_ == 0; }
    // Records the ring has room for.
    std::size_t capacity() const { return slots_.size(); }
    const RecordedCall& operator[](std::size_t i) const
    {
        return slots_[(first_ + i) % slots_.size()];
    }
    const RecordedCall& front() const { return (*this)[0]; }
    const RecordedCall& back() const { return (*this)[count_ - 1]; }
    Iterator begin() const { return {this, 0}; }
    Iterator end() const { return {this, count_}; }

    // For the recording: keeps `call`, dropping the oldest when full, and
    // says whether one was dropped.
    bool Append(const RecordedCall& call);
    void Clear() { first_ = count_ = 0; }
    // Makes room for `limit` records and empties the ring.
    void Resize(std::size_t limit);

private:
    std::vector<RecordedCall> slots_;
    std::size_t first_ = 0;
    std::size_t count_ = 0;
};

const RecordedCallList& RecordedCalls();
// Empties the list and keeps its capacity.
void ClearRecordedCalls();
// How many calls were dropped to stay within the limit since the last clear.
std::size_t DroppedCallCount();
// Changes the limit (at least 2; default 8192) and empties the list.
void SetRecordLimit(std::size_t maxCalls);
std::size_t RecordLimit();

// One line such as `SetRenderState(137, 0) -> 0x00000000`, for test failures.
std::string Describe(const RecordedCall& call);

// Faults for the device-creation ladder. Each stays until changed or until
// ResetForTests().
// GetAdapterCount answers this (default 1).
void SetAdapterCount(UINT count);
// Decides whether a CreateDevice attempt that is otherwise valid succeeds;
// a refused attempt returns D3DERR_NOTAVAILABLE. An empty filter (the
// default) lets every attempt succeed.
using CreateDeviceFilter = std::function<bool(UINT adapter, D3DDEVTYPE type, DWORD behaviorFlags,
                                              D3DFORMAT depthStencilFormat)>;
void SetCreateDeviceFilter(CreateDeviceFilter filter);
// Direct3DCreate9 returns null.
void SetDirect3DCreate9Fails(bool fails);
// GetAdapterDisplayMode returns D3DERR_NOTAVAILABLE.
void SetGetAdapterDisplayModeFails(bool fails);
// Reset returns D3DERR_DEVICELOST and changes nothing.
void SetResetFails(bool fails);

// The one-line reason for the last call that failed, empty if none has.
// Calls the program gets wrong are also written to stderr, each distinct
// reason once; the faults configured above are not.
std::string_view LastError();

// How the OpenGL backend of devices made from now on brings a frame into a
// window whose client area differs from the back buffer. By default it draws
// the frame straight into the window, scaled to the client area (Present
// only swaps). Kept, it draws the frame into a back buffer of its own size
// and Present stretches that into the window: slower, but the back buffer
// then exists to be read as it was drawn. Windows of the back buffer's size
// are always drawn into straight.
void KeepBackBuffer(bool keep);

// Devices made from now on on the OpenGL backend draw through an OpenGL ES
// 3.0 context and only what WebGL 2 offers of it, as they do in a web page
// (where nothing else can be had): the web build's drawing, on a desktop.
void UseOpenGlEs(bool es);

// The image the device presented last: the back buffer's width × height
// pixels, top row first, each 0xAARRGGBB. Before the first Present it is
// black. A frame drawn straight into a window of another size (see
// KeepBackBuffer) has no back buffer of its own: its image is the window's,
// scaled to the back buffer's size by taking the nearest pixel. The
// Recording backend's image is the colour of the last full clear of the
// target.
struct Image
{
    UINT width = 0;
    UINT height = 0;
    std::vector<uint32_t> pixels;
};
HRESULT ReadPresentedImage(IDirect3DDevice9* device, Image& image);

// Back to a fresh process's settings: Recording backend, no faults, one
// adapter, the default record limit, an empty list (capacity kept), no last
// error, call times not measured.
void ResetForTests();

} // namespace compat::d3d9
