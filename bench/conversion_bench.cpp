// Per-value cost of converting a 1,000,000-value list, against tables of
// several sizes, with the values in depth order and in random order; beside it
// the floor (reading and writing the numbers only) and the plain first-match
// scan that the index replaces.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "lomarek/decimal.h"
#include "lomarek/interval_search.h"
#include "lomarek/value_list.h"

namespace {

constexpr std::size_t kValues = 1'000'000;

struct Table {
    std::vector<double> depths;
    std::vector<double> ages;
};

// Depths rising with uneven spacing, ages growing with them.
const Table& TableOf(std::uint32_t rows)
{
    static std::vector<std::pair<std::uint32_t, Table>> made;
    for (const auto& [size, table] : made)
        if (size == rows)
            return table;
    std::mt19937 random(rows);
    std::uniform_real_distribution<double> spacing(0.5, 1.5);
    Table table;
    double depth = 0;
    double age = 0;
    for (std::uint32_t k = 0; k < rows; ++k) {
        table.depths.push_back(depth);
        table.ages.push_back(age);
        depth += spacing(random);
        age += 40 * spacing(random);
    }
    made.emplace_back(rows, std::move(table));
    return made.back().second;
}

// A million depths inside the table's range, one per line, as "%f" writes them.
const std::string& ValuesFor(std::uint32_t rows, bool ordered)
{
    static std::vector<std::pair<std::pair<std::uint32_t, bool>, std::string>> made;
    for (const auto& [key, text] : made)
        if (key == std::make_pair(rows, ordered))
            return text;
    const Table& table = TableOf(rows);
    std::mt19937 random(7);
    std::uniform_real_distribution<double> where(table.depths.front(), table.depths.back());
    std::vector<double> values(kValues);
    for (double& v : values)
        v = where(random);
    if (ordered)
        std::sort(values.begin(), values.end());
    std::string text;
    for (double v : values) {
        lomarek::AppendFixed(text, v);
        text += "\r\n";
    }
    made.emplace_back(std::make_pair(rows, ordered), std::move(text));
    return made.back().second;
}

// Calls entry(text) for every entry of a value list, as the converter cuts it.
template <class Entry>
void ForEachEntry(const std::string& input, Entry entry)
{
    const char* p = input.data();
    const char* const end = p + input.size();
    while (p != end) {
        const char* stop = p;
        while (stop != end && *stop != '\r' && *stop != '\n')
            ++stop;
        entry(std::string_view(p, static_cast<std::size_t>(stop - p)));
        p = stop;
        while (p != end && (*p == '\r' || *p == '\n'))
            ++p;
    }
}

void Convert(benchmark::State& state, lomarek::Interpolation method)
{
    const auto rows = static_cast<std::uint32_t>(state.range(0));
    const bool ordered = state.range(1) != 0;
    const Table& table = TableOf(rows);
    const std::string& input = ValuesFor(rows, ordered);
    std::string output;
    for (auto _ : state) {
        output.clear();
        lomarek::ValueListConverter converter(method, table.depths.data(), table.ages.data(), rows);
        converter.Feed(input, output);
        converter.Finish(output);
        benchmark::DoNotOptimize(output.data());
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * kValues));
}

void BM_Linear(benchmark::State& state)
{
    Convert(state, lomarek::Interpolation::Linear);
}

void BM_Spline(benchmark::State& state)
{
    Convert(state, lomarek::Interpolation::Spline);
}

// Reading and formatting alone: what any conversion must cost at least.
void BM_Floor(benchmark::State& state)
{
    const std::string& input = ValuesFor(10'000, state.range(0) != 0);
    std::string output;
    for (auto _ : state) {
        output.clear();
        ForEachEntry(input, [&output](std::string_view entry) {
            lomarek::AppendFixed(output, lomarek::ParseDecimal(entry));
            output += "\r\n";
        });
        benchmark::DoNotOptimize(output.data());
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * kValues));
}

// The first-match scan from the first interval, for every value.
void BM_LinearScan(benchmark::State& state)
{
    const auto rows = static_cast<std::uint32_t>(state.range(0));
    const bool ordered = state.range(1) != 0;
    const Table& table = TableOf(rows);
    const std::string& input = ValuesFor(rows, ordered);
    const std::vector<double>& X = table.depths;
    const std::vector<double>& Y = table.ages;
    std::string output;
    for (auto _ : state) {
        output.clear();
        ForEachEntry(input, [&](std::string_view entry) {
            const double x = lomarek::ParseDecimal(entry);
            if (const auto i = lomarek::FindBracketingInterval(X, rows, x)) {
                const double a = (x - X[*i]) * (Y[*i + 1] - Y[*i]);
                lomarek::AppendFixed(output, a / (X[*i + 1] - X[*i]) + Y[*i]);
            } else {
                output += "error";
            }
            output += "\r\n";
        });
        benchmark::DoNotOptimize(output.data());
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * kValues));
}

// Table preparation, paid once per conversion.
void BM_Prepare(benchmark::State& state)
{
    const auto rows = static_cast<std::uint32_t>(state.range(0));
    const Table& table = TableOf(rows);
    for (auto _ : state) {
        lomarek::ValueListConverter converter(lomarek::Interpolation::Spline, table.depths.data(), table.ages.data(), rows);
        benchmark::DoNotOptimize(&converter);
    }
}

void Sizes(benchmark::internal::Benchmark* b)
{
    for (const std::int64_t ordered : {1, 0})
        for (const std::int64_t rows : {2, 100, 10'000, 1'000'000})
            b->Args({rows, ordered});
    b->ArgNames({"rows", "ordered"})->Unit(benchmark::kMillisecond);
}

BENCHMARK(BM_Floor)->Arg(1)->Arg(0)->ArgName("ordered")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Linear)->Apply(Sizes);
BENCHMARK(BM_Spline)->Apply(Sizes);
BENCHMARK(BM_LinearScan)
    ->Args({100, 1})
    ->Args({100, 0})
    ->Args({10'000, 1})
    ->Args({10'000, 0})
    ->ArgNames({"rows", "ordered"})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);
BENCHMARK(BM_Prepare)->Arg(2)->Arg(100)->Arg(10'000)->Arg(1'000'000)->ArgName("rows")->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
