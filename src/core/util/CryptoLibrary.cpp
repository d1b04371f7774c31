#include "core/util/CryptoLibrary.h"

#include <openssl/crypto.h>

namespace cvd {

void InitCryptoLibrary() {
  static const int done = OPENSSL_init_crypto(OPENSSL_INIT_NO_LOAD_CONFIG, nullptr);
  (void)done;
}

}  // namespace cvd
