#pragma once

// A tide series (water level over time) read from a tide file through a "TERRAL_TIDE"
// template or taken from a block embedded in a host's data, answering the tide at any
// time inside the series by linear interpolation.

#include "vornui/platform/CString.h"
#include "vornui/platform/CTime.h"
#include "vornui/platform/Export.h"

#include <cstddef>
#include <cstdint>
#include <vector>

class VORNUI_API CTideHandler {
public:
    // One point of the series.
    struct Sample {
        int32_t time; // seconds since 1 January 1970 00:00 UTC
        float tide;   // metres, positive up
    };

    // An empty series.
    CTideHandler() = default;
    // Copies are independent series.
    CTideHandler(const CTideHandler& other) = default;
    CTideHandler& operator=(const CTideHandler& other) = default;
    virtual ~CTideHandler() = default;

    // Empties the series.
    void Clear();
    // The samples of every valid line of `filePath` read through tide template
    // `templateName`; returns their count (0 on failure).
    int LoadTide(const CString& templateName, const CString& filePath);
    // A block of: sample count (int32), 12 unused bytes, an 80-byte name, then the
    // samples (int32 time, float tide), little-endian. Returns the count.
    int LoadEmbeddedTide(const void* block);
    // The same, trusting nothing beyond `blockSize` bytes.
    int LoadEmbeddedTide(const void* block, size_t blockSize);

    // 0 with `tide` set when `time` lies within the series; otherwise the signed distance
    // in seconds to the series, with `tide` 0. A time of 0 means now.
    int GetTide(float& tide, long time) const;
    // Whether the series holds samples and `time` lies from its first to its last.
    bool ContainsTime(long time) const;

    // The number of samples.
    int GetCount() const { return static_cast<int>(m_samples.size()); }
    // {0, 0} outside 0 ... GetCount() - 1.
    Sample GetSample(int index) const;
    // The name of an embedded block; empty after LoadTide.
    const CString& GetName() const { return m_strName; }

    // Day number to a point in time, counting years from `baseYear`, in local time; times
    // before 1970 become 12 December 1970 12:12:12 local standard time.
    static CTime AsciiTime2CTime(double dayNumber, int baseYear);
    // The same in `zone`, which a loop over many times holds rather than looks up each time.
    static CTime AsciiTime2CTime(double dayNumber, int baseYear, CLocalZone& zone);

private:
    int LoadBlock(const unsigned char* block, int32_t count);

    std::vector<Sample> m_samples;
    CString m_strName;
};
