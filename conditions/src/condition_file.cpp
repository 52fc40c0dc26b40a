#include "twostar/condition_file.h"

#include <initializer_list>

#include <nlohmann/json.hpp>

namespace twostar {

namespace {

using nlohmann::json;

struct Refused {
  std::string keyPath;
  std::string problem;
};

std::string join(const std::string& path, std::string_view key) {
  return path.empty() ? std::string(key) : path + "." + std::string(key);
}

// A JSON object whose keys must all be among `known`.
class ObjectReader {
 public:
  ObjectReader(const json& value, std::string path, std::initializer_list<std::string_view> known)
      : value_(value), path_(std::move(path)) {
    if (!value_.is_object()) throw Refused{path_, "must be an object"};
    for (const auto& item : value_.items()) {
      bool listed = false;
      for (std::string_view k : known) listed = listed || item.key() == k;
      if (!listed) throw Refused{join(path_, item.key()), "is not a known key"};
    }
  }

  const json* find(std::string_view key) const {
    auto it = value_.find(key);
    return it == value_.end() ? nullptr : &*it;
  }
  std::string pathOf(std::string_view key) const { return join(path_, key); }

  void readBool(std::string_view key, bool& out) const {
    if (const json* v = find(key)) {
      if (!v->is_boolean()) throw Refused{pathOf(key), "must be true or false"};
      out = v->get<bool>();
    }
  }

  void readText(std::string_view key, std::string& out) const {
    if (const json* v = find(key)) {
      if (!v->is_string()) throw Refused{pathOf(key), "must be a string"};
      out = v->get<std::string>();
    }
  }

  void readMode(std::string_view key, KeepMode& out) const {
    if (const json* v = find(key)) {
      if (!v->is_string() || (*v != "keep" && *v != "kill"))
        throw Refused{pathOf(key), "must be \"keep\" or \"kill\""};
      out = *v == "keep" ? KeepMode::Keep : KeepMode::Kill;
    }
  }

  void readMisses(std::string_view key, int highest, int& out) const {
    if (const json* v = find(key)) {
      const std::string range = "must be an integer from 0 to " + std::to_string(highest);
      if (!v->is_number_integer()) throw Refused{pathOf(key), range};
      // Unsigned and signed 64-bit values are both compared without narrowing.
      const bool inRange = v->is_number_unsigned() ? v->get<std::uint64_t>() <= static_cast<std::uint64_t>(highest)
                                                   : v->get<std::int64_t>() >= 0 && v->get<std::int64_t>() <= highest;
      if (!inRange) throw Refused{pathOf(key), range};
      out = static_cast<int>(v->get<std::int64_t>());
    }
  }

  template <std::size_t N>
  void readBools(std::string_view key, std::array<bool, N>& out) const {
    if (const json* v = find(key)) {
      const std::string shape = "must be an array of exactly " + std::to_string(N) + " booleans";
      if (!v->is_array() || v->size() != N) throw Refused{pathOf(key), shape};
      for (std::size_t i = 0; i < N; ++i) {
        if (!(*v)[i].is_boolean()) throw Refused{pathOf(key) + "[" + std::to_string(i) + "]", "must be true or false"};
        out[i] = (*v)[i].get<bool>();
      }
    }
  }

 private:
  const json& value_;
  std::string path_;
};

template <typename Row, std::size_t N>
void readDanRows(const ObjectReader& group, std::array<Row, N>& rows) {
  const json* list = group.find("rows");
  if (!list) return;
  const std::string path = group.pathOf("rows");
  if (!list->is_array()) throw Refused{path, "must be an array of row objects"};
  if (list->size() > rows.size())
    throw Refused{path, "has " + std::to_string(list->size()) + " rows; at most " + std::to_string(rows.size())};
  for (std::size_t i = 0; i < list->size(); ++i) {
    const ObjectReader row((*list)[i], path + "[" + std::to_string(i) + "]", {"danText", "countBoxes", "mode", "tolerant"});
    row.readText("danText", rows[i].danText);
    row.readBools("countBoxes", rows[i].countBoxes);
    row.readMode("mode", rows[i].mode);
    row.readBool("tolerant", rows[i].tolerant);
  }
}

void readPositionRow(const ObjectReader& group, std::string_view key, PositionDigitRow& row) {
  const json* v = group.find(key);
  if (!v) return;
  const ObjectReader r(*v, group.pathOf(key), {"digitBoxes", "mode", "tolerant"});
  r.readBools("digitBoxes", row.digitBoxes);
  r.readMode("mode", row.mode);
  r.readBool("tolerant", row.tolerant);
}

void readPatternRow(const ObjectReader& group, std::string_view key, PatternRow& row) {
  const json* v = group.find(key);
  if (!v) return;
  const ObjectReader r(*v, group.pathOf(key), {"boxes", "mode", "tolerant"});
  r.readBools("boxes", row.boxes);
  r.readMode("mode", row.mode);
  r.readBool("tolerant", row.tolerant);
}

void readKillList(const ObjectReader& group, std::string_view key, KillListRow& row) {
  const json* v = group.find(key);
  if (!v) return;
  const ObjectReader r(*v, group.pathOf(key), {"text", "tolerant"});
  r.readText("text", row.text);
  r.readBool("tolerant", row.tolerant);
}

void readRange(const ObjectReader& group, ConditionGroup g, ToleranceRange& range) {
  group.readMisses("minMisses", maxMissesItemOf(g), range.minMisses);
  group.readMisses("maxMisses", maxMissesItemOf(g), range.maxMisses);
}

Conditions readConditions(const json& root) {
  Conditions c;
  const ObjectReader top(root, "", {"danGroup", "danSumSpanProduct", "positionDigits", "shape"});
  if (const json* v = top.find("danGroup")) {
    const ObjectReader g(*v, "danGroup", {"rows", "countRepeatsOnce", "minMisses", "maxMisses"});
    readDanRows(g, c.danGroup.rows);
    g.readBool("countRepeatsOnce", c.danGroup.countRepeatsOnce);
    readRange(g, ConditionGroup::DanGroup, c.danGroup.range);
  }
  if (const json* v = top.find("danSumSpanProduct")) {
    const ObjectReader g(*v, "danSumSpanProduct", {"rows", "countRepeatsOnce", "minMisses", "maxMisses"});
    readDanRows(g, c.danSumSpanProduct.rows);
    g.readBool("countRepeatsOnce", c.danSumSpanProduct.countRepeatsOnce);
    readRange(g, ConditionGroup::DanSumSpanProduct, c.danSumSpanProduct.range);
  }
  if (const json* v = top.find("positionDigits")) {
    const ObjectReader g(*v, "positionDigits", {"tens", "units", "minMisses", "maxMisses"});
    readPositionRow(g, "tens", c.positionDigits.tens);
    readPositionRow(g, "units", c.positionDigits.units);
    readRange(g, ConditionGroup::PositionDigits, c.positionDigits.range);
  }
  if (const json* v = top.find("shape")) {
    const ObjectReader g(*v, "shape",
                         {"bigSmall", "oddEven", "primeComposite", "sumTail", "span", "sum", "twoDigit", "minMisses",
                          "maxMisses"});
    readPatternRow(g, "bigSmall", c.shape.bigSmall);
    readPatternRow(g, "oddEven", c.shape.oddEven);
    readPatternRow(g, "primeComposite", c.shape.primeComposite);
    readKillList(g, "sumTail", c.shape.sumTail);
    readKillList(g, "span", c.shape.span);
    readKillList(g, "sum", c.shape.sum);
    readKillList(g, "twoDigit", c.shape.twoDigit);
    readRange(g, ConditionGroup::Shape, c.shape.range);
  }
  return c;
}

const char* modeText(KeepMode m) { return m == KeepMode::Keep ? "keep" : "kill"; }

template <typename Row>
json danRowsJson(const Row& rows) {
  json list = json::array();
  for (const auto& r : rows) {
    list.push_back({{"danText", r.danText}, {"countBoxes", r.countBoxes}, {"mode", modeText(r.mode)}, {"tolerant", r.tolerant}});
  }
  return list;
}

json positionJson(const PositionDigitRow& r) {
  return {{"digitBoxes", r.digitBoxes}, {"mode", modeText(r.mode)}, {"tolerant", r.tolerant}};
}
json patternJson(const PatternRow& r) {
  return {{"boxes", r.boxes}, {"mode", modeText(r.mode)}, {"tolerant", r.tolerant}};
}
json killJson(const KillListRow& r) { return {{"text", r.text}, {"tolerant", r.tolerant}}; }

}  // namespace

ConditionFileResult parseConditionFile(std::string_view text) {
  ConditionFileResult result;
  json root;
  try {
    root = json::parse(text.begin(), text.end());
  } catch (const json::exception& e) {
    // A syntax error, or a number too large to hold (out_of_range). nlohmann's
    // text starts with "[json.exception.parse_error.101] "; keep what follows.
    std::string what = e.what();
    if (auto pos = what.find("] "); pos != std::string::npos) what.erase(0, pos + 2);
    result.error = {"", "is not valid UTF-8 JSON: " + what};
    return result;
  }
  try {
    result.conditions = readConditions(root);
  } catch (const Refused& r) {
    result.error = {r.keyPath.empty() ? "(top level)" : r.keyPath, r.problem};
  }
  return result;
}

std::string writeConditionFile(const Conditions& c) {
  const json root = {
      {"danGroup",
       {{"rows", danRowsJson(c.danGroup.rows)},
        {"countRepeatsOnce", c.danGroup.countRepeatsOnce},
        {"minMisses", c.danGroup.range.minMisses},
        {"maxMisses", c.danGroup.range.maxMisses}}},
      {"danSumSpanProduct",
       {{"rows", danRowsJson(c.danSumSpanProduct.rows)},
        {"countRepeatsOnce", c.danSumSpanProduct.countRepeatsOnce},
        {"minMisses", c.danSumSpanProduct.range.minMisses},
        {"maxMisses", c.danSumSpanProduct.range.maxMisses}}},
      {"positionDigits",
       {{"tens", positionJson(c.positionDigits.tens)},
        {"units", positionJson(c.positionDigits.units)},
        {"minMisses", c.positionDigits.range.minMisses},
        {"maxMisses", c.positionDigits.range.maxMisses}}},
      {"shape",
       {{"bigSmall", patternJson(c.shape.bigSmall)},
        {"oddEven", patternJson(c.shape.oddEven)},
        {"primeComposite", patternJson(c.shape.primeComposite)},
        {"sumTail", killJson(c.shape.sumTail)},
        {"span", killJson(c.shape.span)},
        {"sum", killJson(c.shape.sum)},
        {"twoDigit", killJson(c.shape.twoDigit)},
        {"minMisses", c.shape.range.minMisses},
        {"maxMisses", c.shape.range.maxMisses}}},
  };
  return root.dump(2) + "\n";
}

std::string conditionFileKeysHelp() {
  return R"(Keys (all optional; an absent key keeps the panel's initial state):
  danGroup.rows[0..5]            {danText, countBoxes[3], mode, tolerant}   后二胆 rows
  danGroup.countRepeatsOnce      boolean (default true)                     重复算1个
  danGroup.minMisses/maxMisses   integer 0..6 (default 0)                   本级容错
  danSumSpanProduct.rows[0..3]   {danText, countBoxes[5], mode, tolerant}   胆合跨积 rows
  danSumSpanProduct.countRepeatsOnce, .minMisses/.maxMisses (0..4)
  positionDigits.tens/.units     {digitBoxes[10], mode, tolerant}           定胆 十位/个位
  positionDigits.minMisses/maxMisses   integer 0..2
  shape.bigSmall/.oddEven/.primeComposite   {boxes[4], mode, tolerant}      型态 patterns
  shape.sumTail, shape.span, shape.sum, shape.twoDigit
                                 {text, tolerant}                           杀和尾 杀跨度 杀和值 杀二码
  shape.minMisses/maxMisses      integer 0..7
  mode is "keep" (留) or "kill" (删); countBoxes default [false,true,true(,true,true)];
  digitBoxes and boxes default all false; texts default "".
)";
}

}  // namespace twostar
