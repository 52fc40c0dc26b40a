// End-to-end runs of the built twostar-cli.

#include <sys/wait.h>

#include <cstdio>
#include <fstream>
#include <string>

#include <gtest/gtest.h>

namespace {

struct Outcome {
  int status;
  std::string out;
  std::string err;
};

std::string slurp(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Runs the command line tool with `args`, feeding `input` on standard input.
Outcome runCli(const std::string& args, const std::string& input = "") {
  const std::string dir = testing::TempDir();
  const std::string in = dir + "/cli_in", out = dir + "/cli_out", err = dir + "/cli_err";
  std::ofstream(in, std::ios::binary) << input;
  const std::string cmd = std::string("'") + TWOSTAR_CLI + "' " + args + " <'" + in + "' >'" + out + "' 2>'" + err + "'";
  const int raw = std::system(cmd.c_str());
  return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, slurp(out), slurp(err)};
}

std::string writeFile(const std::string& name, const std::string& text) {
  const std::string path = testing::TempDir() + "/" + name;
  std::ofstream(path, std::ios::binary) << text;
  return path;
}

TEST(Cli, RunsAFileAndPrintsTwoLines) {
  const Outcome o = runCli(writeFile("five.json", R"({"danGroup": {"rows": [{"danText": "5"}]}})"));
  EXPECT_EQ(o.status, 0);
  EXPECT_EQ(o.out, "05 15 25 35 45 50 51 52 53 54 55 56 57 58 59 65 75 85 95\n共19注\n");
  EXPECT_EQ(o.err, "");
}

TEST(Cli, StandardInputAndJson) {
  Outcome o = runCli("-", "{}");
  EXPECT_EQ(o.status, 0);
  EXPECT_EQ(o.out, "\n0条件参与缩水\n");
  o = runCli("--json -", R"({"shape": {"twoDigit": {"text": "00 01 02 03 04 05 06 07 08 09 11 12 13 14 15 16 17 18 19 22 23 24 25 26 27 28 29 33 34 35 36 37 38 39 44 45 46 47 48 49 55 56 57 58 59 66 67 68 69 77 78 79 88 89 99"}}})");
  EXPECT_EQ(o.status, 0);
  EXPECT_EQ(o.out, "{\"numbersText\": \"\", \"countCaption\": \"共0注\"}\n");
}

TEST(Cli, ExampleFileRuns) {
  const Outcome o = runCli(std::string("'") + TWOSTAR_EXAMPLES + "/typical.json'");
  EXPECT_EQ(o.status, 0);
  EXPECT_NE(o.out.find("注\n"), std::string::npos);
}

TEST(Cli, RefusedFilesAndBadArgumentsExitTwoWithOneLine) {
  const std::string bad = writeFile("bad.json", R"({"danGroup": {"rows": [{}, {}, {"countBoxes": [true]}]}})");
  struct Case {
    std::string args;
    std::string errHas;
  } cases[] = {
      {"'" + bad + "'", bad + ": danGroup.rows[2].countBoxes: must be an array of exactly 3 booleans"},
      {"'" + writeFile("syntax.json", "{\"shape\":") + "'", "syntax.json: is not valid UTF-8 JSON"},
      {"'" + testing::TempDir() + "/missing.json'", "missing.json: cannot be read"},
      {"", "no condition file"},
      {"--frobnicate x.json", "unknown option"},
      {"a.json b.json", "exactly one"},
  };
  for (const auto& c : cases) {
    const Outcome o = runCli(c.args);
    EXPECT_EQ(o.status, 2) << c.args;
    EXPECT_EQ(o.out, "") << c.args;
    EXPECT_NE(o.err.find(c.errHas), std::string::npos) << c.args << " -> " << o.err;
    EXPECT_EQ(std::count(o.err.begin(), o.err.end(), '\n'), 1) << c.args;
  }
}

TEST(Cli, HelpAndVersion) {
  Outcome o = runCli("--help");
  EXPECT_EQ(o.status, 0);
  EXPECT_NE(o.out.find("danGroup.rows"), std::string::npos);
  EXPECT_NE(o.out.find("shape.twoDigit"), std::string::npos);
  o = runCli("--version");
  EXPECT_EQ(o.status, 0);
  EXPECT_EQ(o.out, std::string("twostar-cli ") + TWOSTAR_VERSION + "\n");
}

}  // namespace
