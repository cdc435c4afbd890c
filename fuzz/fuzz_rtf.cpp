// The RTF reader takes any bytes.
#include "media/rtf.h"

#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, size_t groesse) {
    (void)pelmark::Rtf_Absaetze(std::string_view(reinterpret_cast<const char*>(daten), groesse));
    return 0;
}
