// One readable line for a recorded call, for test failures and tools.
#include <compat/d3d9.h>

#include <cinttypes>
#include <cstdio>

namespace compat::d3d9
{
namespace
{

void Append(std::string& out, const char* format, auto... values)
{
    char buffer[160];
    const int n = std::snprintf(buffer, sizeof buffer, format, values...);
    if (n > 0)
        out.append(buffer, static_cast<std::size_t>(std::min<int>(n, sizeof buffer - 1)));
}

void AppendColour(std::string& out, const char* name, const D3DCOLORVALUE& c)
{
    Append(out, " %s=(%g %g %g %g)", name, c.r, c.g, c.b, c.a);
}

void AppendMatrix(std::string& out, const D3DMATRIX& m)
{
    out += " matrix=[";
    for (int r = 0; r < 4; ++r)
        Append(out, r == 0 ? "(%g %g %g %g)" : " (%g %g %g %g)", m.m[r][0], m.m[r][1], m.m[r][2],
               m.m[r][3]);
    out += "]";
}

void AppendLight(std::string& out, const D3DLIGHT9& l)
{
    Append(out, " light{type=%d", static_cast<int>(l.Type));
    AppendColour(out, "diffuse", l.Diffuse);
    AppendColour(out, "specular", l.Specular);
    AppendColour(out, "ambient", l.Ambient);
    Append(out, " position=(%g %g %g) direction=(%g %g %g) range=%g}", l.Position.x, l.Position.y,
           l.Position.z, l.Direction.x, l.Direction.y, l.Direction.z, l.Range);
}

void AppendMaterial(std::string& out, const D3DMATERIAL9& m)
{
    out += " material{";
    AppendColour(out, "diffuse", m.Diffuse);
    AppendColour(out, "ambient", m.Ambient);
    AppendColour(out, "specular", m.Specular);
    AppendColour(out, "emissive", m.Emissive);
    Append(out, " power=%g}", m.Power);
}

void AppendPresentParameters(std::string& out, const D3DPRESENT_PARAMETERS& p)
{
    Append(out, " pp{%ux%u format=%d buffers=%u multisample=%d/%u swap=%d window=%p",
           p.BackBufferWidth, p.BackBufferHeight, static_cast<int>(p.BackBufferFormat),
           p.BackBufferCount, static_cast<int>(p.MultiSampleType),
           static_cast<unsigned>(p.MultiSampleQuality), static_cast<int>(p.SwapEffect),
           static_cast<const void*>(p.hDeviceWindow));
    Append(out, " windowed=%d depth=%d/%d flags=0x%x refresh=%u interval=0x%x}", p.Windowed,
           p.EnableAutoDepthStencil, static_cast<int>(p.AutoDepthStencilFormat),
           static_cast<unsigned>(p.Flags), p.FullScreen_RefreshRateInHz, p.PresentationInterval);
}

bool ResultIsCount(std::string_view method)
{
    return method == "DrawTextA" || method == "AddRef" || method == "Release";
}

} // namespace

std::string Describe(const RecordedCall& call)
{
    std::string out(call.method);
    out += '(';
    const char* separator = "";
    for (std::size_t i = 0; i < call.intCount; ++i, separator = ", ")
        Append(out, "%s%" PRId64, separator, call.ints[i]);
    for (std::size_t i = 0; i < call.floatCount; ++i, separator = ", ")
        Append(out, "%s%g", separator, call.floats[i]);
    for (std::size_t i = 0; i < call.pointerCount; ++i, separator = ", ")
        Append(out, "%s%p", separator, call.pointers[i]);
    if (call.Has(RecordedCall::kText))
    {
        Append(out, "%s\"", separator);
        for (char c : call.Text())
        {
            if (c == '\n')
                out += "\\n";
            else if (c == '"' || c == '\\')
                out += {'\\', c};
            else
                out += c;
        }
        out += '"';
        if (call.textLength >= RecordedCall::kMaxText)
            Append(out, "...(%u bytes)", call.textLength);
    }
    out += ')';
    if (call.Has(RecordedCall::kRect))
        Append(out, " rect=(%d %d %d %d)", static_cast<int>(call.rect.left),
               static_cast<int>(call.rect.top), static_cast<int>(call.rect.right),
               static_cast<int>(call.rect.bottom));
    if (call.Has(RecordedCall::kMatrix))
        AppendMatrix(out, call.matrix);
    if (call.Has(RecordedCall::kLight))
        AppendLight(out, call.light);
    if (call.Has(RecordedCall::kMaterial))
        AppendMaterial(out, call.material);
    if (call.Has(RecordedCall::kPresentParameters))
        AppendPresentParameters(out, call.presentParameters);
    if (call.self != nullptr)
        Append(out, " on %p", call.self);
    if (ResultIsCount(call.method))
        Append(out, " -> %d", static_cast<int>(call.result));
    else
        Append(out, " -> 0x%08x", static_cast<unsigned>(call.result));
    return out;
}

} // namespace compat::d3d9
