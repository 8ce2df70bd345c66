#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "lomarek/depth_age_table.h"
#include "lomarek/interval_search.h"
#include "lomarek/spline.h"

namespace lomarek {

enum class Interpolation { Linear, Spline };
enum class LineEnd { CrLf, Lf };

// Converts a value list: the text is cut into entries at runs of CR and LF,
// each entry is read as a number, and one line per entry is written: the
// "%f" text of the converted value, or "error" where no interval of the source
// column contains it. Text may arrive in pieces of any size; an entry split
// across pieces is joined before it is read.
class ValueListConverter {
public:
    // X, Y: the source and target columns, n entries each; they must outlive
    // the converter unchanged.
    ValueListConverter(Interpolation method, const double* X, const double* Y, std::uint32_t n,
                       LineEnd lineEnd = LineEnd::CrLf);

    // Appends the lines of every entry that ends inside text.
    void Feed(std::string_view text, std::string& output);
    // Appends the line of an entry still open at the end of the input.
    void Finish(std::string& output);

private:
    static constexpr std::size_t kBatch = 32;

    void ConvertEntry(std::string_view entry, std::string& output);
    void ConvertBatch(std::size_t count, std::string& output);
    void AppendValue(double x, std::uint32_t i, std::string& output);

    Interpolation m_method;
    const double* m_x;
    const double* m_y;
    BracketingIndex m_index;
    // The spline's x-free terms per interval where they fit in the cache;
    // for larger tables the curvatures alone, to keep memory small.
    std::vector<SplineTerms> m_terms;
    std::vector<double> m_curvatures;
    std::string_view m_lineEnd;
    std::string m_pending; // the start of an entry cut off at the end of a piece
    // Entries are looked up in batches so that their memory reads overlap.
    std::string_view m_batch[kBatch];
    double m_values[kBatch];
    std::uint32_t m_intervals[kBatch];
};

// Whole-text conversions appended to output, as the convert commands use them;
// only table.m_nPoints is read from the table.
void ConvertByLinear(const DepthAgeTable& table, const std::vector<double>& X, const std::vector<double>& Y,
                     std::string_view input, std::string& output);
void ConvertBySpline(const DepthAgeTable& table, const std::vector<double>& X, const std::vector<double>& Y,
                     std::string_view input, std::string& output);

} // namespace lomarek
