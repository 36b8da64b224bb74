// Helpers shared by the ustring sources; not part of the public interface.
#pragma once

#include <unicode/utypes.h>

#include <climits>
#include <cstddef>
#include <cstdint>

#include "ustring/ustring.h"

namespace ustring_internal {

static_assert(sizeof(UChar) == sizeof(uchar16_t), "ICU code units must be 16 bits");

inline UChar* as_icu(uchar16_t* p) { return reinterpret_cast<UChar*>(p); }
inline const UChar* as_icu(const uchar16_t* p) { return reinterpret_cast<const UChar*>(p); }

// ICU takes capacities as int32_t; larger buffers are offered in part.
inline int32_t icu_capacity(size_t capacity) {
  return capacity > INT32_MAX ? INT32_MAX : static_cast<int32_t>(capacity);
}

// One line on standard error: text, the ICU code, " at line ", line; flushed.
void warn(const char* text, UErrorCode code, int line);

}  // namespace ustring_internal
