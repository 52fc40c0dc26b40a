// The filter run on arbitrary texts and ticks: the row contract holds at
// every row, the result is well formed, and it agrees with the literal
// reference implementation.

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdlib>

#include "reference_filter.h"
#include "row_contract.h"
#include "twostar/filter.h"
#include "twostar/plain_inputs.h"

namespace {

using namespace twostar;

KeepMode mode(FuzzedDataProvider& in) { return in.ConsumeBool() ? KeepMode::Keep : KeepMode::Kill; }

template <std::size_t N>
std::array<bool, N> bools(FuzzedDataProvider& in) {
  std::array<bool, N> b{};
  for (bool& x : b) x = in.ConsumeBool();
  return b;
}

ToleranceRange range(FuzzedDataProvider& in, int rows) {
  const int min = in.ConsumeIntegralInRange(0, rows);
  return {min, in.ConsumeIntegralInRange(0, rows)};
}

Conditions conditionsFrom(FuzzedDataProvider& in) {
  Conditions c;
  for (auto& r : c.danGroup.rows) r = {in.ConsumeRandomLengthString(16), bools<3>(in), mode(in), in.ConsumeBool()};
  c.danGroup.countRepeatsOnce = in.ConsumeBool();
  c.danGroup.range = range(in, 6);
  for (auto& r : c.danSumSpanProduct.rows) r = {in.ConsumeRandomLengthString(16), bools<5>(in), mode(in), in.ConsumeBool()};
  c.danSumSpanProduct.countRepeatsOnce = in.ConsumeBool();
  c.danSumSpanProduct.range = range(in, 4);
  for (PositionDigitRow* r : {&c.positionDigits.tens, &c.positionDigits.units}) *r = {bools<10>(in), mode(in), in.ConsumeBool()};
  c.positionDigits.range = range(in, 2);
  for (PatternRow* r : {&c.shape.bigSmall, &c.shape.oddEven, &c.shape.primeComposite}) *r = {bools<4>(in), mode(in), in.ConsumeBool()};
  c.shape.range = range(in, 7);
  for (KillListRow* r : {&c.shape.sumTail, &c.shape.span, &c.shape.sum}) *r = {in.ConsumeRandomLengthString(64), in.ConsumeBool()};
  c.shape.twoDigit = {in.ConsumeRemainingBytesAsString(), in.ConsumeBool()};
  return c;
}

void check(bool ok) {
  if (!ok) std::abort();
}

void checkResult(const FilterResult& r) {
  if (r.countCaption == "0条件参与缩水") {
    check(r.numbersText.empty());
    return;
  }
  int count = 0, previous = -1;
  for (std::size_t i = 0; i < r.numbersText.size(); i += 3) {
    const std::string_view token = std::string_view(r.numbersText).substr(i, 2);
    check(token.size() == 2 && isdigit(static_cast<unsigned char>(token[0])) && isdigit(static_cast<unsigned char>(token[1])));
    check(i + 2 == r.numbersText.size() || r.numbersText[i + 2] == ' ');
    const int value = (token[0] - '0') * 10 + (token[1] - '0');
    check(value > previous);
    previous = value;
    ++count;
  }
  check(r.countCaption == "共" + std::to_string(count) + "注");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider in(data, size);
  const Conditions c = conditionsFrom(in);
  check(twostar::test::rowContractBreach(c).empty());
  EngineData engine;
  PlainInputs inputs(c);
  const FilterResult result = runFilter(engine, inputs);
  checkResult(result);
  check(result == twostar::test::ReferenceFilter(c).run());
  return 0;
}
