#include "convert_command.h"

#include <algorithm>
#include <fstream>
#include <istream>
#include <optional>
#include <ostream>
#include <streambuf>

#include "lomarek/depth_age_table.h"
#include "lomarek/value_list.h"
#include "lomarek_version.h"

namespace lomarek {
namespace {

constexpr std::size_t kInputBlock = 1 << 16;
constexpr std::size_t kOutputBlock = 1 << 16;

constexpr const char* kUsage =
    "usage: lomarek-convert --table FILE [--method linear|\"cubic spline\"] [--to age|depth] [--crlf] [INPUT]\n"
    "\n"
    "Converts a list of depths into ages (--to age, the default) or of ages into\n"
    "depths (--to depth) through the tie points of a depth-age setting file.\n"
    "The values are read from INPUT, or from standard input when INPUT is absent\n"
    "or -, one per line; each gives one line: the converted value, or \"error\"\n"
    "where it lies outside the table.\n"
    "\n"
    "  --table FILE   the depth-age setting file (required)\n"
    "  --method M     linear (the default) or \"cubic spline\" (also: spline, cubic-spline)\n"
    "  --to age       convert depths to ages (the default)\n"
    "  --to depth     convert ages to depths\n"
    "  --crlf         end the output lines with CR-LF instead of LF\n"
    "  --help         show this help\n"
    "  --version      show the version\n";

struct Options {
    std::string table;
    Interpolation method = Interpolation::Linear;
    bool toDepth = false;
    bool crlf = false;
    std::string input = "-";
    bool help = false;
    bool version = false;
};

std::optional<Interpolation> MethodNamed(const std::string& name)
{
    if (name == "linear")
        return Interpolation::Linear;
    if (name == "cubic spline" || name == "spline" || name == "cubic-spline")
        return Interpolation::Spline;
    return std::nullopt;
}

// Returns the message of a usage error, or nothing.
std::optional<std::string> ParseArguments(const std::vector<std::string>& args, Options& options)
{
    bool haveTable = false;
    bool haveInput = false;
    bool optionsEnded = false;
    for (std::size_t a = 0; a < args.size(); ++a) {
        std::string arg = args[a];
        if (optionsEnded || arg == "-" || arg.size() < 2 || arg.compare(0, 2, "--") != 0) {
            if (!optionsEnded && arg.size() > 1 && arg[0] == '-' && arg != "-")
                return "unknown option '" + arg + "'";
            if (haveInput)
                return "more than one INPUT given";
            options.input = arg;
            haveInput = true;
            continue;
        }
        if (arg == "--") {
            optionsEnded = true;
            continue;
        }
        std::optional<std::string> value;
        if (const std::size_t eq = arg.find('='); eq != std::string::npos) {
            value = arg.substr(eq + 1);
            arg.resize(eq);
        }
        auto takeValue = [&]() -> std::optional<std::string> {
            if (value)
                return value;
            if (a + 1 < args.size())
                return args[++a];
            return std::nullopt;
        };
        if (arg == "--help" || arg == "--version" || arg == "--crlf") {
            if (value)
                return "option '" + arg + "' takes no value";
            if (arg == "--help")
                options.help = true;
            else if (arg == "--version")
                options.version = true;
            else
                options.crlf = true;
        } else if (arg == "--table") {
            const auto table = takeValue();
            if (!table)
                return "option '--table' needs a FILE";
            options.table = *table;
            haveTable = true;
        } else if (arg == "--method") {
            const auto name = takeValue();
            if (!name)
                return "option '--method' needs linear or \"cubic spline\"";
            const auto method = MethodNamed(*name);
            if (!method)
                return "unknown method '" + *name + "' (use linear or \"cubic spline\")";
            options.method = *method;
        } else if (arg == "--to") {
            const auto target = takeValue();
            if (!target)
                return "option '--to' needs age or depth";
            if (*target == "age")
                options.toDepth = false;
            else if (*target == "depth")
                options.toDepth = true;
            else
                return "unknown target '" + *target + "' (use age or depth)";
        } else {
            return "unknown option '" + arg + "'";
        }
    }
    if (!options.help && !options.version && !haveTable)
        return "option '--table' is required";
    return std::nullopt;
}

// Converts everything the stream holds. A read is satisfied with what is
// available, so a slow pipe gets its answers as its lines arrive.
bool ConvertStream(std::streambuf& input, ValueListConverter& converter, std::ostream& out)
{
    std::string block(kInputBlock, '\0');
    std::string output;
    output.reserve(kOutputBlock + kInputBlock);
    for (;;) {
        if (input.sgetc() == std::char_traits<char>::eof())
            break;
        const std::streamsize available = std::max<std::streamsize>(input.in_avail(), 1);
        const std::streamsize count =
            input.sgetn(block.data(), std::min<std::streamsize>(available, static_cast<std::streamsize>(block.size())));
        if (count <= 0)
            break;
        converter.Feed(std::string_view(block.data(), static_cast<std::size_t>(count)), output);
        if (!output.empty()) {
            out.write(output.data(), static_cast<std::streamsize>(output.size()));
            out.flush();
            output.clear();
        }
    }
    converter.Finish(output);
    out.write(output.data(), static_cast<std::streamsize>(output.size()));
    out.flush();
    return static_cast<bool>(out);
}

} // namespace

int RunConvert(const std::vector<std::string>& args, std::istream& in, std::ostream& out, std::ostream& err)
{
    Options options;
    if (const auto problem = ParseArguments(args, options)) {
        err << "lomarek-convert: " << *problem << "\n" << kUsage;
        return 2;
    }
    if (options.help) {
        out << kUsage;
        return 0;
    }
    if (options.version) {
        out << "lomarek-convert " << LOMAREK_VERSION << "\n";
        return 0;
    }

    DepthAgeTable table;
    const LoadResult loaded = LoadSettingFile(options.table, table);
    if (!loaded.ok()) {
        err << "Depth-Age Setting File Error: " << options.table << ": " << DescribeLoadFailure(loaded) << "\n";
        return 1;
    }

    const std::vector<double>& X = options.toDepth ? table.m_ages : table.m_depths;
    const std::vector<double>& Y = options.toDepth ? table.m_depths : table.m_ages;
    ValueListConverter converter(options.method, X.data(), Y.data(), table.m_nPoints,
                                 options.crlf ? LineEnd::CrLf : LineEnd::Lf);

    bool written = false;
    if (options.input == "-") {
        written = ConvertStream(*in.rdbuf(), converter, out);
    } else {
        std::ifstream file(options.input, std::ios::binary);
        if (!file) {
            err << "lomarek-convert: cannot open input " << options.input << "\n";
            return 1;
        }
        written = ConvertStream(*file.rdbuf(), converter, out);
    }
    if (!written) {
        err << "lomarek-convert: cannot write the output\n";
        return 1;
    }
    return 0;
}

} // namespace lomarek
