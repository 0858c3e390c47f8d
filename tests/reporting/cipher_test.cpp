// The payload cipher matches FIPS-197 and an independent AES/Base64 implementation in both
// directions, and handles short keys, padding and malformed text as the server contract
// requires.
#include <gtest/gtest.h>

#include <cstring>
#include <sstream>
#include <string>
#include <vector>

#include "platform/files.h"
#include "reporting/aes.h"
#include "reporting/base64.h"
#include "reporting/payload_cipher.h"
#include "reporting/payload_key.h"
#include "tests/support/hex_text.h"
#include "tools/api_standin/host_path.h"

namespace {

TEST(AesTest, MatchesTheFips197Example) {
  unsigned char key[16];
  unsigned char block[16];
  for (int i = 0; i < 16; ++i) {
    key[i] = static_cast<unsigned char>(i);
    block[i] = static_cast<unsigned char>(i * 0x11);
  }
  const unsigned char expected[16] = {0x69, 0xc4, 0xe0, 0xd8, 0x6a, 0x7b, 0x04, 0x30,
                                      0xd8, 0xcd, 0xb7, 0x80, 0x70, 0xb4, 0xc5, 0x5a};
  const AES aes(key);
  EXPECT_EQ(aes.EncryptBlocks(block, 16), block);
  EXPECT_EQ(0, std::memcmp(block, expected, 16));
  aes.DecryptBlocks(block, 16);
  for (int i = 0; i < 16; ++i) {
    EXPECT_EQ(block[i], i * 0x11);
  }
}

TEST(AesTest, NeverTouchesBytesBeyondTheWholeBlocks) {
  const unsigned char key[16] = {};
  unsigned char buffer[40];
  std::memset(buffer, 0xAB, sizeof buffer);
  const AES aes(key);
  aes.DecryptBlocks(buffer, 20);  // one whole block, four stray bytes
  for (int i = 16; i < 40; ++i) {
    EXPECT_EQ(buffer[i], 0xAB) << i;
  }
  aes.DecryptBlocks(buffer, 0);
  aes.DecryptBlocks(buffer, -16);
}

struct Vector {
  std::string key;  // trailing zero bytes removed, so short keys are exercised
  std::string plain;
  std::string cipherText;
};

std::vector<Vector> ReadVectors() {
  std::string text;
  EXPECT_TRUE(platform::ReadWholeFile(HostPath(QUILLO_TEST_DATA_DIR "/cipher_vectors.txt"), text));
  std::vector<Vector> vectors;
  std::istringstream lines(text);
  for (std::string line; std::getline(lines, line);) {
    if (line.empty() || line[0] == '#') {
      continue;
    }
    std::istringstream fields(line);
    std::string keyHex, plainHex, cipherText;
    fields >> keyHex >> plainHex >> cipherText;
    std::string key = FromHex(keyHex);
    key.erase(key.find_last_not_of('\0') + 1);
    vectors.push_back({key, plainHex == "-" ? "" : FromHex(plainHex), cipherText});
  }
  return vectors;
}

TEST(PayloadCipherTest, MatchesTheIndependentVectorsBothWays) {
  const std::vector<Vector> vectors = ReadVectors();
  ASSERT_GE(vectors.size(), 10u);
  for (const Vector& v : vectors) {
    EXPECT_EQ(EncryptPayload(v.plain, v.key), v.cipherText) << v.cipherText;
    EXPECT_EQ(DecryptPayload(v.cipherText, v.key), v.plain) << v.cipherText;
  }
}

TEST(PayloadCipherTest, PadsToWholeBlocks) {
  const std::string empty = EncryptPayload("", PayloadKey);
  EXPECT_EQ(empty.size(), 24u);
  EXPECT_EQ(empty.substr(22), "==");
  EXPECT_EQ(EncryptPayload(std::string(16, 'x'), PayloadKey).size(), 44u);
  EXPECT_EQ(EncryptPayload(std::string(15, 'x'), PayloadKey).size(), 24u);
}

TEST(PayloadCipherTest, RoundTripsEveryLengthAndByteValue) {
  std::string plain;
  for (int length = 0; length <= 40; ++length) {
    EXPECT_EQ(DecryptPayload(EncryptPayload(plain, PayloadKey), PayloadKey), plain) << length;
    plain += static_cast<char>(length * 37);  // includes a zero byte at length 0
  }
}

TEST(PayloadCipherTest, IsDeterministicBlockByBlock) {
  const std::string a = EncryptPayload("0123456789ABCDEF-first", PayloadKey);
  const std::string b = EncryptPayload("0123456789ABCDEF-second", PayloadKey);
  EXPECT_EQ(a, EncryptPayload("0123456789ABCDEF-first", PayloadKey));
  EXPECT_EQ(a.substr(0, 21), b.substr(0, 21));
  EXPECT_NE(a, b);
}

TEST(PayloadCipherTest, RejectsLongKeysAndMalformedText) {
  const std::string longKey(17, 'k');
  EXPECT_EQ(EncryptPayload("abc", longKey), "");
  EXPECT_EQ(DecryptPayload(EncryptPayload("abc", PayloadKey), longKey), "");
  EXPECT_EQ(DecryptPayload("abc", PayloadKey), "");  // length not a multiple of 4
  EXPECT_EQ(DecryptPayload("", PayloadKey), "");
  EXPECT_EQ(DecryptPayload("====", PayloadKey), "");
  // Whole Base64 groups that decode to 3, 18 and 21 bytes: never whole 16-byte blocks.
  EXPECT_EQ(DecryptPayload("QUJD", PayloadKey), "");
  EXPECT_EQ(DecryptPayload(std::string(24, 'A'), PayloadKey), "");
  EXPECT_EQ(DecryptPayload(std::string(28, 'A'), PayloadKey), "");
}

TEST(PayloadCipherTest, DecodesUpToALineBreak) {
  const std::string cipherText = EncryptPayload("7003", PayloadKey);
  EXPECT_EQ(DecryptPayload(cipherText + "\nxyz", PayloadKey), "7003");
}

TEST(PayloadCipherTest, IgnoresWhiteSpaceAtTheEnd) {
  const std::string cipherText = EncryptPayload(R"({"pdfinstall":[]})", PayloadKey);
  for (const char* tail : {"\r\n", "\n", "\r\n\r\n", " ", "  \t\n", "\n\n\n"}) {
    EXPECT_EQ(DecryptPayload(cipherText + tail, PayloadKey), R"({"pdfinstall":[]})")
        << testing::PrintToString(std::string(tail));
  }
  EXPECT_EQ(DecryptPayload(" \r\n", PayloadKey), "");
  // White space before or inside the text is not the end: such a text is malformed.
  EXPECT_EQ(DecryptPayload(" " + cipherText, PayloadKey), "");
}

TEST(PayloadCipherTest, LeavesAnImplausiblePaddingInPlace) {
  const unsigned char key[16] = {};
  for (const unsigned char last : {0x00, 0x11, 0xFF}) {
    unsigned char block[16] = {'d', 'a', 't', 'a'};
    block[15] = last;
    AES(key).EncryptBlocks(block, 16);
    const std::string plain = DecryptPayload(Base64Encode(block, 16), std::string());
    ASSERT_EQ(plain.size(), 16u) << int(last);
    EXPECT_EQ(static_cast<unsigned char>(plain[15]), last);
  }
}

TEST(Base64Test, EncodesAndDecodesRfc4648Examples) {
  const struct {
    const char* plain;
    const char* text;
  } cases[] = {{"", ""},
               {"f", "Zg=="},
               {"fo", "Zm8="},
               {"foo", "Zm9v"},
               {"foob", "Zm9vYg=="},
               {"fooba", "Zm9vYmE="},
               {"foobar", "Zm9vYmFy"},
               {"\xFB\xFF", "+/8="}};
  for (const auto& c : cases) {
    const std::string plain = c.plain;
    EXPECT_EQ(Base64Encode(reinterpret_cast<const unsigned char*>(plain.data()), plain.size()),
              c.text);
    const std::string text = c.text;
    std::vector<unsigned char> out(text.size() + 1);
    size_t length = 99;
    Base64Decode(text, out.data(), length);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(out.data()), length), plain) << c.text;
  }
}

TEST(Base64Test, StopsAtTheFirstCharacterOutsideTheAlphabet) {
  const struct {
    const char* text;
    const char* plain;
  } cases[] = {
      {"Zm9v\nYmFy", "foo"}, {"Zm9v YmFy", "foo"}, {"Zm9vY", "foo"}, {"Zm=9v", "f"}, {"-Zm9v", ""}};
  for (const auto& c : cases) {
    const std::string text = c.text;
    std::vector<unsigned char> out(text.size());
    size_t length = 99;
    Base64Decode(text, out.data(), length);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(out.data()), length), c.plain) << c.text;
  }
}

}  // namespace
