#include "convert_command.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <functional>
#include <sstream>
#include <streambuf>
#include <string>
#include <vector>

#include "../core/temp_dir.h"

namespace lomarek {
namespace {

struct Outcome {
    int status;
    std::string out;
    std::string err;
};

Outcome RunCli(const std::vector<std::string>& args, const std::string& input = "")
{
    std::istringstream in(input);
    std::ostringstream out;
    std::ostringstream err;
    const int status = RunConvert(args, in, out, err);
    return {status, out.str(), err.str()};
}

std::string UsageFirstLine()
{
    return "usage: lomarek-convert --table FILE [--method linear|\"cubic spline\"] [--to age|depth] [--crlf] [INPUT]\n";
}

class ConvertCommand : public ::testing::Test {
protected:
    testing::TempDir dir;
    std::string table = dir.Write("table.txt", "// depth age\n0 0\n1 1\n2 4\n");
};

TEST_F(ConvertCommand, ConvertsBothWaysWithBothMethods)
{
    struct Case {
        std::vector<std::string> args;
        std::string input;
        std::string expected;
    };
    const std::vector<Case> cases = {
        {{"--table", table}, "0.5\n1.5\n2.5\n", "0.500000\n2.500000\nerror\n"},
        {{"--table=" + table, "--method", "linear"}, "0.5", "0.500000\n"},
        {{"--table", table, "--method", "cubic spline"}, "0.5\r\n1.5\r\n2.5", "0.437500\n2.437500\nerror\n"},
        {{"--table", table, "--method=spline", "--to", "depth"}, "2", "1.425926\n"},
        {{"--table", table, "--method", "cubic-spline", "--to=depth", "--crlf"}, "2\n\n4", "1.425926\r\n2.000000\r\n"},
        {{"--table", table, "--to", "age", "-"}, "1", "1.000000\n"},
        {{"--table", table}, "", ""},
    };
    for (const Case& c : cases) {
        const Outcome outcome = RunCli(c.args, c.input);
        EXPECT_EQ(outcome.status, 0) << c.args.back();
        EXPECT_EQ(outcome.out, c.expected) << c.args.back();
        EXPECT_EQ(outcome.err, "");
    }

    const std::string input = dir.Write("depths.txt", "0.25\r\n9\r\n");
    EXPECT_EQ(RunCli({input, "--table", table}).out, "0.250000\nerror\n");
}

TEST_F(ConvertCommand, TableErrors)
{
    const std::string missing = (dir.path() / "missing.txt").string();
    const std::string semicolons = dir.Write("semicolons.txt", "// d;a\n0;0\n");
    const std::string single = dir.Write("single.txt", "0 0\n");
    const std::vector<std::pair<std::string, std::string>> cases = {
        {missing, missing + ": cannot be opened"},
        {dir.path().string(), dir.path().string() + ": not a regular file"},
        {"/dev/zero", "/dev/zero: not a regular file"},
        {semicolons, semicolons + ": line 2 has no space, tab or comma"},
        {single, single + ": fewer than two rows"},
    };
    for (const auto& [path, why] : cases) {
        const Outcome outcome = RunCli({"--table", path}, "1\n");
        EXPECT_EQ(outcome.status, 1);
        EXPECT_EQ(outcome.out, "");
        EXPECT_EQ(outcome.err, "Depth-Age Setting File Error: " + why + "\n");
    }
    const Outcome noInput = RunCli({"--table", table, (dir.path() / "none.txt").string()});
    EXPECT_EQ(noInput.status, 1);
    EXPECT_EQ(noInput.err, "lomarek-convert: cannot open input " + (dir.path() / "none.txt").string() + "\n");
}

TEST_F(ConvertCommand, UsageErrorsHelpAndVersion)
{
    const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
        {{}, "option '--table' is required"},
        {{"--table"}, "option '--table' needs a FILE"},
        {{"--table", table, "--method", "Linear"}, "unknown method 'Linear' (use linear or \"cubic spline\")"},
        {{"--table", table, "--method"}, "option '--method' needs linear or \"cubic spline\""},
        {{"--table", table, "--to", "time"}, "unknown target 'time' (use age or depth)"},
        {{"--table", table, "--fast"}, "unknown option '--fast'"},
        {{"--table", table, "-x"}, "unknown option '-x'"},
        {{"--table", table, "a.txt", "b.txt"}, "more than one INPUT given"},
        {{"--table", table, "--crlf=yes"}, "option '--crlf' takes no value"},
    };
    for (const auto& [args, message] : cases) {
        const Outcome outcome = RunCli(args);
        EXPECT_EQ(outcome.status, 2);
        EXPECT_EQ(outcome.out, "");
        EXPECT_EQ(outcome.err.substr(0, outcome.err.find('\n') + 1), "lomarek-convert: " + message + "\n");
        EXPECT_NE(outcome.err.find(UsageFirstLine()), std::string::npos);
    }
    const Outcome help = RunCli({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_EQ(help.out.substr(0, UsageFirstLine().size()), UsageFirstLine());
    EXPECT_EQ(RunCli({"--version"}).out, "lomarek-convert 1.0.0.1\n");
}

// Hands out one piece per read and lets the test look at the output between
// reads, as a pipe that delivers lines one at a time.
class PiecewiseInput final : public std::streambuf {
public:
    PiecewiseInput(std::vector<std::string> pieces, std::function<void(std::size_t)> beforePiece)
        : m_pieces(std::move(pieces)), m_beforePiece(std::move(beforePiece))
    {
    }

protected:
    int_type underflow() override
    {
        if (gptr() < egptr())
            return traits_type::to_int_type(*gptr());
        if (m_next == m_pieces.size())
            return traits_type::eof();
        m_beforePiece(m_next);
        std::string& piece = m_pieces[m_next++];
        setg(piece.data(), piece.data(), piece.data() + piece.size());
        return traits_type::to_int_type(*gptr());
    }

private:
    std::vector<std::string> m_pieces;
    std::function<void(std::size_t)> m_beforePiece;
    std::size_t m_next = 0;
};

TEST_F(ConvertCommand, StreamsAsTheInputArrives)
{
    std::ostringstream out;
    std::vector<std::string> seen;
    PiecewiseInput pieces({"0.", "5\n1", ".5\n", "2", ""}, [&](std::size_t) { seen.push_back(out.str()); });
    std::istream in(&pieces);
    std::ostringstream err;
    EXPECT_EQ(RunConvert({"--table", table}, in, out, err), 0);
    EXPECT_EQ(seen, (std::vector<std::string>{"", "", "0.500000\n", "0.500000\n2.500000\n", "0.500000\n2.500000\n"}));
    EXPECT_EQ(out.str(), "0.500000\n2.500000\n4.000000\n");
}

TEST(ConvertProgram, RunsAsARealProcess)
{
    const std::string command = std::string(LOMAREK_CONVERT_PATH) + " --table " LOMAREK_EXAMPLES_DIR
                                "/lk07-depth-age.txt --method linear < " LOMAREK_EXAMPLES_DIR "/lk07-sample-depths.txt";
    FILE* pipe = popen(command.c_str(), "r");
    ASSERT_NE(pipe, nullptr);
    std::string output;
    std::array<char, 4096> buffer{};
    while (const std::size_t count = fread(buffer.data(), 1, buffer.size(), pipe))
        output.append(buffer.data(), count);
    EXPECT_EQ(pclose(pipe), 0);
    EXPECT_EQ(output, "30.380952\n386.981132\n875.952381\n1290.000000\n2536.538462\n3546.181818\n6502.500000\n"
                      "9350.000000\nerror\n");
}

} // namespace
} // namespace lomarek
