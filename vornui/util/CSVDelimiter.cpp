#include "vornui/util/CSVDelimiter.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <optional>
#include <vector>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace {

constexpr std::array<char, 4> kCandidates{'\t', ' ', ',', ';'};
constexpr char kDefaultDelimiter = ',';
constexpr size_t kBufferSize = 64 * 1024;

using Counts = std::array<size_t, kCandidates.size()>;

// Adds the candidates' occurrences in [at, end) to `counts`.
void CountCandidates(const char* at, const char* end, Counts& counts) {
#ifdef __SSE2__
    const __m128i zero = _mm_setzero_si128();
    while (end - at >= 16) {
        // Byte-wide tallies hold up to 255 blocks before they are summed.
        const size_t blocks = std::min<size_t>(static_cast<size_t>(end - at) / 16, 255);
        __m128i tallies[kCandidates.size()] = {zero, zero, zero, zero};
        for (size_t block = 0; block < blocks; ++block, at += 16) {
            const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(at));
            for (size_t each = 0; each < kCandidates.size(); ++each)
                tallies[each] = _mm_sub_epi8(
                    tallies[each], _mm_cmpeq_epi8(bytes, _mm_set1_epi8(kCandidates[each])));
        }
        for (size_t each = 0; each < kCandidates.size(); ++each) {
            const __m128i sums = _mm_sad_epu8(tallies[each], zero);
            counts[each] += static_cast<size_t>(_mm_cvtsi128_si32(sums)) +
                            static_cast<size_t>(_mm_extract_epi16(sums, 4));
        }
    }
#endif
    for (; at < end; ++at)
        for (size_t each = 0; each < kCandidates.size(); ++each)
            counts[each] += *at == kCandidates[each];
}

// The candidates still in the running, each with the count it keeps on every line.
class DelimiterGuess {
public:
    // Takes one data line's counts; the answer once it is decided.
    std::optional<char> TakeLine(const Counts& counts) {
        size_t remaining = 0;
        size_t last = 0;
        for (size_t each = 0; each < kCandidates.size(); ++each) {
            if (!m_alive[each])
                continue;
            if (!m_kept[each])
                m_kept[each] = counts[each];
            else if (*m_kept[each] != counts[each])
                m_alive[each] = false;
            if (m_alive[each]) {
                ++remaining;
                last = each;
            }
        }
        if (remaining == 1)
            return kCandidates[last];
        if (remaining == 0)
            return kDefaultDelimiter;
        return std::nullopt;
    }

private:
    std::array<bool, kCandidates.size()> m_alive{true, true, true, true};
    std::array<std::optional<size_t>, kCandidates.size()> m_kept;
};

// Reads the lines after the first and gives the decided answer, or none at the end.
std::optional<char> GuessFromLines(FILE* stream) {
    std::vector<char> buffer(kBufferSize);
    DelimiterGuess guess;
    Counts counts{};
    bool inHeader = true;
    bool lineStarted = false;
    size_t filled = 0;
    while ((filled = std::fread(buffer.data(), 1, buffer.size(), stream)) > 0) {
        const char* at = buffer.data();
        const char* const end = at + filled;
        while (at < end) {
            const auto* newline = static_cast<const char*>(std::memchr(at, '\n', end - at));
            const char* const lineEnd = newline ? newline : end;
            if (!inHeader)
                CountCandidates(at, lineEnd, counts);
            lineStarted = true;
            if (!newline)
                break;
            if (!inHeader) {
                if (const auto answer = guess.TakeLine(counts))
                    return answer;
            }
            inHeader = false;
            counts = {};
            lineStarted = false;
            at = newline + 1;
        }
    }
    // A last line without its end is a line too.
    if (!inHeader && lineStarted)
        return guess.TakeLine(counts);
    return std::nullopt;
}

} // namespace

CString FindCSVDelimiter(CStdioFile& file) {
    const std::optional<char> answer =
        file.m_pStream ? GuessFromLines(file.m_pStream) : std::nullopt;
    file.SeekToBegin();
    return CString(answer.value_or(kDefaultDelimiter));
}
