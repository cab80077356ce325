// Mesh objects on the recording device: the buffers made from a file, their
// formats and bytes, the refusals, and the calls of a draw.
#include "MeshTestSupport.h"
#include "RecordingDeviceTest.h"

#include "platform/Graphics.h"
#include "render/Mesh.h"

#include <compat/d3d9.h>

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <type_traits>
#include <vector>

namespace
{
using compat::d3d9::RecordedCall;

// A mesh file of the given format whose k-th value is k / 4 (the colour
// slots included), with an index list when `indexSize` is not 0.
std::string MeshText(int position, int normal, int color, int textures, int vertexCount,
                     int indexSize, const std::vector<long>& indices)
{
    std::string text = "vertices\n{\n\tformat\n\t{\n";
    text += "\t\tposition " + std::to_string(position) + "\n\t\tnormal " + std::to_string(normal) +
            "\n\t\tcolor " + std::to_string(color) + "\n\t\ttextures " + std::to_string(textures) +
            "\n\t}\n\tcount " + std::to_string(vertexCount) + "\n";
    const int floatCount = position + 3 * normal + color + 2 * textures;
    for (int k = 0; k < vertexCount * floatCount; ++k)
        text += "\t" + std::to_string(k / 4.0) + ((k + 1) % floatCount == 0 ? "\n" : "");
    text += "}\nindices\n{\n\tformat\n\t{\n\t\tsize " + std::to_string(indexSize) +
            "\n\t}\n\tcount " + std::to_string(indices.size()) + "\n";
    for (long index : indices)
        text += "\t" + std::to_string(index) + "\n";
    return text + "}\n";
}

std::vector<long> Triangles(int indexCount, int vertexCount)
{
    std::vector<long> indices;
    for (int i = 0; i < indexCount; ++i)
        indices.push_back((i * 7) % vertexCount);
    return indices;
}

class MeshObjectTest : public RecordingDeviceTest
{
protected:
    void SetUp() override
    {
        RecordingDeviceTest::SetUp();
        compat::d3d9::ClearRecordedCalls();
    }

    void TearDown() override
    {
        m_meshes.clear();
        RecordingDeviceTest::TearDown();
    }

    // A new mesh loaded from the text; the result of Load in `loaded`.
    CMesh* Load(const std::string& text, bool& loaded)
    {
        m_meshes.emplace_back(new CMesh());
        m_path = m_folder.Write("mesh" + std::to_string(m_meshes.size()) + ".txt", text);
        loaded = m_meshes.back()->Load(m_path.c_str());
        return m_meshes.back().get();
    }

    CMesh* LoadOk(const std::string& text)
    {
        bool loaded = false;
        CMesh* mesh = Load(text, loaded);
        EXPECT_TRUE(loaded) << mesh->GetError();
        return mesh;
    }

    static std::vector<RecordedCall> Calls(std::string_view method)
    {
        std::vector<RecordedCall> calls;
        for (const RecordedCall& call : compat::d3d9::RecordedCalls())
            if (call.method == method)
                calls.push_back(call);
        return calls;
    }

    // The device's calls, without reference counting and locks.
    static std::vector<RecordedCall> DeviceCalls()
    {
        std::vector<RecordedCall> calls;
        for (const RecordedCall& call : compat::d3d9::RecordedCalls())
            if (call.method != "AddRef" && call.method != "Release" && call.method != "Lock" &&
                call.method != "Unlock")
                calls.push_back(call);
        return calls;
    }

    // A buffer's bytes, read through a read-only lock.
    template <typename Buffer> static std::vector<unsigned char> BytesOf(Buffer* buffer)
    {
        void* data = nullptr;
        EXPECT_EQ(buffer->Lock(0, 0, &data, D3DLOCK_READONLY), D3D_OK);
        std::vector<unsigned char> bytes;
        if (data)
        {
            std::conditional_t<std::is_same_v<Buffer, IDirect3DVertexBuffer9>, D3DVERTEXBUFFER_DESC,
                               D3DINDEXBUFFER_DESC>
                desc{};
            buffer->GetDesc(&desc);
            bytes.assign(static_cast<unsigned char*>(data),
                         static_cast<unsigned char*>(data) + desc.Size);
        }
        buffer->Unlock();
        return bytes;
    }

    static std::vector<unsigned char> FloatBytes(int count)
    {
        std::vector<unsigned char> bytes(static_cast<size_t>(count) * 4);
        for (int k = 0; k < count; ++k)
        {
            const float value = static_cast<float>(k / 4.0);
            memcpy(&bytes[static_cast<size_t>(k) * 4], &value, 4);
        }
        return bytes;
    }

    template <typename T>
    static std::vector<unsigned char> IndexBytes(const std::vector<long>& indices)
    {
        std::vector<unsigned char> bytes(indices.size() * sizeof(T));
        for (size_t i = 0; i < indices.size(); ++i)
        {
            const T value = static_cast<T>(indices[i]);
            memcpy(&bytes[i * sizeof(T)], &value, sizeof(T));
        }
        return bytes;
    }

    TempFolder m_folder;
    std::string m_path;
    std::vector<std::unique_ptr<CMesh>> m_meshes;
};
} // namespace

TEST_F(MeshObjectTest, TheVertexFormatGivesTheCodeStrideAndBufferBytes)
{
    struct Case
    {
        int normal, color, textures;
        DWORD fvf;
        UINT stride;
    };
    for (const Case& c : {Case{1, 0, 0, 0x012, 24}, Case{1, 1, 1, 0x152, 36},
                          Case{0, 0, 0, 0x002, 12}, Case{0, 1, 0, 0x042, 16}})
    {
        compat::d3d9::ClearRecordedCalls();
        CMesh* mesh = LoadOk(MeshText(3, c.normal, c.color, c.textures, 5, 32, {0, 1, 2}));
        EXPECT_EQ(mesh->GetFVF(), c.fvf);
        EXPECT_EQ(mesh->GetStride(), c.stride);
        EXPECT_EQ(mesh->GetVertexCount(), 5u);

        const auto created = Calls("CreateVertexBuffer");
        ASSERT_EQ(created.size(), 1u);
        EXPECT_EQ(created[0].ints[0], c.stride * 5); // length
        EXPECT_EQ(created[0].ints[1], 0);            // usage
        EXPECT_EQ(created[0].ints[2], c.fvf);
        EXPECT_EQ(created[0].ints[3], D3DPOOL_DEFAULT);
        EXPECT_EQ(created[0].pointers[0], mesh->GetVertexBuffer());
        // The file's floats unchanged, the colour slot's bits included.
        EXPECT_EQ(BytesOf(mesh->GetVertexBuffer()), FloatBytes(static_cast<int>(c.stride / 4 * 5)));
    }
}

TEST_F(MeshObjectTest, IndexBuffersTakeTheSizeAndFormatOfTheIndexList)
{
    const std::vector<long> indices = Triangles(36, 24);
    CMesh* mesh16 = LoadOk(MeshText(3, 1, 0, 0, 24, 16, indices));
    CMesh* mesh32 = LoadOk(MeshText(3, 1, 0, 0, 24, 32, indices));
    const auto created = Calls("CreateIndexBuffer");
    ASSERT_EQ(created.size(), 2u);
    EXPECT_EQ(created[0].ints[0], 72);
    EXPECT_EQ(created[0].ints[2], D3DFMT_INDEX16);
    EXPECT_EQ(created[1].ints[0], 144);
    EXPECT_EQ(created[1].ints[2], D3DFMT_INDEX32);
    for (const auto& call : created)
    {
        EXPECT_EQ(call.ints[1], 0);
        EXPECT_EQ(call.ints[3], D3DPOOL_DEFAULT);
    }
    EXPECT_EQ(BytesOf(mesh16->GetIndexBuffer()), IndexBytes<uint16_t>(indices));
    EXPECT_EQ(BytesOf(mesh32->GetIndexBuffer()), IndexBytes<uint32_t>(indices));
    for (CMesh* mesh : {mesh16, mesh32})
    {
        EXPECT_EQ(mesh->GetIndexCount(), 36u);
        EXPECT_EQ(mesh->GetPrimitiveCount(), 12u);
    }
}

TEST_F(MeshObjectTest, OnlyWholeTrianglesAreCounted)
{
    EXPECT_EQ(LoadOk(MeshText(3, 1, 0, 0, 24, 32, Triangles(10, 24)))->GetPrimitiveCount(), 3u);
    // Without an index list the vertices are the triangle list.
    CMesh* plain = LoadOk(MeshText(3, 1, 0, 0, 8, 0, {}));
    EXPECT_EQ(plain->GetIndexBuffer(), nullptr);
    EXPECT_EQ(plain->GetPrimitiveCount(), 2u);
    // An index buffer the device refuses (no indices: 0 bytes) leaves the
    // mesh drawable from its vertices.
    CMesh* refused = LoadOk(MeshText(3, 1, 0, 0, 7, 16, {}));
    EXPECT_EQ(refused->GetIndexBuffer(), nullptr);
    EXPECT_EQ(refused->GetPrimitiveCount(), 2u);
}

TEST_F(MeshObjectTest, AFileThatCannotBeReadLoadsNothing)
{
    CMesh mesh;
    const std::string path = m_folder.Path() + "\\i_stokF.txt";
    EXPECT_FALSE(mesh.Load(path.c_str()));
    EXPECT_EQ(std::string(mesh.GetError()),
              m_folder.Path() + "/i_stokF.txt: cannot open (No such file or directory)");
    EXPECT_EQ(mesh.GetVertexBuffer(), nullptr);
    EXPECT_EQ(mesh.GetIndexBuffer(), nullptr);
    EXPECT_TRUE(compat::d3d9::RecordedCalls().empty());
}

TEST_F(MeshObjectTest, MeshesTheDeviceCannotDrawSafelyAreRefusedBeforeAnyBuffer)
{
    struct Case
    {
        std::string text;
        const char* reason;
    };
    const Case cases[] = {
        {MeshText(3, 1, 0, 0, 3, 32, {0, 1, 3}), "index 3 (of 3) is 3, past the 3 vertices"},
        {MeshText(3, 1, 0, 0, 3, 16, {0, 65539, 2}), "index 2 (of 3) is 3, past the 3 vertices"},
        {MeshText(3, 1, 0, 0, 3, 32, {0, 1, -1}),
         "index 3 (of 3) is 4294967295, past the 3 vertices"},
        {MeshText(3, 2, 0, 0, 3, 0, {}), "normal is 2; it must be 0 or 1"},
        {MeshText(2, 1, 0, 0, 3, 0, {}), "position is 2; it must be 3"},
        {MeshText(3, 1, 0, 0, 0, 0, {}), "the file has no vertices"},
        {MeshText(3, 1, 0, 0, 3, 8, {0}), "size is 8; it must be 0, 16 or 32"},
    };
    for (const Case& c : cases)
    {
        bool loaded = true;
        CMesh* mesh = Load(c.text, loaded);
        EXPECT_FALSE(loaded) << c.reason;
        // The reader's refusals name the line, the mesh object's the file.
        const std::string error = mesh->GetError();
        EXPECT_TRUE(error == m_path + ": " + c.reason ||
                    (error.rfind(m_path + ", line ", 0) == 0 &&
                     error.ends_with(std::string(": ") + c.reason)))
            << error;
        EXPECT_EQ(mesh->GetVertexBuffer(), nullptr);
    }
    EXPECT_TRUE(Calls("CreateVertexBuffer").empty());
    EXPECT_TRUE(Calls("CreateIndexBuffer").empty());
}

TEST_F(MeshObjectTest, DrawingIsFourCallsWithTheMeshsValues)
{
    CMesh* mesh = LoadOk(MeshText(3, 1, 0, 0, 24, 32, Triangles(36, 24)));
    IDirect3DDevice9* device = CGraphics::GetDevice();
    device->BeginScene();
    compat::d3d9::ClearRecordedCalls();
    DrawMesh(mesh);
    const auto calls = DeviceCalls();
    ASSERT_EQ(calls.size(), 4u);
    EXPECT_EQ(calls[0].method, "SetFVF");
    EXPECT_EQ(calls[0].ints[0], 0x012);
    EXPECT_EQ(calls[1].method, "SetStreamSource");
    EXPECT_EQ(calls[1].ints[0], 0);  // stream
    EXPECT_EQ(calls[1].ints[1], 0);  // offset
    EXPECT_EQ(calls[1].ints[2], 24); // stride
    EXPECT_EQ(calls[1].pointers[0], mesh->GetVertexBuffer());
    EXPECT_EQ(calls[2].method, "SetIndices");
    EXPECT_EQ(calls[2].pointers[0], mesh->GetIndexBuffer());
    EXPECT_EQ(calls[3].method, "DrawIndexedPrimitive");
    const int64_t expected[] = {D3DPT_TRIANGLELIST, 0, 0, 24, 0, 12};
    for (size_t i = 0; i < 6; ++i)
        EXPECT_EQ(calls[3].ints[i], expected[i]) << "argument " << i;
    for (const auto& call : calls)
        EXPECT_EQ(call.result, D3D_OK) << compat::d3d9::Describe(call);
    device->EndScene();
}

TEST_F(MeshObjectTest, AMeshWithoutIndexBufferIsDrawnAsAPlainTriangleList)
{
    CMesh* mesh = LoadOk(MeshText(3, 1, 0, 0, 10, 0, {}));
    IDirect3DDevice9* device = CGraphics::GetDevice();
    device->BeginScene();
    compat::d3d9::ClearRecordedCalls();
    DrawMesh(mesh);
    const auto calls = DeviceCalls();
    ASSERT_EQ(calls.size(), 4u);
    EXPECT_EQ(calls[2].method, "SetIndices");
    EXPECT_EQ(calls[2].pointers[0], nullptr);
    EXPECT_EQ(calls[3].method, "DrawPrimitive");
    EXPECT_EQ(calls[3].ints[0], D3DPT_TRIANGLELIST);
    EXPECT_EQ(calls[3].ints[1], 0); // start vertex
    EXPECT_EQ(calls[3].ints[2], 3); // 10 vertices: 3 whole triangles
    for (const auto& call : calls)
        EXPECT_EQ(call.result, D3D_OK) << compat::d3d9::Describe(call);
    device->EndScene();
}

TEST_F(MeshObjectTest, NothingToDrawMakesNoCall)
{
    CMesh unloaded;
    DrawMesh(nullptr);
    DrawMesh(&unloaded);
    EXPECT_TRUE(compat::d3d9::RecordedCalls().empty());
}

TEST_F(MeshObjectTest, DestroyingReleasesExactlyTheBuffersItHolds)
{
    delete new CMesh();
    EXPECT_TRUE(compat::d3d9::RecordedCalls().empty());

    CMesh* mesh = new CMesh();
    ASSERT_TRUE(
        mesh->Load(m_folder.Write("m.txt", MeshText(3, 1, 0, 0, 3, 16, {0, 1, 2})).c_str()));
    const void* vertexBuffer = mesh->GetVertexBuffer();
    const void* indexBuffer = mesh->GetIndexBuffer();
    compat::d3d9::ClearRecordedCalls();
    delete mesh;
    const auto released = Calls("Release");
    ASSERT_EQ(released.size(), 2u);
    EXPECT_EQ(released[0].self, vertexBuffer);
    EXPECT_EQ(released[0].result, 0); // the last reference
    EXPECT_EQ(released[1].self, indexBuffer);
    EXPECT_EQ(released[1].result, 0);
}

TEST_F(MeshObjectTest, WithoutADeviceNothingLoadsOrDraws)
{
    delete m_graphics;
    m_graphics = nullptr;
    bool loaded = true;
    CMesh* mesh = Load(MeshText(3, 1, 0, 0, 3, 32, {0, 1, 2}), loaded);
    EXPECT_FALSE(loaded);
    EXPECT_EQ(std::string(mesh->GetError()), m_path + ": there is no graphics device");
    DrawMesh(mesh);
    EXPECT_EQ(mesh->GetVertexBuffer(), nullptr);
}
