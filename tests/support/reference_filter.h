#pragma once
// A second, deliberately literal implementation of the filter run: texts,
// substring searches and the helpers exactly as the rules describe them, with
// no bit sets and no precomputed tables. The engine must agree with it.

#include <algorithm>
#include <string>

#include "twostar/candidate.h"
#include "twostar/conditions.h"
#include "twostar/text.h"

namespace twostar::test {

class ReferenceFilter {
 public:
  explicit ReferenceFilter(const Conditions& c) : c_(c) {
    for (int i = 0; i < 100; ++i) pool_.push_back(std::string("0000" + std::to_string(i)).substr(std::to_string(i).size() + 2));
  }

  FilterResult run() {
    passes_.assign(100, 0);
    levels_ = 0;
    level(false, [&](bool t) { danGroupRows(t); }, c_.danGroup.range);
    level(true, [&](bool t) { danGroupRows(t); }, c_.danGroup.range);
    level(false, [&](bool t) { dsspRows(t); }, c_.danSumSpanProduct.range);
    level(true, [&](bool t) { dsspRows(t); }, c_.danSumSpanProduct.range);
    level(false, [&](bool t) { positionRows(t); }, c_.positionDigits.range);
    level(true, [&](bool t) { positionRows(t); }, c_.positionDigits.range);
    level(false, [&](bool t) { shapeRows(t); }, c_.shape.range);
    level(true, [&](bool t) { shapeRows(t); }, c_.shape.range);
    if (levels_ == 0) return {"", "0条件参与缩水"};
    std::string joined;
    int count = 0;
    for (int i = 0; i < 100; ++i) {
      if (passes_[i] == levels_) {
        joined += pool_[i] + " ";
        ++count;
      }
    }
    while (!joined.empty() && joined.back() == ' ') joined.pop_back();
    return {joined, "共" + std::to_string(count) + "注"};
  }

 private:
  template <typename Rows>
  void level(bool tolerantLevel, Rows rows, ToleranceRange range) {
    hits_.assign(100, 0);
    conditions_ = 0;
    rows(tolerantLevel);
    if (conditions_ == 0) return;
    int low = conditions_, high = conditions_;
    if (tolerantLevel) {
      low = conditions_ - range.maxMisses;
      high = conditions_ - range.minMisses;
      if (high < low) return;
    }
    ++levels_;
    for (int i = 0; i < 100; ++i) {
      if (low <= hits_[i] && hits_[i] <= high) ++passes_[i];
    }
  }

  static std::string allowedText(const bool* boxes, int n) {
    std::string allowed;
    for (int k = 0; k < n; ++k) {
      if (boxes[k]) allowed += std::to_string(k);
    }
    return allowed;
  }

  void danRow(const std::string& danText, const bool* boxes, int n, KeepMode mode, bool once, bool profile) {
    const std::string dan = joinDigitRuns(danText);
    if (dan.empty()) return;
    const std::string allowed = allowedText(boxes, n);
    if (allowed.empty()) return;
    ++conditions_;
    for (int i = 0; i < 100; ++i) {
      std::string t = pool_[i];
      if (profile) t = t + sumTailOf(t) + spanOf(t) + productTailOf(t);
      if (once) t = distinctChars(t);
      const bool found = countIsAllowed(countCharsIn(t, dan), allowed);
      if ((mode == KeepMode::Keep) == found) ++hits_[i];
    }
  }

  void danGroupRows(bool tolerantLevel) {
    for (const auto& r : c_.danGroup.rows) {
      if (r.tolerant == tolerantLevel)
        danRow(r.danText, r.countBoxes.data(), 3, r.mode, c_.danGroup.countRepeatsOnce, false);
    }
  }

  void dsspRows(bool tolerantLevel) {
    for (const auto& r : c_.danSumSpanProduct.rows) {
      if (r.tolerant == tolerantLevel)
        danRow(r.danText, r.countBoxes.data(), 5, r.mode, c_.danSumSpanProduct.countRepeatsOnce, true);
    }
  }

  void positionRows(bool tolerantLevel) {
    const PositionDigitRow* rows[] = {&c_.positionDigits.tens, &c_.positionDigits.units};
    for (int p = 0; p < 2; ++p) {
      const PositionDigitRow& r = *rows[p];
      if (r.tolerant != tolerantLevel) continue;
      std::string digitSet;
      for (int b = 0; b < 10; ++b) {
        if (r.digitBoxes[b] == (r.mode == KeepMode::Keep)) digitSet += std::to_string(b);
      }
      if (digitSet.empty()) continue;
      ++conditions_;
      for (int i = 0; i < 100; ++i) {
        if (digitSet.find(pool_[i][p]) != std::string::npos) ++hits_[i];
      }
    }
  }

  void shapeRows(bool tolerantLevel) {
    const PatternRow* patterns[] = {&c_.shape.bigSmall, &c_.shape.oddEven, &c_.shape.primeComposite};
    for (int k = 0; k < 3; ++k) {
      const PatternRow& r = *patterns[k];
      if (r.tolerant != tolerantLevel) continue;
      const auto kind = static_cast<PatternKind>(k);
      std::string list = ",";
      for (int b = 0; b < 4; ++b) {
        if (r.boxes[b] == (r.mode == KeepMode::Keep)) list += patternsOf(kind)[b] + ",";
      }
      if (list == ",") continue;
      ++conditions_;
      for (int i = 0; i < 100; ++i) {
        if (list.find("," + patternOf(pool_[i], kind) + ",") != std::string::npos) ++hits_[i];
      }
    }
    const KillListRow* lists[] = {&c_.shape.sumTail, &c_.shape.span, &c_.shape.sum, &c_.shape.twoDigit};
    for (int k = 0; k < 4; ++k) {
      const KillListRow& r = *lists[k];
      if (r.tolerant != tolerantLevel) continue;
      const auto kind = static_cast<KillListKind>(k);
      std::string list = kind == KillListKind::SumTail || kind == KillListKind::Span ? joinDigitRuns(r.text) : slashList(r.text);
      if (list.empty()) continue;
      ++conditions_;
      if (kind == KillListKind::Sum) list = "/" + list;
      if (kind == KillListKind::TwoDigit) {
        std::string pairs;
        std::size_t start = 0;
        for (std::size_t slash; (slash = list.find('/', start)) != std::string::npos; start = slash + 1) {
          pairs += sortedDigits(list.substr(start, slash - start)) + " ";
        }
        pairs += sortedDigits(list.substr(start)) + " ";
        list = pairs;
      }
      for (int i = 0; i < 100; ++i) {
        const std::string& c = pool_[i];
        std::string needle;
        switch (kind) {
          case KillListKind::SumTail: needle = std::string(1, sumTailOf(c)); break;
          case KillListKind::Span: needle = std::string(1, spanOf(c)); break;
          case KillListKind::Sum: needle = "/" + digitSum(c) + "/"; break;
          case KillListKind::TwoDigit: needle = sortedDigits(c); break;
        }
        if (list.find(needle) == std::string::npos) ++hits_[i];
      }
    }
  }

  const Conditions& c_;
  std::vector<std::string> pool_;
  std::vector<int> hits_, passes_;
  int conditions_ = 0, levels_ = 0;
};

}  // namespace twostar::test
