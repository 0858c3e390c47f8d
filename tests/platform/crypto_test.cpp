// The system's cryptography behind platform/crypto.h: SHA-256 matches the FIPS 180 examples
// in one piece, in pieces and from a file, and ECDSA P-256 verification accepts exactly the
// signatures openssl made, rejecting flipped bits, other messages and other keys.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

#include "platform/crypto.h"
#include "platform/files.h"
#include "tests/support/hex_text.h"
#include "tools/api_standin/host_path.h"

namespace {

std::string Hex(const platform::Sha256Digest& digest) {
  std::string text;
  char pair[3];
  for (unsigned char byte : digest) {
    std::snprintf(pair, sizeof pair, "%02x", byte);
    text += pair;
  }
  return text;
}

struct HashCase {
  std::string message;
  const char* digest;
};

// FIPS 180-2, appendix B, and the empty message.
const std::vector<HashCase>& Fips180Cases() {
  static const std::vector<HashCase> cases = {
      {"", "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855"},
      {"abc", "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad"},
      {"abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq",
       "248d6a61d20638b8e5c026930c3e6039a33ce45964ff2167f6ecedd419db06c1"},
      {std::string(1000000, 'a'),
       "cdc76e5c9914fb9281a1c7e284d73e67f1809a48a497200e046d39ccc7112cd0"},
  };
  return cases;
}

TEST(Sha256Test, MatchesTheFips180ExamplesWholeAndInPieces) {
  for (const HashCase& c : Fips180Cases()) {
    platform::Sha256Digest whole{};
    ASSERT_TRUE(platform::Sha256Of(c.message, whole));
    EXPECT_EQ(Hex(whole), c.digest) << c.message.size();

    // Uneven pieces cross the 64-byte block boundaries at every offset.
    platform::Sha256 hash;
    size_t at = 0;
    for (size_t piece = 1; at < c.message.size(); piece = piece % 97 + 1) {
      const size_t size = std::min(piece, c.message.size() - at);
      ASSERT_TRUE(hash.Update(c.message.data() + at, size));
      at += size;
    }
    platform::Sha256Digest pieces{};
    ASSERT_TRUE(hash.Finish(pieces));
    EXPECT_EQ(Hex(pieces), c.digest) << c.message.size();
  }
}

TEST(Sha256Test, HashesAFileReadInPieces) {
  const std::string path = platform::TempDirectory() + "quillo_sha256_test.bin";
  const std::wstring wide(path.begin(), path.end());
  const HashCase& million = Fips180Cases().back();
  ASSERT_TRUE(platform::WriteWholeFile(wide, million.message.data(), million.message.size()));
  platform::Sha256Digest digest{};
  EXPECT_TRUE(platform::Sha256OfFile(wide, digest));
  EXPECT_EQ(Hex(digest), million.digest);
  platform::RemoveFile(path);
  EXPECT_FALSE(platform::Sha256OfFile(wide, digest));
}

TEST(EcdsaTest, VerifiesTheSignaturesOpensslMade) {
  std::string text;
  ASSERT_TRUE(
      platform::ReadWholeFile(HostPath(QUILLO_TEST_DATA_DIR "/ecdsa_p256_vectors.txt"), text));
  std::istringstream lines(text);
  int cases = 0;
  for (std::string line; std::getline(lines, line);) {
    if (line.empty() || line[0] == '#') {
      continue;
    }
    std::istringstream fields(line);
    int expected = 0;
    std::string key, message, signature;
    fields >> expected >> key >> message >> signature;
    EXPECT_EQ(platform::VerifyEcdsaP256Sha256(FromHex(key), FromHex(message), FromHex(signature)),
              expected == 1)
        << line.substr(0, 60);
    ++cases;
  }
  EXPECT_GE(cases, 8);
}

TEST(EcdsaTest, RefusesKeysAndSignaturesOfTheWrongSize) {
  const std::string key = "\x04" + std::string(64, '\x01');
  EXPECT_FALSE(platform::VerifyEcdsaP256Sha256("", "m", std::string(64, '\x01')));
  EXPECT_FALSE(platform::VerifyEcdsaP256Sha256(key, "m", std::string(63, '\x01')));
  EXPECT_FALSE(platform::VerifyEcdsaP256Sha256(key.substr(1), "m", std::string(64, '\x01')));
  EXPECT_FALSE(platform::VerifyEcdsaP256Sha256(key, "m", std::string(64, '\0')));
}

TEST(RandomBytesTest, FillsTheBufferDifferentlyEachTime) {
  unsigned char first[16] = {};
  unsigned char second[16] = {};
  ASSERT_TRUE(platform::RandomBytes(first, sizeof first));
  ASSERT_TRUE(platform::RandomBytes(second, sizeof second));
  EXPECT_NE(std::string(first, first + 16), std::string(second, second + 16));
}

}  // namespace
