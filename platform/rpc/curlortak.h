#pragma once
// libcurl's process-wide set-up, done once whichever thread opens the first transfer.
#include <curl/curl.h>

inline void CurlHazirla() {
  static const bool hazir = (curl_global_init(CURL_GLOBAL_DEFAULT), true);
  (void)hazir;
}
