#include "MeshCorpus.h"

#include "MeshTestSupport.h"

#include <random>

namespace
{
std::string ReplaceAll(std::string text, const std::string& from, const std::string& to)
{
    for (size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
    return text;
}

// A triangle: 3 vertices, 3 indices, small enough to cut at every byte.
std::string Triangle()
{
    return CanonicalText({0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 1.0f, 1.0f, 0.0f, 0.0f, 0.0f, 0.0f, 1.0f,
                          0.0f, 1.0f, 0.0f, 0.0f, 0.0f, 1.0f},
                         {0, 1, 2});
}

std::string Cube()
{
    std::vector<float> values;
    std::vector<uint32_t> indices;
    MakeCube(values, indices);
    return CanonicalText(values, indices);
}

const char* const kHeader = "vertices\n{\n\tformat\n\t{\n\t\tposition\t 3\n\t\tnormal\t\t 1\n"
                            "\t\tcolor\t\t 0\n\t\ttextures\t 0\n\t}\n";

// Files whose structure is out of the ordinary, each with what it tests.
void AddStructures(std::vector<CorpusFile>& corpus)
{
    const std::string cube = Cube();
    const std::string triangle = Triangle();
    const size_t indicesAt = cube.find("indices");
    const std::string cubeVertices = cube.substr(0, indicesAt);
    const std::string cubeIndices = cube.substr(indicesAt);

    corpus.push_back({"canonical", cube});
    corpus.push_back({"crlf", ReplaceAll(cube, "\n", "\r\n")});
    corpus.push_back({"crlf_triangle", ReplaceAll(triangle, "\n", "\r\n")});
    corpus.push_back({"lone_cr", ReplaceAll(triangle, "\t}\n", "\t}\r")});
    corpus.push_back({"cr_cr_lf", ReplaceAll(triangle, "\n", "\r\r\n")});
    corpus.push_back({"no_final_line_feed", cube.substr(0, cube.size() - 1)});
    corpus.push_back({"indices_first", cubeIndices + cubeVertices});
    // Trailing blanks keep the vertices block open: the indices block is
    // then read as lines of the vertices block.
    std::string trailing = cube;
    trailing.insert(indicesAt - 3, " \t");
    corpus.push_back({"trailing_blanks", trailing});
    corpus.push_back(
        {"trailing_blanks_then_blank_line", ReplaceAll(trailing, "}\nindices", "\n}\nindices")});
    corpus.push_back({"count_zero", std::string(kHeader) +
                                        "\tcount 0\n}\nindices\n{\n\tformat\n\t{\n\t\tsize "
                                        "32\n\t}\n\tcount 3\n\t0\n\t1\n\t2\n}\n"});
    corpus.push_back({"count_zero_then_blank_line",
                      std::string(kHeader) + "\tcount 0\n\n}\nindices\n{\n\tformat\n\t{\n\t\tsize "
                                             "32\n\t}\n\tcount 3\n\t0\n\t1\n\t2\n}\n"});
    corpus.push_back({"indices16", ReplaceAll(ReplaceAll(cube, "size\t 32", "size\t 16"), "\t35\n",
                                              "\t70000\n")});
    corpus.push_back({"indices16_negative",
                      ReplaceAll(ReplaceAll(triangle, "size\t 32", "size 16"), "\t2\n", "\t-1\n")});
    corpus.push_back({"index_size0", ReplaceAll(cube, "size\t 32", "size\t 0")});
    corpus.push_back({"index_size_missing", ReplaceAll(triangle, "\t\tsize\t 32\n", "")});
    corpus.push_back(
        {"index_count_missing", ReplaceAll(triangle, "\tcount 3\n\t0", "\tcount\n\t0")});
    corpus.push_back({"normal_missing", ReplaceAll(triangle, "\t\tnormal\t\t 1\n", "")});
    corpus.push_back(
        {"color_and_textures",
         ReplaceAll(ReplaceAll(triangle, "color\t\t 0", "color 1"), "textures\t 0", "textures 1")});
    corpus.push_back(
        {"repeated_vertices_smaller",
         cubeVertices +
             ReplaceAll(triangle.substr(0, triangle.find("indices")), "\t0.000000", "\t7") +
             cubeIndices});
    corpus.push_back({"repeated_vertices_larger", triangle + cube});
    corpus.push_back({"repeated_indices_other_size",
                      cube + ReplaceAll(triangle.substr(triangle.find("indices")), "32", "16")});
    corpus.push_back(
        {"format_after_count", triangle + "vertices\n{\n\tformat\n\t{\n\t\tnormal 2\n\t}\n}\n"});
    std::string formatInBlock = triangle;
    formatInBlock.replace(formatInBlock.find("\n}\nindices"), 11,
                          " \n\tformat\n\t{\n\t\tcolor 1\n\t}\n\n}\nindices");
    corpus.push_back({"format_after_count_in_block", formatInBlock});
    corpus.push_back({"index_format_after_count", triangle + "indices\n{\n\tformat\n\t{\n\t\tsize "
                                                             "16\n\t}\n}\n"});
    corpus.push_back({"no_vertices", cubeIndices});
    corpus.push_back({"empty", ""});
    corpus.push_back({"only_line_feeds", "\n\n\n"});
    corpus.push_back(
        {"keywords_elsewhere",
         "name cube\nVertices\n  vertices   extra words\n{\n format\n\t{\n\t\t{\n\t\tposition 3 "
         "4\n\t\tnormal\n\t\tnormal 1\n\t\tNormal 5\n\t\tcolor +0\n\t\ttextures -0\n\t}\n\t"
         "count 1 2\n 1 2 3 4 5 6\n\n\t\nindices { \n{\nformat\n{\nsize 32\n}\ncount 3\n"
         "0 0 0\n"});
    corpus.push_back({"value_stops_at_brace",
                      std::string(kHeader) + "\tcount 3\n\t1\t2\t3\t4\t5\t6\n\t7\t8\n}\nindices\n"
                                             "{\n\tformat\n\t{\n\t\tsize 32\n\t}\n\tcount 3\n"
                                             "\t0\n\t1\n\t2\n}\n"});
    corpus.push_back(
        {"nul_bytes", ReplaceAll(ReplaceAll(triangle, "normal\t", std::string("nor\0mal", 7)),
                                 "\t1.000000", std::string("\t1\0.5", 5))});
    corpus.push_back(
        {"nul_in_count", ReplaceAll(triangle, "count 3", std::string("count\0 3", 8))});

    // Lines longer than a line read: split into several reads.
    const std::string pad(300, ' ');
    corpus.push_back(
        {"long_vertex_line", ReplaceAll(cubeVertices, "\n\t", "\t") + "\n" + cubeIndices});
    corpus.push_back({"long_keyword_line", ReplaceAll(triangle, "\tcount 3", pad + "count 3")});
    std::string splitCount = triangle;
    splitCount.replace(splitCount.find("\tcount 3"), 8, std::string(252, ' ') + "count 31");
    corpus.push_back({"count_split_by_line_read", splitCount});
    for (size_t length : {257u, 258u, 259u, 260u, 261u, 518u})
    {
        std::string text = triangle;
        const size_t at = text.find("\tcount 3");
        text.insert(at + 7, std::string(length - 8, ' '));
        corpus.push_back({"count_line_" + std::to_string(length), text});
    }
    std::string longData = triangle;
    longData.insert(longData.find("\t0.000000"), std::string(600, '\t'));
    corpus.push_back({"long_blank_before_data", longData});
}

// Each form of number in a slot of a vertex, and in an index.
void AddNumbers(std::vector<CorpusFile>& corpus)
{
    const std::string triangle = Triangle();
    int n = 0;
    for (const std::string& form : NumberForms())
    {
        std::string text = triangle;
        text.replace(text.find("\t1.000000"), 9, "\t" + form);
        corpus.push_back({"number_" + std::to_string(n), text});
        text = triangle;
        text.replace(text.rfind("\t1\n"), 3, "\t" + form + "\n");
        corpus.push_back({"index_" + std::to_string(n), text});
        text = triangle;
        text.replace(text.find("count 3"), 7, "count " + form);
        corpus.push_back({"count_" + std::to_string(n), text});
        ++n;
    }
}

void AddTruncations(std::vector<CorpusFile>& corpus)
{
    const std::string triangle = Triangle();
    const std::string crlf = ReplaceAll(triangle, "\n", "\r\n");
    for (size_t length = 0; length < triangle.size(); ++length)
        corpus.push_back({"truncated_" + std::to_string(length), triangle.substr(0, length)});
    for (size_t length = 0; length < crlf.size(); length += 3)
        corpus.push_back({"truncated_crlf_" + std::to_string(length), crlf.substr(0, length)});
}

// Random bytes, random soups of the format's words, and random edits of the
// canonical file.
void AddGarbage(std::vector<CorpusFile>& corpus)
{
    std::mt19937 random(20240607);
    auto pick = [&](size_t count) { return static_cast<size_t>(random() % count); };

    for (int n = 0; n < 200; ++n)
    {
        std::string bytes(pick(600), '\0');
        for (char& c : bytes)
            c = static_cast<char>(random());
        corpus.push_back({"random_" + std::to_string(n), bytes});
    }

    const std::vector<std::string> words = {
        "vertices", "indices", "format", "count", "position", "normal", "color", "textures", "size",
        "{",        "}",       "\n",     "\n",    "\n",       "\r\n",   " ",     "\t",       "3",
        "1",        "0",       "16",     "32",    "-1",       "2.5",    "1e3",   "nan",      "inf",
        "0x1p4",    "-",       ".",      "x",     "70000",    "\n\n"};
    for (int n = 0; n < 600; ++n)
    {
        std::string text;
        for (size_t count = 10 + pick(120); count > 0; --count)
        {
            text += words[pick(words.size())];
            if (pick(3) != 0)
                text += pick(4) == 0 ? "\n" : " ";
        }
        corpus.push_back({"soup_" + std::to_string(n), text});
    }

    const std::string cube = Cube();
    const std::string alphabet = "0123456789.-+eExXpPnNiIfF \t\n\r{}";
    for (int n = 0; n < 1500; ++n)
    {
        std::string text = cube;
        for (size_t edits = 1 + pick(4); edits > 0; --edits)
        {
            const size_t at = pick(text.size());
            const char c =
                pick(8) == 0 ? static_cast<char>(random()) : alphabet[pick(alphabet.size())];
            switch (pick(3))
            {
            case 0:
                text[at] = c;
                break;
            case 1:
                text.insert(text.begin() + static_cast<long>(at), c);
                break;
            default:
                text.erase(at, 1 + pick(3));
                break;
            }
        }
        corpus.push_back({"mutant_" + std::to_string(n), text});
    }
}
} // namespace

const std::vector<std::string>& NumberForms()
{
    static const std::vector<std::string> forms = {"0",
                                                   "1",
                                                   "-1",
                                                   "+1",
                                                   "-0",
                                                   "+0",
                                                   "00",
                                                   "007",
                                                   "1.5",
                                                   "-1.5",
                                                   "+.5",
                                                   "-.5",
                                                   ".5",
                                                   "5.",
                                                   "1e3",
                                                   "1E3",
                                                   "1e+3",
                                                   "1e-3",
                                                   "1.5e+10",
                                                   "-2.5E-5",
                                                   "1e",
                                                   "1e+",
                                                   "1e-",
                                                   "1e+x",
                                                   "1ee5",
                                                   "1e5.5",
                                                   "1.2.3",
                                                   "1-2",
                                                   "1+2",
                                                   "..5",
                                                   ".",
                                                   "+.",
                                                   "-",
                                                   "+",
                                                   "--1",
                                                   "+-1",
                                                   "e5",
                                                   ".e5",
                                                   "inf",
                                                   "INF",
                                                   "-inf",
                                                   "+Inf",
                                                   "infinity",
                                                   "-INFINITY",
                                                   "infin",
                                                   "infinite",
                                                   "infx",
                                                   "in",
                                                   "inx",
                                                   "i",
                                                   "nan",
                                                   "NaN",
                                                   "-nan",
                                                   "+NAN",
                                                   "nan(123)",
                                                   "na",
                                                   "nax",
                                                   "n",
                                                   "0x",
                                                   "-0x",
                                                   "0x1",
                                                   "0X1P3",
                                                   "0x1.8p3",
                                                   "-0x1.8p-3",
                                                   "0x.8",
                                                   "0x.",
                                                   "0x.p1",
                                                   "0xp3",
                                                   "0x1p",
                                                   "0x1p-",
                                                   "0x1e+5",
                                                   "0xABCDEFp-20",
                                                   "0x1.fffffep127",
                                                   "0x1.ffffffp127",
                                                   "0x1p-149",
                                                   "0x1p-150",
                                                   "0x1.000001p0",
                                                   "0x1.0000010000000001p0",
                                                   "00x1",
                                                   "1p3",
                                                   "3.4028235e38",
                                                   "3.4028236e38",
                                                   "1e39",
                                                   "-1e39",
                                                   "1e-45",
                                                   "7e-46",
                                                   "1.4e-45",
                                                   "1e-50",
                                                   "1e99999999999999999999",
                                                   "1e-99999999999999999999",
                                                   "0e99999999999999999999",
                                                   "0.000000000000000000000000000001",
                                                   "123456789012345678901234567890",
                                                   "16777217",
                                                   "16777216.5",
                                                   "0.1",
                                                   "0.3",
                                                   "2.5e-1",
                                                   "1.00000005960464477539062",
                                                   "1.000000059604644775390625",
                                                   "1.00000005960464477539063",
                                                   "99999999999",
                                                   "-99999999999",
                                                   "2147483648",
                                                   "9223372036854775807",
                                                   "9223372036854775808",
                                                   "-9223372036854775809",
                                                   "99999999999999999999999",
                                                   "4294967295",
                                                   "4294967296",
                                                   "65536",
                                                   "70000",
                                                   " 1",
                                                   "\t\t-2",
                                                   "\v3",
                                                   "\f4",
                                                   "\r5",
                                                   "\n\n6",
                                                   "x",
                                                   "}",
                                                   "{",
                                                   std::string(400, '1'),
                                                   std::string("0.") + std::string(300, '0') + "1",
                                                   std::string("1") + std::string(60, '0') + "e-60",
                                                   std::string(300, '9') + "e-300"};
    return forms;
}

std::vector<CorpusFile> BuildMeshCorpus()
{
    std::vector<CorpusFile> corpus;
    AddStructures(corpus);
    AddNumbers(corpus);
    AddTruncations(corpus);
    AddGarbage(corpus);
    return corpus;
}
