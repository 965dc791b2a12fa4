#include "vornui/util/CSVDelimiter.h"

#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

// Counting bits is one instruction on processors that have it; the program picks the
// version for the processor it runs on.
#if defined(__x86_64__) && defined(__GNUC__) && !defined(__clang__)
#define VORNUI_COUNTS_BITS __attribute__((target_clones("popcnt", "default")))
#else
#define VORNUI_COUNTS_BITS
#endif
// The block's work goes inside each version, to count with its instructions.
#define VORNUI_INLINE [[gnu::always_inline]] inline

namespace {

constexpr std::array<char, 4> kCandidates{'\t', ' ', ',', ';'};
constexpr char kDefaultDelimiter = ',';
constexpr size_t kBufferSize = 64 * 1024;
constexpr size_t kBlockSize = 64;

using Counts = std::array<size_t, kCandidates.size()>;

// One bit for each byte of a 64-byte block that is a line end, and for each candidate.
struct BlockMasks {
    std::uint64_t newlines = 0;
    std::array<std::uint64_t, kCandidates.size()> candidates{};
};

#ifdef __SSE2__
// The bits of the 64 bytes in the four parts that equal `wanted`.
VORNUI_INLINE std::uint64_t BitsOf(const __m128i (&parts)[4], char wanted) {
    const __m128i needle = _mm_set1_epi8(wanted);
    const auto bits = [&needle](__m128i part) {
        return static_cast<std::uint64_t>(
            static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(part, needle))));
    };
    return bits(parts[0]) | bits(parts[1]) << 16 | bits(parts[2]) << 32 | bits(parts[3]) << 48;
}

VORNUI_INLINE BlockMasks MasksOf(const char* block) {
    const auto load = [block](int part) {
        return _mm_loadu_si128(reinterpret_cast<const __m128i*>(block + 16 * part));
    };
    const __m128i parts[4] = {load(0), load(1), load(2), load(3)};
    return BlockMasks{BitsOf(parts, '\n'),
                      {BitsOf(parts, kCandidates[0]), BitsOf(parts, kCandidates[1]),
                       BitsOf(parts, kCandidates[2]), BitsOf(parts, kCandidates[3])}};
}
#else
BlockMasks MasksOf(const char* block) {
    BlockMasks masks;
    for (size_t at = 0; at < kBlockSize; ++at) {
        masks.newlines |= static_cast<std::uint64_t>(block[at] == '\n') << at;
        for (size_t each = 0; each < kCandidates.size(); ++each)
            masks.candidates[each] |= static_cast<std::uint64_t>(block[at] == kCandidates[each])
                                      << at;
    }
    return masks;
}
#endif

// Calls `act` with each candidate's index, written out so that the calls unroll.
template <typename Act>
VORNUI_INLINE void ForEachCandidate(Act act) {
    static_assert(kCandidates.size() == 4);
    act(0);
    act(1);
    act(2);
    act(3);
}

// The candidates still in the running (one bit each), with the counts they keep on every
// line. Every candidate learns its count on the first data line, when all are running.
class DelimiterGuess {
public:
    // Takes one data line's counts; the answer once it is decided.
    std::optional<char> TakeLine(const Counts& counts) {
        if (!m_bKnown) {
            m_kept = counts;
            m_bKnown = true;
        }
        unsigned alive = 0;
        ForEachCandidate([&](size_t each) {
            alive |= static_cast<unsigned>(m_kept[each] == counts[each]) << each;
        });
        m_alive &= alive;
        if (m_alive == 0)
            return kDefaultDelimiter;
        if ((m_alive & (m_alive - 1)) == 0)
            return kCandidates[static_cast<size_t>(std::countr_zero(m_alive))];
        return std::nullopt;
    }

private:
    unsigned m_alive = 0xF;
    bool m_bKnown = false;
    Counts m_kept{};
};

// Counts the candidates line by line; the first line (the header) is counted and ignored.
class LineCounter {
public:
    // The answer when the line that ends here decides it.
    std::optional<char> EndLine() {
        std::optional<char> answer;
        if (!m_inHeader)
            answer = m_guess.TakeLine(m_counts);
        m_inHeader = false;
        m_counts = {};
        return answer;
    }
    void Add(size_t candidate, size_t count) { m_counts[candidate] += count; }
    bool InHeader() const { return m_inHeader; }

private:
    DelimiterGuess m_guess;
    Counts m_counts{};
    bool m_inHeader = true;
};

// A block's lines: the bits below each line end belong to the line it ends.
VORNUI_INLINE std::optional<char> CountBlock(BlockMasks masks, LineCounter& lines) {
    for (std::uint64_t newlines = masks.newlines; newlines; newlines &= newlines - 1) {
        const std::uint64_t before = (newlines & (~newlines + 1)) - 1;
        ForEachCandidate([&](size_t each) {
            lines.Add(each, static_cast<size_t>(std::popcount(masks.candidates[each] & before)));
            masks.candidates[each] &= ~(before << 1 | 1);
        });
        if (const auto answer = lines.EndLine())
            return answer;
    }
    ForEachCandidate([&](size_t each) {
        lines.Add(each, static_cast<size_t>(std::popcount(masks.candidates[each])));
    });
    return std::nullopt;
}

std::optional<char> CountBytes(const char* at, const char* end, LineCounter& lines) {
    for (; at < end; ++at) {
        if (*at == '\n') {
            if (const auto answer = lines.EndLine())
                return answer;
            continue;
        }
        for (size_t each = 0; each < kCandidates.size(); ++each)
            lines.Add(each, *at == kCandidates[each]);
    }
    return std::nullopt;
}

// Reads the lines after the first and gives the decided answer, or none at the end.
VORNUI_COUNTS_BITS std::optional<char> GuessFromLines(FILE* stream) {
    std::vector<char> buffer(kBufferSize);
    LineCounter lines;
    bool lineOpen = false;
    size_t filled = 0;
    while ((filled = std::fread(buffer.data(), 1, buffer.size(), stream)) > 0) {
        const char* at = buffer.data();
        const char* const end = at + filled;
        for (; end - at >= static_cast<std::ptrdiff_t>(kBlockSize); at += kBlockSize)
            if (const auto answer = CountBlock(MasksOf(at), lines))
                return answer;
        if (const auto answer = CountBytes(at, end, lines))
            return answer;
        lineOpen = end[-1] != '\n';
    }
    // A last line without its end is a line too.
    if (lineOpen && !lines.InHeader())
        return lines.EndLine();
    return std::nullopt;
}

} // namespace

CString FindCSVDelimiter(CStdioFile& file) {
    const std::optional<char> answer =
        file.m_pStream ? GuessFromLines(file.m_pStream) : std::nullopt;
    file.SeekToBegin();
    return CString(answer.value_or(kDefaultDelimiter));
}
