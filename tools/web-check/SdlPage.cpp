// Proves SDL2 as scripts/web-deps builds it for the browser: the page's
// canvas becomes an SDL window, an OpenGL ES 3.0 context is made on it
// through SDL_GL_* (WebGL 2), and every animation frame clears it and draws
// one triangle with a "#version 300 es" shader pair. Keyboard and window
// events are printed as they arrive, each key with its SDL scancode and
// whether the window has the keyboard focus, so a test driving the page with
// real key events can check what SDL made of them.
//
// Every line it prints starts with "sdl-page: "; a line starting with
// "sdl-page: error: " means the page cannot work, and Module.sdlPageError
// then holds the same text. Module.sdlPageFrames counts the frames drawn.
//
//   sdl_page.html[?resizable&keyboard=SELECTOR&size=WxH]
//
//   resizable          the window is made SDL_WINDOW_RESIZABLE: it takes the
//                      canvas's CSS size instead of SIZE
//   keyboard=SELECTOR  SDL listens for keys on that element only (the hint
//                      SDL_HINT_EMSCRIPTEN_KEYBOARD_ELEMENT; "#canvas" is the
//                      canvas), instead of on the whole window
//   size=WxH           the window's size (default 640x480)
//
// The page turns its query into the program's arguments (--resizable,
// --keyboard SELECTOR, --size WxH).

#include <SDL.h>

#include <GLES3/gl3.h>
#include <emscripten.h>
#include <emscripten/html5.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace
{

// The colours the test looks for: the cleared background and the triangle.
constexpr float kBackground[3] = {0.2f, 0.4f, 0.8f}; // 51, 102, 204
constexpr float kTriangle[3] = {1.0f, 0.6f, 0.0f};   // 255, 153, 0

SDL_Window* window = nullptr;
GLuint program = 0;
GLuint vertexArray = 0;
int frames = 0;

void fail(const char* what, const char* detail = nullptr)
{
    char line[512];
    std::snprintf(line, sizeof line, "%s%s%s", what, detail ? ": " : "", detail ? detail : "");
    std::fprintf(stderr, "sdl-page: error: %s\n", line);
    EM_ASM({ Module.sdlPageError = UTF8ToString($0); }, line);
    emscripten_cancel_main_loop();
}

const char* windowEventName(Uint8 event)
{
    switch (event)
    {
    case SDL_WINDOWEVENT_SHOWN:
        return "SHOWN";
    case SDL_WINDOWEVENT_HIDDEN:
        return "HIDDEN";
    case SDL_WINDOWEVENT_EXPOSED:
        return "EXPOSED";
    case SDL_WINDOWEVENT_MOVED:
        return "MOVED";
    case SDL_WINDOWEVENT_RESIZED:
        return "RESIZED";
    case SDL_WINDOWEVENT_SIZE_CHANGED:
        return "SIZE_CHANGED";
    case SDL_WINDOWEVENT_MINIMIZED:
        return "MINIMIZED";
    case SDL_WINDOWEVENT_MAXIMIZED:
        return "MAXIMIZED";
    case SDL_WINDOWEVENT_RESTORED:
        return "RESTORED";
    case SDL_WINDOWEVENT_ENTER:
        return "ENTER";
    case SDL_WINDOWEVENT_LEAVE:
        return "LEAVE";
    case SDL_WINDOWEVENT_FOCUS_GAINED:
        return "FOCUS_GAINED";
    case SDL_WINDOWEVENT_FOCUS_LOST:
        return "FOCUS_LOST";
    case SDL_WINDOWEVENT_CLOSE:
        return "CLOSE";
    case SDL_WINDOWEVENT_TAKE_FOCUS:
        return "TAKE_FOCUS";
    case SDL_WINDOWEVENT_HIT_TEST:
        return "HIT_TEST";
    default:
        return "OTHER";
    }
}

// The page is going away: the browser gives the program no later frame, so
// SDL hands this event to watchers while it is being sent, not through the
// queue.
int watchTermination(void*, SDL_Event* event)
{
    if (event->type == SDL_APP_TERMINATING)
        std::printf("sdl-page: SDL_APP_TERMINATING\n");
    if (event->type == SDL_QUIT)
        std::printf("sdl-page: SDL_QUIT (watched)\n");
    std::fflush(stdout);
    return 0;
}

GLuint compile(GLenum kind, const char* source)
{
    GLuint shader = glCreateShader(kind);
    glShaderSource(shader, 1, &source, nullptr);
    glCompileShader(shader);
    GLint ok = 0;
    glGetShaderiv(shader, GL_COMPILE_STATUS, &ok);
    if (!ok)
    {
        char log[1024] = "";
        glGetShaderInfoLog(shader, sizeof log, nullptr, log);
        fail(kind == GL_VERTEX_SHADER ? "the vertex shader does not compile"
                                      : "the fragment shader does not compile",
             log);
        return 0;
    }
    return shader;
}

bool makeScene()
{
    const char* vertexSource = "#version 300 es\n"
                               "layout(location = 0) in vec2 position;\n"
                               "layout(location = 1) in vec3 colour;\n"
                               "out vec3 shade;\n"
                               "void main() {\n"
                               "  shade = colour;\n"
                               "  gl_Position = vec4(position, 0.0, 1.0);\n"
                               "}\n";
    const char* fragmentSource = "#version 300 es\n"
                                 "precision mediump float;\n"
                                 "in vec3 shade;\n"
                                 "out vec4 fragColour;\n"
                                 "void main() { fragColour = vec4(shade, 1.0); }\n";
    GLuint vertex = compile(GL_VERTEX_SHADER, vertexSource);
    GLuint fragment = vertex ? compile(GL_FRAGMENT_SHADER, fragmentSource) : 0;
    if (!fragment)
        return false;
    program = glCreateProgram();
    glAttachShader(program, vertex);
    glAttachShader(program, fragment);
    glLinkProgram(program);
    GLint ok = 0;
    glGetProgramiv(program, GL_LINK_STATUS, &ok);
    if (!ok)
    {
        char log[1024] = "";
        glGetProgramInfoLog(program, sizeof log, nullptr, log);
        fail("the shader program does not link", log);
        return false;
    }
    glDeleteShader(vertex);
    glDeleteShader(fragment);

    // One colour at every corner, so that any pixel inside has exactly it.
    const float r = kTriangle[0], g = kTriangle[1], b = kTriangle[2];
    const float vertices[] = {
        -0.6f, -0.6f, r, g, b, //
        0.6f,  -0.6f, r, g, b, //
        0.0f,  0.6f,  r, g, b,
    };
    GLuint buffer = 0;
    glGenVertexArrays(1, &vertexArray);
    glBindVertexArray(vertexArray);
    glGenBuffers(1, &buffer);
    glBindBuffer(GL_ARRAY_BUFFER, buffer);
    glBufferData(GL_ARRAY_BUFFER, sizeof vertices, vertices, GL_STATIC_DRAW);
    glEnableVertexAttribArray(0);
    glVertexAttribPointer(0, 2, GL_FLOAT, GL_FALSE, 5 * sizeof(float), nullptr);
    glEnableVertexAttribArray(1);
    glVertexAttribPointer(1, 3, GL_FLOAT, GL_FALSE, 5 * sizeof(float),
                          reinterpret_cast<const void*>(2 * sizeof(float)));
    glBindVertexArray(0);
    return true;
}

void printSizes(const char* when)
{
    int w = 0, h = 0, dw = 0, dh = 0, cw = 0, ch = 0;
    double cssW = 0, cssH = 0;
    SDL_GetWindowSize(window, &w, &h);
    SDL_GL_GetDrawableSize(window, &dw, &dh);
    emscripten_get_canvas_element_size("#canvas", &cw, &ch);
    emscripten_get_element_css_size("#canvas", &cssW, &cssH);
    std::printf("sdl-page: sizes %s: window %dx%d, drawable %dx%d, canvas %dx%d, css %.0fx%.0f\n",
                when, w, h, dw, dh, cw, ch, cssW, cssH);
}

// Two answers to "has the window the keyboard": SDL_GetKeyboardFocus(), and
// the window's SDL_WINDOW_INPUT_FOCUS flag, which follows the page's focus
// and blur events.
const char* focus()
{
    const bool keyboard = SDL_GetKeyboardFocus() == window;
    const bool input = (SDL_GetWindowFlags(window) & SDL_WINDOW_INPUT_FOCUS) != 0;
    if (keyboard && input)
        return "focus yes input-focus yes";
    if (keyboard)
        return "focus yes input-focus no";
    return input ? "focus no input-focus yes" : "focus no input-focus no";
}

void handleEvents()
{
    SDL_Event event;
    while (SDL_PollEvent(&event))
    {
        switch (event.type)
        {
        case SDL_KEYDOWN:
        case SDL_KEYUP:
        {
            const SDL_Scancode code = event.key.keysym.scancode;
            std::printf("sdl-page: %s scancode %d (%s) key %s%s %s\n",
                        event.type == SDL_KEYDOWN ? "SDL_KEYDOWN" : "SDL_KEYUP",
                        static_cast<int>(code), SDL_GetScancodeName(code),
                        SDL_GetKeyName(event.key.keysym.sym), event.key.repeat ? " repeat" : "",
                        focus());
            break;
        }
        case SDL_WINDOWEVENT:
            std::printf("sdl-page: SDL_WINDOWEVENT %s %d %d %s\n",
                        windowEventName(event.window.event), event.window.data1, event.window.data2,
                        focus());
            if (event.window.event == SDL_WINDOWEVENT_SIZE_CHANGED)
                printSizes("after a resize");
            break;
        case SDL_QUIT:
            std::printf("sdl-page: SDL_QUIT\n");
            break;
        default:
            break;
        }
    }
}

void frame()
{
    handleEvents();
    if (frames == 0)
    {
        // Only now: emscripten sets a swap interval on the running main loop.
        std::printf("sdl-page: SDL_GL_SetSwapInterval(1) gives %d\n", SDL_GL_SetSwapInterval(1));
    }
    int w = 0, h = 0;
    SDL_GL_GetDrawableSize(window, &w, &h);
    glViewport(0, 0, w, h);
    glClearColor(kBackground[0], kBackground[1], kBackground[2], 1.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glUseProgram(program);
    glBindVertexArray(vertexArray);
    glDrawArrays(GL_TRIANGLES, 0, 3);
    glBindVertexArray(0);
    if (frames == 2)
    {
        // What GL itself drew, before the browser composites it.
        unsigned char centre[4] = {}, corner[4] = {};
        glReadPixels(w / 2, h / 2, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, centre);
        glReadPixels(4, 4, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, corner);
        std::printf("sdl-page: glReadPixels centre %d,%d,%d corner %d,%d,%d\n", centre[0],
                    centre[1], centre[2], corner[0], corner[1], corner[2]);
    }
    const GLenum error = glGetError();
    if (error != GL_NO_ERROR)
    {
        char code[32];
        std::snprintf(code, sizeof code, "0x%04x", error);
        fail("a frame left a GL error", code);
        return;
    }
    SDL_GL_SwapWindow(window);
    ++frames;
    EM_ASM({ Module.sdlPageFrames = $0; }, frames);
    std::fflush(stdout);
}

// Whether SDL hands out the entry points a WebGL 2 port would look up.
void printEntryPoints()
{
    const char* names[] = {
        "glBlitFramebuffer",
        "glRenderbufferStorage",
        "glRenderbufferStorageMultisample",
        "glVertexAttrib4f",
        "glGetFramebufferAttachmentParameteriv",
        "glMapBufferRange",
        "glUnmapBuffer",
        "glFlushMappedBufferRange",
        "glBindVertexArray",
        "glDrawBuffers",
        "glReadBuffer",
        "glGetStringi",
        "glInvalidateFramebuffer",
        "glTexStorage2D",
        "glDrawRangeElements",
        "glDrawElementsBaseVertex",
        "glClearDepth",
        "glClearDepthf",
        "glPolygonMode",
        "glGetTexImage",
        "glBindFragDataLocation",
        "glPrimitiveRestartIndex",
    };
    for (const char* name : names)
    {
        std::printf("sdl-page: SDL_GL_GetProcAddress %s %s\n", name,
                    SDL_GL_GetProcAddress(name) ? "found" : "missing");
    }
}

SDL_GLContext makeContext(int profile, int major, int minor, const char* what)
{
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_PROFILE_MASK, profile);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_MAJOR_VERSION, major);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_MINOR_VERSION, minor);
    SDL_GLContext context = SDL_GL_CreateContext(window);
    if (context == nullptr)
        std::printf("sdl-page: %s context: none (%s)\n", what, SDL_GetError());
    else
        std::printf("sdl-page: %s context: made\n", what);
    return context;
}

} // namespace

int main(int argc, char** argv)
{
    bool resizable = false;
    const char* keyboardElement = nullptr;
    int width = 640, height = 480;
    for (int i = 1; i < argc; ++i)
    {
        if (std::strcmp(argv[i], "--resizable") == 0)
        {
            resizable = true;
        }
        else if (std::strcmp(argv[i], "--keyboard") == 0 && i + 1 < argc)
        {
            keyboardElement = argv[++i];
        }
        else if (std::strcmp(argv[i], "--size") == 0 && i + 1 < argc &&
                 std::sscanf(argv[i + 1], "%dx%d", &width, &height) == 2 && width > 0 && height > 0)
        {
            ++i;
        }
        else
        {
            fail("unknown argument (the page takes resizable, keyboard=SELECTOR, size=WxH)",
                 argv[i]);
            return 1;
        }
    }

    if (keyboardElement)
        SDL_SetHint(SDL_HINT_EMSCRIPTEN_KEYBOARD_ELEMENT, keyboardElement);
    if (SDL_Init(SDL_INIT_VIDEO) != 0)
    {
        fail("SDL_Init(SDL_INIT_VIDEO) failed", SDL_GetError());
        return 1;
    }
    SDL_AddEventWatch(watchTermination, nullptr);
    SDL_version linked;
    SDL_GetVersion(&linked);
    std::printf("sdl-page: SDL %d.%d.%d, video driver %s\n", linked.major, linked.minor,
                linked.patch, SDL_GetCurrentVideoDriver());
    SDL_DisplayMode desktop;
    if (SDL_GetDesktopDisplayMode(0, &desktop) == 0)
        std::printf("sdl-page: desktop display mode %dx%d\n", desktop.w, desktop.h);
    else
        std::printf("sdl-page: desktop display mode: none (%s)\n", SDL_GetError());

    // What the desktop build asks for: a depth and a stencil buffer.
    SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, 24);
    SDL_GL_SetAttribute(SDL_GL_STENCIL_SIZE, 8);
    Uint32 flags = SDL_WINDOW_OPENGL | SDL_WINDOW_SHOWN;
    if (resizable)
        flags |= SDL_WINDOW_RESIZABLE;
    window = SDL_CreateWindow("sdl-page", SDL_WINDOWPOS_UNDEFINED, SDL_WINDOWPOS_UNDEFINED, width,
                              height, flags);
    if (window == nullptr)
    {
        fail("SDL_CreateWindow failed", SDL_GetError());
        return 1;
    }
    printSizes("at start");

    // Desktop OpenGL 3.3 core first, as the desktop build asks, then ES 3.0.
    SDL_GLContext context = makeContext(SDL_GL_CONTEXT_PROFILE_CORE, 3, 3, "OpenGL 3.3 core");
    if (context == nullptr)
        context = makeContext(SDL_GL_CONTEXT_PROFILE_ES, 3, 0, "OpenGL ES 3.0");
    if (context == nullptr)
    {
        fail("no OpenGL ES 3.0 context", SDL_GetError());
        return 1;
    }
    if (SDL_GL_MakeCurrent(window, context) != 0)
    {
        fail("SDL_GL_MakeCurrent failed", SDL_GetError());
        return 1;
    }
    const char* version = reinterpret_cast<const char*>(glGetString(GL_VERSION));
    const char* language = reinterpret_cast<const char*>(glGetString(GL_SHADING_LANGUAGE_VERSION));
    std::printf("sdl-page: GL_VERSION %s\n", version ? version : "(null)");
    std::printf("sdl-page: GL_SHADING_LANGUAGE_VERSION %s\n", language ? language : "(null)");
    std::printf("sdl-page: GL_RENDERER %s\n",
                reinterpret_cast<const char*>(glGetString(GL_RENDERER)));
    int depth = 0, stencil = 0;
    SDL_GL_GetAttribute(SDL_GL_DEPTH_SIZE, &depth);
    SDL_GL_GetAttribute(SDL_GL_STENCIL_SIZE, &stencil);
    std::printf("sdl-page: depth %d bits, stencil %d bits\n", depth, stencil);
    if (version == nullptr || std::strncmp(version, "OpenGL ES 3.0", 13) != 0)
    {
        fail("the context is not OpenGL ES 3.0 (WebGL 2)", version);
        return 1;
    }
    printEntryPoints();
    if (!makeScene())
        return 1;

    std::printf("sdl-page: ready\n");
    std::fflush(stdout);
    emscripten_set_main_loop(frame, 0, 1);
    return 0;
}
