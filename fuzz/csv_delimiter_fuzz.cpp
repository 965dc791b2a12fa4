// Guessing the delimiter of any file must end with one of the answers, read the file in
// bounded memory and leave it rewound.

#include "FuzzFile.h"

#include "vornui/util/CSVDelimiter.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    CStdioFile file;
    if (!file.Open(WriteFuzzFile(data, size), CStdioFile::modeRead | CStdioFile::typeText))
        return 0;
    const CString delimiter = FindCSVDelimiter(file);
    if (delimiter.GetLength() != 1 || !std::strchr("\t ,;", delimiter[0]) ||
        file.GetPosition() != 0)
        std::abort();
    return 0;
}
