// Unicode services of ustring: normalisation, the UTF-8 validity test and
// the warning line that every ICU failure writes.
#include <unicode/unorm2.h>
#include <unicode/ustring.h>

#include <iostream>

#include "ustring-internal.h"
#include "ustring/ustring.h"

void ustring_internal::warn(const char* text, UErrorCode code, int line) {
  std::cerr << text << static_cast<int>(code) << " at line " << line << std::endl;
}

ustring ustring::normalize(const ustring& x, normalization_form n) {
  ustring result;
  if (x.empty()) return result;

  UErrorCode error = U_ZERO_ERROR;
  // Both forms come from the "nfc" data; the instance belongs to ICU.
  const UNormalizer2* normalizer =
      unorm2_getInstance(nullptr, "nfc", n == NFC ? UNORM2_COMPOSE : UNORM2_DECOMPOSE, &error);
  if (U_FAILURE(error) || normalizer == nullptr) {
    ustring_internal::warn("Warning: unorm2_getInstance: error code ", error, __LINE__);
    return result;
  }

  const UChar* source = ustring_internal::as_icu(x.c_str_utf16());
  const int32_t units = unorm2_normalize(normalizer, source, -1, nullptr, 0, &error);
  result.realloc_wdata(static_cast<size_t>(units) + 1);
  error = U_ZERO_ERROR;
  unorm2_normalize(normalizer, source, -1, ustring_internal::as_icu(result.wdata),
                   ustring_internal::icu_capacity(result.wdata_cap), &error);
  if (U_FAILURE(error)) {
    ustring_internal::warn("Warning: unorm2_normalize: error code ", error, __LINE__);
    result.clear();
    return result;
  }
  result.wdata_len = static_cast<size_t>(units);
  result.wdata[result.wdata_len] = 0;
  result.convert_from_wdata();
  return result;
}

ustring ustring::normalize(normalization_form n) const { return normalize(*this, n); }

bool ustring::is_valid(const ustring& x) {
  if (x.empty()) return true;
  // Measuring mode: a well-formed string reports a buffer overflow, which
  // counts as valid like every code but U_INVALID_CHAR_FOUND.
  UErrorCode error = U_ZERO_ERROR;
  int32_t units = 0;
  u_strFromUTF8(nullptr, 0, &units, x.data, -1, &error);
  return error != U_INVALID_CHAR_FOUND;
}
