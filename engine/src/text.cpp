#include "twostar/text.h"

#include <boost/regex.hpp>

namespace twostar {

namespace {

const boost::regex& digitRunPattern() {
  static const boost::regex pattern("[0-9]{1,}");
  return pattern;
}

// Joins what `piece` gives for every digit run of `text`. The result is built
// in blocks of 250 runs, so that a long list is not copied again per run.
template <typename Piece>
std::string joinRuns(std::string_view text, Piece piece) {
  // The joining helpers find the runs with the regular expression itself.
  constexpr int kBlockRuns = 250;
  std::string result;
  std::string block;
  int inBlock = 0;
  forEachDigitRunMatch(text, [&](std::string_view run) {
    piece(block, run);
    if (++inBlock == kBlockRuns) {
      result += block;
      block.clear();
      inBlock = 0;
    }
  });
  result += block;
  return result;
}

}  // namespace

void forEachDigitRun(std::string_view text, const std::function<void(std::string_view)>& visit) {
  // A plain scan finds exactly the matches of "[0-9]{1,}", several times faster.
  const char* p = text.data();
  const char* const end = p + text.size();
  while (p != end) {
    while (p != end && !isAsciiDigit(*p)) ++p;
    const char* const start = p;
    while (p != end && isAsciiDigit(*p)) ++p;
    if (p != start) visit(std::string_view(start, static_cast<std::size_t>(p - start)));
  }
}

void forEachDigitRunMatch(std::string_view text, const std::function<void(std::string_view)>& visit) {
  using Iterator = boost::regex_iterator<std::string_view::const_iterator>;
  for (Iterator it(text.begin(), text.end(), digitRunPattern()), end; it != end; ++it) {
    const auto& match = (*it)[0];
    visit(std::string_view(&*match.first, static_cast<std::size_t>(match.length())));
  }
}

std::string joinDigitRuns(std::string_view text) {
  return joinRuns(text, [](std::string& block, std::string_view run) { block += run; });
}

std::string slashList(std::string_view text) {
  return joinRuns(text, [](std::string& block, std::string_view run) {
    block += run;
    block += '/';
  });
}

std::string distinctChars(std::string_view text) {
  std::string result;
  for (char c : text) {
    if (result.find(c) == std::string::npos) result += c;
  }
  return result;
}

int countCharsIn(std::string_view text, std::string_view set) {
  int count = 0;
  for (char c : text) {
    if (set.find(c) != std::string_view::npos) ++count;
  }
  return count;
}

bool countIsAllowed(int count, std::string_view allowedCounts) {
  return allowedCounts.find(std::to_string(count)) != std::string_view::npos;
}

std::string sortedDigits(std::string_view digits) {
  std::size_t counts[10] = {};
  for (char c : digits) {
    if (isAsciiDigit(c)) ++counts[c - '0'];
  }
  std::string result;
  result.reserve(digits.size());
  for (int d = 0; d < 10; ++d) result.append(counts[d], static_cast<char>('0' + d));
  return result;
}

DigitMask digitMaskOf(std::string_view text) {
  DigitMask mask = 0;
  for (char c : text) {
    if (isAsciiDigit(c)) mask |= static_cast<DigitMask>(1u << (c - '0'));
  }
  return mask;
}

}  // namespace twostar
