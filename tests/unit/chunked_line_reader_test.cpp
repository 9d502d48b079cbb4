#include "testfile/chunked_line_reader.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "testfile/line_reader.h"
#include "testfile/report_format.h"

namespace vorna {
namespace {

std::vector<std::string> WholeBufferLines(std::string_view bytes) {
  std::vector<std::string> lines;
  LineReader reader(bytes);
  std::string_view line;
  while (reader.Next(line)) lines.emplace_back(line);
  return lines;
}

std::vector<std::string> ChunkedLines(std::string_view bytes, LineEnds ends, std::size_t chunkBytes) {
  MemorySource source(bytes);
  ChunkedLineReader reader(source, ends, chunkBytes);
  std::vector<std::string> lines;
  std::string_view line;
  while (reader.Next(line)) lines.emplace_back(line);
  EXPECT_FALSE(reader.Failed());
  return lines;
}

// Random texts over the bytes that matter to the line rule, with long runs
// so that lines cross many chunk edges.
std::string RandomText(std::uint64_t& state, bool withCarriageReturns) {
  const auto next = [&state](std::uint64_t range) {
    state = state * 6364136223846793005u + 1442695040888963407u;
    return (state >> 33) % range;
  };
  const std::string alphabet = withCarriageReturns ? std::string("ab \r\n\r\n\x1A", 8) : "ab \n\n";
  std::string text;
  const std::uint64_t length = next(4) == 0 ? next(400) : next(40);
  for (std::uint64_t index = 0; index < length; ++index) {
    // The end-of-text byte rarely, or most texts would end at once.
    char character = alphabet[next(alphabet.size())];
    if (character == '\x1A' && next(8) != 0) character = 'a';
    text += character;
  }
  return text;
}

TEST(ChunkedLineReader, GivesTheLinesOfTheWholeBufferWhateverTheChunkSize) {
  std::uint64_t state = 7;
  for (int round = 0; round < 3000; ++round) {
    const std::string text = RandomText(state, true);
    const std::vector<std::string> expected = WholeBufferLines(text);
    for (const std::size_t chunk : {std::size_t{1}, std::size_t{2}, std::size_t{3}, std::size_t{7},
                                    kReportChunkBytes}) {
      ASSERT_EQ(ChunkedLines(text, LineEnds::CarriageReturn, chunk), expected)
          << testing::PrintToString(text) << " in chunks of " << chunk;
    }
  }
}

TEST(ChunkedLineReader, ReadsLineFeedsAloneAsTheirConversion) {
  std::uint64_t state = 11;
  for (int round = 0; round < 3000; ++round) {
    const std::string text = RandomText(state, false);
    std::string converted = text;
    ConvertLineEnds(converted);
    const std::vector<std::string> expected = WholeBufferLines(converted);
    for (const std::size_t chunk : {std::size_t{1}, std::size_t{2}, std::size_t{5}, kReportChunkBytes}) {
      ASSERT_EQ(ChunkedLines(text, LineEnds::LineFeedsAlone, chunk), expected)
          << testing::PrintToString(text) << " in chunks of " << chunk;
    }
  }
}

// Hands out its bytes, then fails.
class FailingSource : public ByteSource {
 public:
  std::int64_t Read(char* buffer, std::size_t capacity) override {
    if (given_) return -1;
    given_ = true;
    const std::string_view bytes = "a\r\nb";
    const std::size_t count = std::min(capacity, bytes.size());
    bytes.copy(buffer, count);
    return static_cast<std::int64_t>(count);
  }

 private:
  bool given_ = false;
};

TEST(ChunkedLineReader, AFailedReadEndsTheLinesAndIsReported) {
  FailingSource source;
  ChunkedLineReader reader(source, LineEnds::CarriageReturn, 64);
  std::string_view line;
  ASSERT_TRUE(reader.Next(line));
  EXPECT_EQ(line, "a");
  ASSERT_TRUE(reader.Next(line));
  EXPECT_EQ(line, "b");
  EXPECT_FALSE(reader.Next(line));
  EXPECT_TRUE(reader.Failed());
}

// Counts the chunks asked for.
class CountingSource : public MemorySource {
 public:
  using MemorySource::MemorySource;
  std::int64_t Read(char* buffer, std::size_t capacity) override {
    ++reads;
    return MemorySource::Read(buffer, capacity);
  }
  int reads = 0;
};

TEST(SourceNeedsLineEndConversion, AgreesWithTheWholeBufferRuleAndStopsAtTheFirstCarriageReturn) {
  for (const std::string& text : {std::string(""), std::string("a\nb\n"), std::string("a\nb\r\n"),
                                 std::string("abc\x1A\n", 5), std::string(100, '\n') + "\r" + std::string(100, 'x')}) {
    CountingSource source(text);
    bool failed = true;
    EXPECT_EQ(SourceNeedsLineEndConversion(source, failed, 10), NeedsLineEndConversion(text))
        << testing::PrintToString(text);
    EXPECT_FALSE(failed);
  }
  const std::string report = "V.ORNA-4\r\n" + std::string(1000, 'x');
  CountingSource source(report);
  bool failed = false;
  EXPECT_FALSE(SourceNeedsLineEndConversion(source, failed, 16));
  EXPECT_EQ(source.reads, 1);
}

}  // namespace
}  // namespace vorna
