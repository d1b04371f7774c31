#pragma once

namespace cvd {

// Starts OpenSSL without the system's configuration file: the program's
// cipher and digest are fixed, so providers and default properties set
// there have nothing to add, and reading it touches half a megabyte of the
// library in every process. Call before any other use of the library.
void InitCryptoLibrary();

}  // namespace cvd
