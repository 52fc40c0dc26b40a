// twostar-cli: runs the filter once on a condition file and prints what the
// panel would show: the result box text and the count caption.

#include <cstdio>
#include <fstream>
#include <iostream>
#include <iterator>
#include <sstream>
#include <string>
#include <string_view>

#include "twostar/condition_file.h"
#include "twostar/filter.h"
#include "twostar/plain_inputs.h"

namespace {

constexpr int kRefused = 2;

void printUsage(std::ostream& out) {
  out << "Usage: twostar-cli [--json] FILE\n"
         "       twostar-cli --help | --version\n"
         "\n"
         "Runs 二星做号 once on the condition file FILE (UTF-8 JSON; '-' reads standard\n"
         "input) and prints two lines: the surviving numbers separated by single blanks\n"
         "(an empty line when none survive) and the count caption (\"共19注\", \"共0注\" or\n"
         "\"0条件参与缩水\"). With --json it prints {\"numbersText\": ..., \"countCaption\": ...}.\n"
         "Exit status: 0 after a run; 2 for a refused file or bad arguments.\n\n"
      << twostar::conditionFileKeysHelp();
}

// Writes a JSON string literal; the texts hold only digits, blanks and UTF-8 letters.
std::string jsonString(std::string_view s) {
  std::string out = "\"";
  for (char c : s) {
    if (c == '"' || c == '\\') out += '\\';
    out += c;
  }
  return out + "\"";
}

bool readAll(const std::string& path, std::string& out) {
  if (path == "-") {
    out.assign(std::istreambuf_iterator<char>(std::cin), std::istreambuf_iterator<char>());
    return !std::cin.bad();
  }
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  std::ostringstream buffer;
  buffer << in.rdbuf();
  out = buffer.str();
  return !in.bad();
}

}  // namespace

int main(int argc, char** argv) {
  bool asJson = false;
  std::string path;
  bool havePath = false;
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (arg == "--help" || arg == "-h") {
      printUsage(std::cout);
      return 0;
    }
    if (arg == "--version") {
      std::cout << "twostar-cli " << TWOSTAR_VERSION << "\n";
      return 0;
    }
    if (arg == "--json") {
      asJson = true;
    } else if (arg.size() > 1 && arg.front() == '-') {
      std::cerr << "twostar-cli: unknown option " << arg << " (see --help)\n";
      return kRefused;
    } else if (havePath) {
      std::cerr << "twostar-cli: give exactly one condition file (see --help)\n";
      return kRefused;
    } else {
      path = arg;
      havePath = true;
    }
  }
  if (!havePath) {
    std::cerr << "twostar-cli: no condition file given (see --help)\n";
    return kRefused;
  }

  std::string text;
  if (!readAll(path, text)) {
    std::cerr << "twostar-cli: " << path << ": cannot be read\n";
    return kRefused;
  }
  const twostar::ConditionFileResult parsed = twostar::parseConditionFile(text);
  if (!parsed.conditions) {
    std::cerr << "twostar-cli: " << path << ": ";
    if (!parsed.error.keyPath.empty()) std::cerr << parsed.error.keyPath << ": ";
    std::cerr << parsed.error.problem << "\n";
    return kRefused;
  }

  twostar::EngineData engine;
  twostar::buildCandidatePool(engine);
  twostar::PlainInputs inputs(*parsed.conditions);
  const twostar::FilterResult result = twostar::runFilter(engine, inputs);
  if (asJson) {
    std::cout << "{\"numbersText\": " << jsonString(result.numbersText)
              << ", \"countCaption\": " << jsonString(result.countCaption) << "}\n";
  } else {
    std::cout << result.numbersText << "\n" << result.countCaption << "\n";
  }
  return std::cout.flush() ? 0 : 1;
}
