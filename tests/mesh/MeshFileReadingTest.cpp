// The format's reading rules, each with the result the format prescribes.
#include "MeshTestSupport.h"

#include "render/MeshFile.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace
{
const std::string kTriangleVertices =
    "vertices\n{\n\tformat\n\t{\n\t\tposition\t 3\n\t\tnormal\t\t "
    "1\n\t\tcolor\t\t 0\n\t\ttextures\t 0\n\t}\n\tcount 3\n"
    "\t1.5\t2\t3\t0\t0\t1\n"
    "\t4\t5\t6\t0\t0\t1\n"
    "\t7\t8\t9\t0\t0\t1\n}\n";
const std::string kTriangleIndices =
    "indices\n{\n\tformat\n\t{\n\t\tsize\t 32\n\t}\n\tcount 3\n\t0\n\t1\n\t2\n}\n";
const std::vector<float> kTriangleValues = {1.5f, 2, 3, 0, 0, 1, 4, 5, 6,
                                            0,    0, 1, 7, 8, 9, 0, 0, 1};

std::string Replace(std::string text, const std::string& from, const std::string& to)
{
    const size_t at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    if (at != std::string::npos)
        text.replace(at, from.size(), to);
    return text;
}

std::vector<float> Vertices(const CMeshFile& file)
{
    return {file.GetVertices(), file.GetVertices() + file.GetVertexValueCount()};
}

std::vector<unsigned int> Indices32(const CMeshFile& file)
{
    return {file.GetIndices32(), file.GetIndices32() + file.GetIndex32Count()};
}

std::vector<unsigned short> Indices16(const CMeshFile& file)
{
    return {file.GetIndices16(), file.GetIndices16() + file.GetIndex16Count()};
}

// Reads the text as a file and expects it to load.
class MeshFileReading : public ::testing::Test
{
protected:
    const CMeshFile& Read(const std::string& text)
    {
        m_files.emplace_back(new CMeshFile());
        CMeshFile& file = *m_files.back();
        EXPECT_TRUE(file.LoadFromMemory("mesh.txt", text.data(), text.size())) << file.GetError();
        return file;
    }

    // Reads the text as a file, expects it to be refused and gives the reason.
    static std::string Refused(const std::string& text)
    {
        CMeshFile file;
        EXPECT_FALSE(file.LoadFromMemory("mesh.txt", text.data(), text.size()));
        return file.GetError();
    }

    std::vector<std::unique_ptr<CMeshFile>> m_files;
};
} // namespace

TEST_F(MeshFileReading, TheCanonicalLayoutGivesItsFormatCountsAndValues)
{
    std::vector<float> values;
    std::vector<uint32_t> indices;
    MakeCube(values, indices);
    const CMeshFile& file = Read(CanonicalText(values, indices));
    const MeshFormat format = file.GetFormat();
    EXPECT_EQ(format.position, 3);
    EXPECT_EQ(format.normal, 1);
    EXPECT_EQ(format.color, 0);
    EXPECT_EQ(format.textures, 0);
    EXPECT_EQ(format.floatCount, 6);
    EXPECT_EQ(file.GetVertexCount(), 24);
    EXPECT_EQ(file.GetIndexSize(), 32);
    EXPECT_EQ(file.GetIndexCount(), 36);
    EXPECT_EQ(Vertices(file), values);
    EXPECT_EQ(Indices32(file), std::vector<unsigned int>(indices.begin(), indices.end()));
    EXPECT_EQ(file.GetIndex16Count(), 0u);
}

TEST_F(MeshFileReading, LineEndsOfCarriageReturnAndLineFeedReadAsLineFeeds)
{
    std::string crlf = kTriangleVertices + kTriangleIndices;
    for (size_t at = crlf.find('\n'); at != std::string::npos; at = crlf.find('\n', at + 2))
        crlf.insert(at, 1, '\r');
    const CMeshFile& file = Read(crlf);
    EXPECT_EQ(Vertices(file), kTriangleValues);
    EXPECT_EQ(Indices32(file), (std::vector<unsigned int>{0, 1, 2}));
}

TEST_F(MeshFileReading, BlocksMayComeInEitherOrderAndNumbersCrossLines)
{
    const CMeshFile& file = Read(
        kTriangleIndices + Replace(kTriangleVertices, "\t4\t5\t6\t0\t0\t1\n", "\n4\n\n5 6 0\n0 1"));
    EXPECT_EQ(Vertices(file), kTriangleValues);
    EXPECT_EQ(Indices32(file), (std::vector<unsigned int>{0, 1, 2}));
}

TEST_F(MeshFileReading, TrailingBlanksKeepTheVerticesBlockOpen)
{
    // The indices block is read as lines of the vertices block: its count
    // line sets the vertex count again and its indices are read as vertex
    // values, until its "}" where the fourth value belongs.
    const std::string open = Replace(kTriangleVertices, "\t0\t0\t1\n}", "\t0\t0\t1 \t\n}");
    EXPECT_EQ(Refused(open + kTriangleIndices),
              "mesh.txt, line 25: expected value 4 of vertex 1 (of 3), found \"}\"");

    // A line that is only a line feed closes it.
    const CMeshFile& closed = Read(open + "\n" + kTriangleIndices);
    EXPECT_EQ(Vertices(closed), kTriangleValues);
    EXPECT_EQ(Indices32(closed), (std::vector<unsigned int>{0, 1, 2}));
}

TEST_F(MeshFileReading, ACountOfZeroReadsNothingAndLeavesTheBlockOpen)
{
    const std::string empty = Replace(kTriangleVertices.substr(0, kTriangleVertices.find("\t1.5")),
                                      "count 3", "count 0") +
                              "}\n";
    // The index count is read in the open vertices block as a vertex count.
    EXPECT_EQ(Refused(empty + kTriangleIndices),
              "mesh.txt, line 22: expected value 4 of vertex 1 (of 3), found \"}\"");

    const CMeshFile& closed = Read(Replace(empty, "count 0\n", "count 0\n\n") + kTriangleIndices);
    EXPECT_EQ(closed.GetVertexCount(), 0);
    EXPECT_EQ(closed.GetVertexValueCount(), 0u);
    EXPECT_EQ(Indices32(closed), (std::vector<unsigned int>{0, 1, 2}));
}

TEST_F(MeshFileReading, IndexSizesSelectTheListAndSixteenBitsKeepTheLowBits)
{
    const std::string size16 =
        Replace(Replace(kTriangleIndices, "size\t 32", "size\t 16"), "\t1\n\t2", "\t70000\n\t-1");
    const CMeshFile& file = Read(kTriangleVertices + size16);
    EXPECT_EQ(file.GetIndexSize(), 16);
    EXPECT_EQ(Indices16(file), (std::vector<unsigned short>{0, 70000 - 65536, 65535}));
    EXPECT_EQ(file.GetIndex32Count(), 0u);

    const CMeshFile& none =
        Read(kTriangleVertices + Replace(kTriangleIndices, "size\t 32", "size 0"));
    EXPECT_EQ(none.GetIndexSize(), 0);
    EXPECT_EQ(none.GetIndexCount(), 3);
    EXPECT_EQ(none.GetIndex16Count() + none.GetIndex32Count(), 0u);
}

TEST_F(MeshFileReading, LinesWithoutAKeywordAreIgnoredEverywhere)
{
    std::string text = "mesh triangle\n\n{\n" + kTriangleVertices + "Indices\n" + kTriangleIndices;
    text = Replace(text, "\tformat\n", "\tname x\n\t\n\tformat\n");
    text = Replace(text, "\t\tnormal", "\t\tsize 16\n\t\t{\n\t\tPosition 9\n\t\tnormal");
    text = Replace(text, "\tcount 3\n\t0", "\tcounts 7\n\t}}\n\tcount 3\n\t0");
    const CMeshFile& file = Read(text);
    EXPECT_EQ(file.GetFormat().position, 3);
    EXPECT_EQ(Vertices(file), kTriangleValues);
    EXPECT_EQ(Indices32(file), (std::vector<unsigned int>{0, 1, 2}));
}

TEST_F(MeshFileReading, ATokenThatIsNoNumberWhereAValueBelongsRefusesTheFile)
{
    const std::string text =
        Replace(kTriangleVertices, "\t4\t5\t6\t0\t0\t1\n\t7\t8\t9\t0\t0\t1\n}\n", "\t4\t5\n}\n\n") +
        kTriangleIndices;
    EXPECT_EQ(Refused(text), "mesh.txt, line 13: expected value 3 of vertex 2 (of 3), found \"}\"");
}

TEST_F(MeshFileReading, AFileEndingInsideABlockKeepsWhatWasReadWhenItsDataIsWhole)
{
    const std::string indices = "indices\n{\n\tformat\n\t{\n\t\tsize 32\n\t}\n\tcount 3\n\t2\n\t1";
    const CMeshFile& file = Read(kTriangleVertices + indices + "\n\t0");
    EXPECT_EQ(Vertices(file), kTriangleValues);
    EXPECT_EQ(Indices32(file), (std::vector<unsigned int>{2, 1, 0}));

    // Cut inside the data, it is refused.
    EXPECT_EQ(Refused(kTriangleVertices + indices),
              "mesh.txt, line 23: expected index 3 (of 3), found the end of the file");
}

TEST_F(MeshFileReading, LinesLongerThanALineReadAreSplit)
{
    // 259 characters make one line read; what follows is the next line.
    const std::string pad(259, ' ');
    const CMeshFile& split =
        Read(Replace(kTriangleVertices, "\tcount 3", pad + "count 3") + kTriangleIndices);
    EXPECT_EQ(Vertices(split), kTriangleValues);

    // "count 31" cut after "count 3": the count is 3, and the values are
    // read straight from the text after the cut, "1" first.
    const CMeshFile& cut =
        Read(Replace(kTriangleVertices, "\tcount 3", std::string(252, ' ') + "count 31"));
    EXPECT_EQ(cut.GetVertexCount(), 3);
    EXPECT_EQ(Vertices(cut),
              (std::vector<float>{1, 1.5f, 2, 3, 0, 0, 1, 4, 5, 6, 0, 0, 1, 7, 8, 9, 0, 0}));
}

TEST_F(MeshFileReading, ARepeatedBlockOverwritesTheEarlierOne)
{
    const std::string second =
        Replace(Replace(kTriangleVertices, "count 3", "count 1"), "1.5", "-7");
    const CMeshFile& file = Read(kTriangleVertices + kTriangleIndices + second);
    EXPECT_EQ(file.GetVertexCount(), 1);
    EXPECT_EQ(Vertices(file), (std::vector<float>{-7, 2, 3, 0, 0, 1}));
    EXPECT_EQ(Indices32(file), (std::vector<unsigned int>{0, 1, 2}));
}
