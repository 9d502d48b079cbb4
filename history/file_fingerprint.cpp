#include "history/file_fingerprint.h"

#include <nettle/sha2.h>

#include <vector>

#include "util/file_reader.h"

namespace vorna {

std::string FileFingerprint(const std::string& path) {
  FileReader reader(path);
  if (!reader.IsOpen()) return {};
  sha256_ctx context;
  sha256_init(&context);
  std::vector<char> buffer(1 << 16);
  for (;;) {
    const std::int64_t read = reader.Read(buffer.data(), buffer.size());
    if (read < 0) return {};
    if (read == 0) break;
    sha256_update(&context, static_cast<std::size_t>(read), reinterpret_cast<const std::uint8_t*>(buffer.data()));
  }
  std::uint8_t digest[SHA256_DIGEST_SIZE];
  sha256_digest(&context, SHA256_DIGEST_SIZE, digest);
  static const char kDigits[] = "0123456789abcdef";
  std::string text;
  for (const std::uint8_t byte : digest) {
    text += kDigits[byte >> 4];
    text += kDigits[byte & 15];
  }
  return text;
}

}  // namespace vorna
